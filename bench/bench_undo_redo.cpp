// How long undoing and redoing one step of the clock table takes, with the
// history full of steps that each changed one line of a full table.
#include <benchmark/benchmark.h>

#include "clock/clock_history.h"

namespace {

using namespace ordalis;

void undoAndRedoOneStep(benchmark::State& bench) {
  ClockState clock;
  for (ClockLine& line : clock.ClockTable) line.FunctionHigh = 1;
  ClockHistory history;
  for (size_t step = 0; step < ClockHistory::kMaxSteps; ++step) {
    const ClockLineArray before = clock.ClockTable;
    clock.ClockTable[step % kClockTableLines].Minute = static_cast<uint8_t>(step % 60);
    clock.ClockTable[step % kClockTableLines].Hour ^= 1;
    history.Record("Move Garden path On", before, clock);
  }
  for (auto _ : bench) {
    benchmark::DoNotOptimize(history.Undo(clock));
    benchmark::DoNotOptimize(history.Redo(clock));
  }
}
BENCHMARK(undoAndRedoOneStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
