// ordalis-cli run as a user's script runs it, over installation and clock
// files made by our own code: inspect, functions, describe, week, lanes and
// image, their JSON documents read back, and their refusals.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <tuple>
#include <nlohmann/json.hpp>

#include "clock/clock_file.h"
#include "installation/installation.h"
#include "support/cli_run.h"
#include "support/line_builder.h"
#include "support/temp_dir.h"
#include "tools/fixtures/demo_installation.h"
#include "tools/fixtures/installation_file_builder.h"

namespace ordalis {
namespace {

using test::CliRun;
using test::LineSpec;
using test::MakeLine;

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(test::CliPath())) GTEST_SKIP() << "ordalis-cli is not built";
  }
  CliRun Run(const std::string& arguments) { return test::RunCli(arguments, dir.root().string()); }
  nlohmann::json Json(const std::string& arguments) {
    const CliRun run = Run(arguments);
    EXPECT_EQ(0, run.exitCode) << run.err;
    return nlohmann::json::parse(run.out, nullptr, false);
  }
  void WriteInstallation(const Installation& installation) {
    test::writeBytes(dir.path("home.nbt"), fixtures::BuildInstallationFile(installation));
  }
  void WriteClock(const std::vector<std::pair<int, LineSpec>>& lines, uint8_t model = 0) {
    ClockFileContent content;
    content.model = model;
    for (const auto& [index, spec] : lines) content.lines[static_cast<size_t>(index)] = MakeLine(spec);
    test::writeBytes(dir.path("home.clk"), EncodeClockFile(content));
  }
  static void ExpectRefused(const CliRun& run, const std::string& message) {
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, message + "\n");
  }
  std::string nbt() { return dir.path("home.nbt"); }
  std::string clk() { return dir.path("home.clk"); }

  test::TempDir dir;
};

TEST_F(Cli, InspectListsTheClockLinesInUseWithTheirFieldsAndMoment) {
  ClockFileContent content;
  content.model = 3;
  content.lines[0] = lineFromBytes(
      std::array<uint8_t, 13>{30, 7, 15, 6, 26, kWorkdayTable, kRepeatDays, 2, 1, 5, 255, 254, 254}.data());
  content.lines[7] =
      lineFromBytes(std::array<uint8_t, 13>{0, 22, 31, 12, 99, kSpecialTable, 0, 0, 2, 17, 128, 255, 255}.data());
  content.lines[8].Minute = 45;  // leftovers of a free line
  test::writeBytes(clk(), EncodeClockFile(content));
  const nlohmann::json doc = Json("--json inspect " + clk());
  EXPECT_EQ("clock_file", doc["kind"]);
  EXPECT_EQ("PELVAN", doc["model_name"]);
  EXPECT_EQ(true, doc["magic_ok"]);
  EXPECT_EQ(true, doc["trailer_ok"]);
  ASSERT_EQ(2u, doc["lines"].size());
  EXPECT_EQ((nlohmann::json{{"index", 0}, {"minute", 30}, {"hour", 7}, {"day", 15}, {"month", 6}, {"year", 26},
                            {"table", 1}, {"repeat_unit", 3}, {"repeat_count", 2}, {"function_high", 1},
                            {"function_low", 5}, {"level", 255}, {"next_line", 254}, {"first_line", 254},
                            {"moment", "2026-06-15T07:30"}}), doc["lines"][0]);
  EXPECT_EQ("1999-12-31T22:00", doc["lines"][1]["moment"]);
  // A missing file gives the platform's reason; an installation's magic is
  // told apart whatever the name (the installation reader's refusal).
  EXPECT_NE(std::string::npos, Run("inspect " + dir.path("gone.clk")).err.find("No such file"));
  test::writeBytes(clk(), {'Q', '&', 'Z', 60});
  ExpectRefused(Run("inspect " + clk()), "No VANTREL file!");
}

TEST_F(Cli, InspectDescribesTheDemoHouseInKeyOrderAndRefusesWhatIsNoInstallationFile) {
  std::vector<uint8_t> demo = fixtures::BuildInstallationFile(fixtures::DemoInstallation());
  test::writeBytes(nbt(), demo);
  const CliRun run = Run("inspect " + nbt() + " --json");
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
  for (const auto& [offset, value, message] : {std::tuple{1, '@', "No VANTREL file!"}, {3, 50, "Wrong version"}}) {
    std::vector<uint8_t> bytes = demo;
    bytes[static_cast<size_t>(offset)] = static_cast<uint8_t>(value);
    test::writeBytes(nbt(), bytes);
    ExpectRefused(Run("inspect " + nbt() + " --json"), message);
  }
}

TEST_F(Cli, WeekAndLanesListTheWeekOfTheFiles) {
  Installation installation;
  installation.Settings.Workdays = {1, 1, 1, 1, 0, 0, 0};  // Friday off
  WriteInstallation(installation);
  const std::string week = "--json --now 2025-03-12T10:00 week " + clk() + " --nbt " + nbt();
  WriteClock({{3, {.year = 2025, .month = 3, .day = 11, .hour = 8, .table = kSimulationTable, .level = 0}},
              {7, {.year = 2025, .month = 3, .day = 9, .hour = 6, .table = kWorkdayTable, .functionHigh = 25}}});
  const nlohmann::json shown = Json(week + " --week 2025-03-13");
  EXPECT_EQ("2025-03-10", shown["week_start"]);
  ASSERT_EQ(2u, shown["lines"].size());
  EXPECT_EQ((nlohmann::json{3, "2025-03-11T08:00"}), (nlohmann::json{shown["lines"][0]["index"], shown["lines"][0]["own"]}));
  EXPECT_TRUE(shown["lines"][1]["own"].is_null());
  // The workday line acts Monday to Thursday: the installation gives Friday off.
  EXPECT_EQ((nlohmann::json{"2025-03-10T06:00", "2025-03-11T06:00", "2025-03-12T06:00", "2025-03-13T06:00"}),
            shown["lines"][1]["occurrences"]);
  ASSERT_EQ(5u, shown["markers"].size());
  EXPECT_EQ((nlohmann::json{{"clk_index", 3}, {"left", 175}, {"top", 85}, {"count", 1}, {"icon", 2}, {"colour", "#00ff00"}}),
            shown["markers"][0]);
  EXPECT_FALSE(shown.contains("normalised"));

  WriteClock({{2, {.year = 2025, .month = 3, .day = 20, .hour = 7, .unit = kRepeatDays, .count = 1}},
              {4, {.year = 2025, .month = 3, .day = 1, .hour = 7, .unit = kRepeatDays, .count = 1}}});
  const nlohmann::json normalised = Json(week + " --week 2025-03-12 --normalise");
  EXPECT_EQ((nlohmann::json::array({{{"index", 2}, {"day", 9}, {"month", 3}, {"year", 25}}})), normalised["normalised"]);
  EXPECT_EQ(7u, normalised["lines"][0]["occurrences"].size());

  // Lanes carry in the last state within ten years; a bad week is refused.
  // Relay 1: on since last Friday, off every day at 22:00 from Tuesday on;
  // relay 2 switched off two years ago, relay 3 on eleven years ago.
  WriteClock({{0, {.year = 2025, .month = 3, .day = 7, .hour = 18}},
              {1, {.year = 2025, .month = 3, .day = 11, .hour = 22, .unit = kRepeatDays, .count = 1, .level = 0}},
              {2, {.year = 2023, .month = 1, .day = 5, .functionLow = 2, .level = 0}},
              {3, {.year = 2014, .month = 1, .day = 5, .functionLow = 3}}});
  const nlohmann::json lanes = Json("--json lanes " + (clk() + " --nbt " + nbt()) + " --week 2025-03-12")["lanes"];
  ASSERT_EQ(3u, lanes.size());
  EXPECT_EQ("relay", lanes[0]["kind"]);
  EXPECT_EQ("2025-03-11T22:00", lanes[0]["intervals"][1]["from"]);
  EXPECT_EQ((nlohmann::json{{{"state", "on"}}, {{"state", "off"}}, {{"state", "unknown"}}}),
            (nlohmann::json{lanes[0]["carried_in"], lanes[1]["carried_in"], lanes[2]["carried_in"]}));
  EXPECT_EQ(2, Run("lanes " + (clk() + " --nbt " + nbt()) + " --week 2025-02-30").exitCode);

  test::writeText(clk(), "not a clock file");
  const CliRun refused = Run(week + " --week 2025-03-12");
  EXPECT_EQ(1, refused.exitCode);
  EXPECT_NE(std::string::npos, refused.err.find("NO KVB Clock file!"));
}

TEST_F(Cli, ImageListsEverySectionAndBuildsSectionEighteenFromAClockFileWithTheTime) {
  Installation installation;
  installation.CentralModel = kPelvan;
  installation.Capacities = capacitiesOf(kPelvan);
  installation.TransparentFunctions[3].Parameters = {7, 0};
  WriteInstallation(installation);
  const std::string image = "--json --now 2026-12-06T14:05 image " + nbt();
  const nlohmann::json plain = Json(image);
  ASSERT_EQ(21u, plain["sections"].size());
  int total = 0;
  for (const auto& section : plain["sections"]) total += section["send_count"].get<int>();
  EXPECT_EQ(total, plain["image_total"]);
  EXPECT_EQ("00 00 00 00 00 00 07", plain["sections"][2]["send"]);
  EXPECT_EQ(0, plain["sections"][18]["build_count"]) << "no clock file, no section 18";

  WriteClock({{0, {.year = 2026, .month = 12, .day = 1, .hour = 7}}}, kPelvan);
  const nlohmann::json withClock = Json(image + " --clk " + clk() + " --timeset");
  EXPECT_EQ(662, withClock["sections"][18]["send_count"]);
  EXPECT_EQ("0E 05 06 0C 00 1A 01", withClock["sections"][18]["send"].get<std::string>().substr(3 * 655))
      << "14:05:00 on Sunday 6-12-26";
  EXPECT_EQ(plain["image_total"].get<int>() + 662, withClock["image_total"]);

  EXPECT_EQ(2, Run(image + " --timeset").exitCode) << "--timeset needs --clk";
  test::writeBytes(clk(), {'X', 'Y', 'Z'});
  EXPECT_NE(std::string::npos, Run(image + " --clk " + clk()).err.find("NO KVB Clock file!"));
  test::writeBytes(nbt(), {'Q', 'Z', 'Z', 60});
  EXPECT_NE(std::string::npos, Run(image).err.find("No VANTREL file!"));
}

// The frames and the central's answers are the comm tests'; here the command
// line: a port that does not open is refused with the system's text.
TEST_F(Cli, OnlineRefusesAPortThatDoesNotOpen) {
  setenv("XDG_CONFIG_HOME", dir.root().c_str(), 1);
  const CliRun noPort = Run("--json online --port " + dir.path("no-such-device") + " get-relay 1");
  EXPECT_EQ(noPort.exitCode, 1);
  EXPECT_EQ(nlohmann::json::parse(noPort.out)["result"], -1);
  EXPECT_NE(noPort.err.find("Communication problem"), std::string::npos);
}

}  // namespace
}  // namespace ordalis
