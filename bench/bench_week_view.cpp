// How long the week view takes: the whole week recomputed with all 100 lines
// in use in their worst cases, and one step of dragging a line.
#include <benchmark/benchmark.h>

#include "app/program_state.h"
#include "clock/line_moment.h"
#include "week/week_view_model.h"

namespace ordalis {
namespace {

const LocalTime kNow = makeLocalTime(2025, 3, 12, 10);  // the week of Monday 10 March

ClockLine Line(LocalTime moment, uint8_t unit, uint8_t count, uint8_t table = kContinueTable) {
  ClockLine line;
  SetLineDate(line, std::chrono::floor<std::chrono::days>(moment));
  const auto time = std::chrono::hh_mm_ss{moment - std::chrono::floor<std::chrono::days>(moment)};
  line.Hour = static_cast<uint8_t>(time.hours().count());
  line.Minute = static_cast<uint8_t>(time.minutes().count());
  line.Table = table;
  line.RepeatUnit = unit;
  line.RepeatCount = count;
  line.FunctionHigh = 1;
  line.FunctionLow = 1;
  line.Level = 255;
  return line;
}

// 40 lines repeating every 15 minutes from Monday, 40 daily lines 249 days
// back (every one of their 250 steps is taken), and 20 lines repeating by 0
// on one spot, which fill the pool.
void FillWorstWeek(ProgramState& state) {
  using namespace std::chrono;
  const LocalTime monday = MondayOfWeek(kNow);
  for (int i = 0; i < 40; ++i)
    state.clock.ClockTable[i] = Line(monday + minutes{7 * i}, kRepeatMinutes, 15);
  for (int i = 40; i < 80; ++i)
    state.clock.ClockTable[i] = Line(monday - days{249} + minutes{13 * i}, kRepeatDays, 1);
  for (int i = 80; i < 100; ++i)
    state.clock.ClockTable[i] = Line(monday + days{2} + hours{12}, kRepeatDays, 0);
}

void BM_RecomputeWholeWeek(benchmark::State& bench) {
  FixedClock clock{kNow};
  ProgramState state;
  FillWorstWeek(state);
  WeekViewModel model(state, clock);
  for (auto _ : bench) {
    model.RecomputeWeek();
    benchmark::DoNotOptimize(model.Controls().all().data());
    model.TakeChangedControls();
  }
}
BENCHMARK(BM_RecomputeWholeWeek)->Unit(benchmark::kMicrosecond);

void BM_RepaintWithCheckDates(benchmark::State& bench) {
  FixedClock clock{kNow};
  ProgramState state;
  WeekViewModel model(state, clock);
  model.SetWeekOffset(35);  // 245 days on: lines near today step almost 250 times
  for (auto _ : bench) {
    bench.PauseTiming();
    FillWorstWeek(state);
    bench.ResumeTiming();
    model.Repaint();
    benchmark::DoNotOptimize(model.Controls().all().data());
    model.TakeChangedControls();
  }
}
BENCHMARK(BM_RepaintWithCheckDates)->Unit(benchmark::kMicrosecond);

void BM_DragOneLine(benchmark::State& bench) {
  FixedClock clock{kNow};
  ProgramState state;
  FillWorstWeek(state);
  // The dragged line: daily, so its seven occurrences move with it.
  state.clock.ClockTable[60] = Line(MondayOfWeek(kNow) - std::chrono::days{1} + std::chrono::hours{7},
                                    kRepeatDays, 1);
  WeekViewModel model(state, clock);
  model.RecomputeWeek();
  int quarter = 0;
  for (auto _ : bench) {
    quarter = (quarter + 1) % 96;
    model.MoveLineTo(60, 3, quarter);
    model.PaintAClock(60, kPaintDrag);
    benchmark::DoNotOptimize(model.TakeChangedControls());
  }
}
BENCHMARK(BM_DragOneLine)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ordalis

BENCHMARK_MAIN();
