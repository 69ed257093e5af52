// ordalis-cli inspect on installation files, beside the end-to-end script:
// JSON key order, the text form, and messages in the language of --lang.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "tools/fixtures/demo_installation.h"
#include "tools/fixtures/installation_file_builder.h"

namespace ordalis {
namespace {

class InspectInstallation : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(test::CliPath())) GTEST_SKIP() << "ordalis-cli is not built";
    demo = fixtures::BuildInstallationFile(fixtures::DemoInstallation());
  }
  // Writes the demo file with one byte changed (or cut to `length`) and inspects it.
  test::CliRun inspect(std::vector<uint8_t> bytes, const std::string& options = "--json") {
    test::writeBytes(dir.path("house.nbt"), bytes);
    return test::RunCli("inspect '" + dir.path("house.nbt") + "' " + options, dir.root().string());
  }
  std::vector<uint8_t> withByte(std::size_t offset, uint8_t value) const {
    std::vector<uint8_t> bytes = demo;
    bytes[offset] = value;
    return bytes;
  }
  void expectRefused(const test::CliRun& run, const std::string& message) const {
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, message + "\n");
  }

  std::vector<uint8_t> demo;
  test::TempDir dir;
};

TEST_F(InspectInstallation, DescribesTheDemoHouseAsJsonAndRefusesWhatIsNoInstallationFile) {
  const test::CliRun run = inspect(demo);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const nlohmann::json expected = nlohmann::json::parse(
      R"({"kind":"installation_file","version":60,"model":0,"model_name":"VORDANE","capacities":{"max_interfaces":99,)"
      R"("max_relay_outputs":176,"max_dimmer_outputs":120,"max_sensors":32,"max_audio_zones":32,)"
      R"("max_output_modules":37,"local_relay_outputs":144,"max_timed_functions":70,"max_flags":40,)"
      R"("max_if_then_else":40,"max_conditions":30,"max_motors":40,"max_clock_lines":100},)"
      R"("workdays":[1,1,1,1,1,0,0],"language_offset":0,"baud_rate":19200,)"
      R"("modem":{"in_use":0,"type":0,"init_string":"ATZ0","telephone":"","callback":""}})");
  EXPECT_EQ(nlohmann::json::parse(run.out, nullptr, false), expected);
  EXPECT_LT(run.out.find("\"kind\""), run.out.find("\"modem\""));  // keys in the documented order
  expectRefused(inspect(withByte(1, '@')), "No VANTREL file!");
  expectRefused(inspect(withByte(3, 50)), "Wrong version");
}

}  // namespace
}  // namespace ordalis
