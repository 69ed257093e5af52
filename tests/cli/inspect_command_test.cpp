// ordalis-cli inspect on clock files made by our own writer: the JSON
// document, the readable table, and the refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "base/texts.h"
#include "clock/clock_file.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace ordalis {
namespace {

class InspectCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(test::CliPath())) GTEST_SKIP() << "ordalis-cli is not built";
    content.model = 3;
    ClockLine& wakeUp = content.lines[0];
    wakeUp = lineFromBytes(std::array<uint8_t, 13>{30, 7, 15, 6, 26, kWorkdayTable, kRepeatDays, 2,
                                                   1, 5, 255, 254, 254}
                               .data());
    ClockLine& old = content.lines[7];
    old = lineFromBytes(
        std::array<uint8_t, 13>{0, 22, 31, 12, 99, kSpecialTable, 0, 0, 2, 17, 128, 255, 255}.data());
    content.lines[8].Minute = 45;  // leftovers of a free line
    file = dir.path("house.clk");
    test::writeBytes(file, EncodeClockFile(content));
  }

  test::CliRun inspect(const std::string& options) {
    return test::RunCli(options + " inspect " + file, dir.root().string());
  }

  test::TempDir dir;
  ClockFileContent content;
  std::string file;
};

TEST_F(InspectCommand, JsonListsTheLinesInUseWithTheirFieldsAndMoment) {
  test::CliRun run = inspect("--json");
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_EQ("", run.err);
  nlohmann::json doc = nlohmann::json::parse(run.out);
  EXPECT_EQ("clock_file", doc["kind"]);
  EXPECT_EQ(1, doc["format"]);
  EXPECT_EQ(3, doc["model"]);
  EXPECT_EQ("PELVAN", doc["model_name"]);
  EXPECT_EQ(true, doc["magic_ok"]);
  EXPECT_EQ(true, doc["trailer_ok"]);
  ASSERT_EQ(2u, doc["lines"].size());
  EXPECT_EQ((nlohmann::json{{"index", 0},         {"minute", 30},       {"hour", 7},
                            {"day", 15},          {"month", 6},         {"year", 26},
                            {"table", 1},         {"repeat_unit", 3},   {"repeat_count", 2},
                            {"function_high", 1}, {"function_low", 5},  {"level", 255},
                            {"next_line", 254},   {"first_line", 254},  {"moment", "2026-06-15T07:30"}}),
            doc["lines"][0]);
  EXPECT_EQ(7, doc["lines"][1]["index"]);
  EXPECT_EQ("1999-12-31T22:00", doc["lines"][1]["moment"]);
}

TEST_F(InspectCommand, AMissingFileIsRefusedWithThePlatformsError) {
  std::filesystem::remove(file);
  test::CliRun run = inspect("");
  EXPECT_EQ(1, run.exitCode);
  EXPECT_NE(std::string::npos, run.err.find("No such file")) << run.err;
}

TEST_F(InspectCommand, AnInstallationFileIsToldApartByItsMagicWhateverItsName) {
  test::writeBytes(file, {'Q', '&', 'Z', 60});  // cut short after the version byte
  test::CliRun run = inspect("");
  EXPECT_EQ(1, run.exitCode);
  EXPECT_EQ("No VANTREL file!\n", run.err);  // the installation reader's refusal
}

}  // namespace
}  // namespace ordalis
