// How long the memory image takes: building every section from the demo
// house (VORDANE, the largest sections), decoding it back, and section 18
// built from a full clock table as a transmit does.
#include <benchmark/benchmark.h>

#include <memory>

#include "image/clock_section.h"
#include "image/image_codec.h"
#include "tools/fixtures/demo_clock_table.h"
#include "tools/fixtures/demo_installation.h"

namespace {

using namespace ordalis;

void BM_BuildMemoryImage(benchmark::State& bench) {
  const auto installation = std::make_unique<Installation>(fixtures::DemoInstallation());
  auto image = std::make_unique<MemoryImage>();
  for (auto _ : bench) {
    BuildMemoryImage(*image, *installation);
    benchmark::DoNotOptimize(image->ImageTotal);
  }
}

void BM_DecodeMemoryImage(benchmark::State& bench) {
  const auto installation = std::make_unique<Installation>(fixtures::DemoInstallation());
  auto image = std::make_unique<MemoryImage>();
  BuildMemoryImage(*image, *installation);
  for (int section = 0; section <= kLastImageBlock; ++section) {
    image->block(section)->Receive = image->block(section)->Send;
  }
  auto decoded = std::make_unique<Installation>();
  const Texts texts;
  for (auto _ : bench) {
    ResetInstallation(*decoded, 19200, 0);
    DecodeMemoryImage(*image, *decoded, texts);
    benchmark::ClobberMemory();
  }
}

void BM_BuildAndFinishClockSection(benchmark::State& bench) {
  ClockLineArray table = fixtures::DemoClockTable(makeLocalTime(2026, 12, 6));
  auto image = std::make_unique<MemoryImage>();
  for (auto _ : bench) {
    BuildClockSection(*image, table, kClockTableLines, makeLocalTime(2026, 12, 6, 14, 5));
    FinishBlock(*image, kClockSection);
    benchmark::DoNotOptimize(image->block(kClockSection)->Send.Count);
  }
}

}  // namespace

BENCHMARK(BM_BuildMemoryImage);
BENCHMARK(BM_DecodeMemoryImage);
BENCHMARK(BM_BuildAndFinishClockSection);
BENCHMARK_MAIN();
