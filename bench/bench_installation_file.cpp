// How long reading an installation file takes: the demo house (version 60,
// VORDANE, the largest layout), read whole and cut in half.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/program_state.h"
#include "installation/installation_file.h"
#include "tools/fixtures/demo_installation.h"
#include "tools/fixtures/installation_file_builder.h"

namespace {

using namespace ordalis;

class SilentPrompts : public Prompts {
 public:
  Answer ask(const Message&) override { return Answer::Ok; }
  std::optional<std::string> openFileName(const FileDialog&) override { return std::nullopt; }
  std::optional<std::string> saveFileName(const FileDialog&) override { return std::nullopt; }
};

void readDemo(benchmark::State& bench, std::size_t divisor) {
  const std::vector<uint8_t> file = fixtures::BuildInstallationFile(fixtures::DemoInstallation());
  const std::span<const uint8_t> bytes(file.data(), file.size() / divisor);
  auto state = std::make_unique<ProgramState>();
  SilentPrompts prompts;
  for (auto _ : bench) {
    state->clock.InstallationPath = "demo.nbt";
    benchmark::DoNotOptimize(ReadInstallationBytes(bytes, *state, prompts));
  }
  bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations() * bytes.size()));
}

void BM_ReadWholeDemoFile(benchmark::State& bench) { readDemo(bench, 1); }
void BM_ReadHalfADemoFile(benchmark::State& bench) { readDemo(bench, 2); }
void BM_ResetInstallation(benchmark::State& bench) {
  auto installation = std::make_unique<Installation>();
  for (auto _ : bench) {
    ResetInstallation(*installation, 19200, 0);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_ReadWholeDemoFile);
BENCHMARK(BM_ReadHalfADemoFile);
BENCHMARK(BM_ResetInstallation);

}  // namespace

BENCHMARK_MAIN();
