// ordalis-cli image, run as a user's script runs it: an installation file
// and a clock file made by our own code, the JSON document read back.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "clock/clock_file.h"
#include "installation/installation.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "tools/fixtures/installation_file_builder.h"

namespace ordalis {
namespace {

class ImageCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(test::CliPath())) GTEST_SKIP() << "ordalis-cli is not built";
    Installation installation;
    installation.CentralModel = kPelvan;
    installation.Capacities = capacitiesOf(kPelvan);
    installation.TransparentFunctions[3].Parameters = {7, 0};
    test::writeBytes(dir.path("home.nbt"), fixtures::BuildInstallationFile(installation));
  }

  void WriteClock(uint8_t model, const ClockLine& line) {
    ClockFileContent content;
    content.model = model;
    content.lines[0] = line;
    test::writeBytes(dir.path("home.clk"), EncodeClockFile(content));
  }

  test::CliRun Image(const std::string& arguments) {
    return test::RunCli("--json --now 2026-12-06T14:05 image " + dir.path("home.nbt") + " " + arguments,
                        dir.root().string());
  }

  nlohmann::json ImageJson(const std::string& arguments = "") {
    const test::CliRun run = Image(arguments);
    EXPECT_EQ(0, run.exitCode) << run.err;
    return nlohmann::json::parse(run.out);
  }

  test::TempDir dir;
};

ClockLine DimmerLine() {
  ClockLine line;
  line.Hour = 7;
  line.Day = 1;
  line.Month = 12;
  line.Year = 26;
  line.Table = kWorkdayTable;
  line.FunctionHigh = 2;
  line.FunctionLow = 5;
  line.Level = 127;
  return line;
}

TEST_F(ImageCommand, ListsEverySectionWithItsLengthAndTheBytesSent) {
  const nlohmann::json image = ImageJson();
  ASSERT_EQ(21u, image["sections"].size());
  int total = 0;
  for (int number = 0; number <= 20; ++number) {
    const nlohmann::json& section = image["sections"][number];
    EXPECT_EQ(number, section["number"]);
    total += section["send_count"].get<int>();
  }
  EXPECT_EQ(total, image["image_total"]);
  EXPECT_EQ(884, image["sections"][0]["build_count"]);
  EXPECT_EQ(2540, image["sections"][9]["build_count"]);
  EXPECT_EQ(7, image["sections"][2]["send_count"]);
  EXPECT_EQ("00 00 00 00 00 00 07", image["sections"][2]["send"]);
  EXPECT_EQ(0, image["sections"][11]["send_count"]);
  EXPECT_EQ("", image["sections"][11]["send"]);
  EXPECT_EQ(0, image["sections"][18]["build_count"]) << "no clock file, no section 18";
}

TEST_F(ImageCommand, BuildsSectionEighteenFromAClockFileWithTheTimeSetting) {
  WriteClock(kPelvan, DimmerLine());
  const int without = ImageJson()["image_total"];
  const nlohmann::json image = ImageJson("--clk " + dir.path("home.clk") + " --timeset");
  const nlohmann::json& clock = image["sections"][18];
  EXPECT_EQ(662, clock["build_count"]);
  EXPECT_EQ(662, clock["send_count"]);
  const std::string send = clock["send"];
  EXPECT_EQ("07 00 01 0C 00 1A 01", send.substr(0, 20)) << "line 0's moment and table";
  EXPECT_EQ("32", send.substr(3 * 550, 2)) << "dimmer level 127 travels as 50 %";
  EXPECT_EQ("0E 05 06 0C 00 1A 01", send.substr(3 * 655)) << "14:05:00 on Sunday 6-12-26";
  EXPECT_EQ(without + 662, image["image_total"]);
}

TEST_F(ImageCommand, RefusesFilesThatAreNotWhatTheySeemAndAskedForNothing) {
  test::writeBytes(dir.path("bad.clk"), {'X', 'Y', 'Z'});
  const test::CliRun badClock = Image("--clk " + dir.path("bad.clk"));
  EXPECT_EQ(1, badClock.exitCode);
  EXPECT_NE(std::string::npos, badClock.err.find("NO KVB Clock file!"));
  test::writeBytes(dir.path("home.nbt"), {'Q', 'Z', 'Z', 60});
  const test::CliRun badInstallation = Image("");
  EXPECT_EQ(1, badInstallation.exitCode);
  EXPECT_NE(std::string::npos, badInstallation.err.find("No VANTREL file!"));
  EXPECT_EQ(2, Image("--timeset").exitCode) << "--timeset needs --clk";
}

}  // namespace
}  // namespace ordalis
