// ordalis-cli week, run as a user's script runs it: clock and installation
// files made by our own code, the JSON document read back.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "clock/clock_file.h"
#include "installation/installation.h"
#include "tools/fixtures/installation_file_builder.h"
#include "support/cli_run.h"
#include "support/line_builder.h"
#include "support/temp_dir.h"

namespace ordalis {
namespace {

using test::CliRun;
using test::LineSpec;
using test::MakeLine;

class WeekCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(test::CliPath())) GTEST_SKIP() << "ordalis-cli is not built";
    Installation installation;
    installation.Settings.Workdays = {1, 1, 1, 1, 0, 0, 0};  // Friday off
    test::writeBytes(dir.path("home.nbt"), fixtures::BuildInstallationFile(installation));
  }

  void WriteClock(const std::vector<std::pair<int, LineSpec>>& lines) {
    ClockFileContent content;
    for (const auto& [index, spec] : lines) content.lines[static_cast<size_t>(index)] = MakeLine(spec);
    test::writeBytes(dir.path("home.clk"), EncodeClockFile(content));
  }

  CliRun Week(const std::string& arguments) {
    return test::RunCli("--json --now 2025-03-12T10:00 week " + dir.path("home.clk") + " --nbt " +
                            dir.path("home.nbt") + " " + arguments,
                        dir.root().string());
  }

  nlohmann::json WeekJson(const std::string& arguments) {
    const CliRun run = Week(arguments);
    EXPECT_EQ(0, run.exitCode) << run.err;
    return nlohmann::json::parse(run.out);
  }

  test::TempDir dir;
};

TEST_F(WeekCommand, ListsOwnMomentsOccurrencesAndMarkersOfTheWeek) {
  WriteClock({{3, {.year = 2025, .month = 3, .day = 11, .hour = 8, .table = kSimulationTable, .level = 0}},
              {7, {.year = 2025, .month = 3, .day = 9, .hour = 6, .table = kWorkdayTable, .functionHigh = 25}}});
  const nlohmann::json week = WeekJson("--week 2025-03-13");
  EXPECT_EQ("2025-03-10", week["week_start"]);
  ASSERT_EQ(2u, week["lines"].size());
  EXPECT_EQ(3, week["lines"][0]["index"]);
  EXPECT_EQ("2025-03-11T08:00", week["lines"][0]["own"]);
  EXPECT_TRUE(week["lines"][0]["occurrences"].empty());
  EXPECT_TRUE(week["lines"][1]["own"].is_null());
  // The workday line acts Monday to Thursday: the installation gives Friday off.
  EXPECT_EQ((nlohmann::json{"2025-03-10T06:00", "2025-03-11T06:00", "2025-03-12T06:00", "2025-03-13T06:00"}),
            week["lines"][1]["occurrences"]);
  ASSERT_EQ(5u, week["markers"].size());
  EXPECT_EQ((nlohmann::json{{"clk_index", 3}, {"left", 175}, {"top", 85}, {"count", 1}, {"icon", 2},
                            {"colour", "#00ff00"}}),
            week["markers"][0]);
  EXPECT_EQ((nlohmann::json{{"clk_index", -9}, {"left", 135}, {"top", 15}, {"count", 1}, {"icon", 8},
                            {"colour", "#ff0000"}}),
            week["markers"][1]);
  EXPECT_FALSE(week.contains("normalised"));
}

TEST_F(WeekCommand, NormaliseMovesReferenceDatesBackAndListsTheChangedLines) {
  WriteClock({{2, {.year = 2025, .month = 3, .day = 20, .hour = 7, .unit = kRepeatDays, .count = 1}},
              {4, {.year = 2025, .month = 3, .day = 1, .hour = 7, .unit = kRepeatDays, .count = 1}}});
  const nlohmann::json week = WeekJson("--week 2025-03-12 --normalise");
  EXPECT_EQ((nlohmann::json::array({{{"index", 2}, {"day", 9}, {"month", 3}, {"year", 25}}})), week["normalised"]);
  EXPECT_EQ(7u, week["lines"][0]["occurrences"].size());
}

TEST_F(WeekCommand, RefusesAFileThatIsNoClockFile) {
  test::writeText(dir.path("home.clk"), "not a clock file");
  const CliRun run = Week("--week 2025-03-12");
  EXPECT_EQ(1, run.exitCode);
  EXPECT_NE(std::string::npos, run.err.find("NO KVB Clock file!"));
}

}  // namespace
}  // namespace ordalis
