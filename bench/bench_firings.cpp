// How long the firings of a full table over one year take: 100 lines of a
// busy house (daily, workday and weekend lines, weekly and monthly ones, a
// few hourly), and the same table with every line repeating each quarter of
// an hour as the worst case. The target is below 20 ms for the first.
#include <benchmark/benchmark.h>

#include "clock/firings.h"
#include "clock/line_moment.h"

namespace ordalis {
namespace {

using namespace std::chrono;

const LocalTime kFrom = makeLocalTime(2026, 1, 1);
const WorkdayFlags kMondayToFriday{1, 1, 1, 1, 1, 0, 0};

ClockLine Line(int i, uint8_t table, uint8_t unit, uint8_t count) {
  ClockLine line;
  SetLineDate(line, floor<days>(kFrom) - days{3 * i});
  line.Hour = static_cast<uint8_t>(i % 24);
  line.Minute = static_cast<uint8_t>((7 * i) % 60);
  line.Table = table;
  line.RepeatUnit = unit;
  line.RepeatCount = count;
  line.FunctionHigh = 1;
  line.FunctionLow = static_cast<uint8_t>(1 + i % 8);
  line.Level = static_cast<uint8_t>(i % 2 ? 255 : 0);
  return line;
}

ClockLineArray BusyHouse() {
  ClockLineArray lines{};
  for (int i = 0; i < kClockTableLines; ++i) {
    if (i < 40) lines[i] = Line(i, kContinueTable, kRepeatDays, 1);
    else if (i < 60) lines[i] = Line(i, kWorkdayTable, kRepeatOnce, 0);
    else if (i < 80) lines[i] = Line(i, kWeekendTable, kRepeatOnce, 0);
    else if (i < 90) lines[i] = Line(i, kSimulationTable, kRepeatWeeks, 1);
    else if (i < 95) lines[i] = Line(i, kSpecialTable, kRepeatMonths, 1);
    else lines[i] = Line(i, kContinueTable, kRepeatHours, 1);
  }
  return lines;
}

void Expand(benchmark::State& bench, const ClockLineArray& lines) {
  size_t count = 0;
  for (auto _ : bench) {
    const std::vector<Firing> firings =
        ExpandFirings(lines, kClockTableLines, kFrom, AddMonths(kFrom, 12), kAllTables, kMondayToFriday);
    count = firings.size();
    benchmark::DoNotOptimize(firings.data());
  }
  bench.counters["firings"] = static_cast<double>(count);
}

void BM_FiringsOfABusyHouseOverAYear(benchmark::State& bench) { Expand(bench, BusyHouse()); }
BENCHMARK(BM_FiringsOfABusyHouseOverAYear)->Unit(benchmark::kMillisecond);

void BM_FiringsOfQuarterHourLinesOverAYear(benchmark::State& bench) {
  ClockLineArray lines{};
  for (int i = 0; i < kClockTableLines; ++i) lines[i] = Line(i, kContinueTable, kRepeatMinutes, 15);
  Expand(bench, lines);
}
BENCHMARK(BM_FiringsOfQuarterHourLinesOverAYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ordalis

BENCHMARK_MAIN();
