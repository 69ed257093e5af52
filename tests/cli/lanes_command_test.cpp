// ordalis-cli lanes on files made by our own code: the states carried into
// the week from firings before it, near and far, and a bad week refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "clock/clock_file.h"
#include "installation/installation.h"
#include "support/cli_run.h"
#include "support/line_builder.h"
#include "support/temp_dir.h"
#include "tools/fixtures/installation_file_builder.h"

namespace ordalis {
namespace {

TEST(LanesCommand, CarriesInTheLastStateWithinTenYearsAndRefusesABadWeek) {
  if (!std::filesystem::exists(test::CliPath())) GTEST_SKIP() << "ordalis-cli is not built";
  test::TempDir dir;
  test::writeBytes(dir.path("home.nbt"), fixtures::BuildInstallationFile(Installation{}));
  ClockFileContent content;
  // Relay 1: on since last Friday, off every day at 22:00 from Tuesday on.
  content.lines[0] = test::MakeLine({.year = 2025, .month = 3, .day = 7, .hour = 18});
  content.lines[1] = test::MakeLine({.year = 2025, .month = 3, .day = 11, .hour = 22, .unit = kRepeatDays, .count = 1, .level = 0});
  // Relay 2 switched off two years ago, relay 3 on eleven years ago.
  content.lines[2] = test::MakeLine({.year = 2023, .month = 1, .day = 5, .functionLow = 2, .level = 0});
  content.lines[3] = test::MakeLine({.year = 2014, .month = 1, .day = 5, .functionLow = 3});
  test::writeBytes(dir.path("home.clk"), EncodeClockFile(content));
  const std::string files = dir.path("home.clk") + " --nbt " + dir.path("home.nbt");

  const test::CliRun run = test::RunCli("--json lanes " + files + " --week 2025-03-12", dir.root().string());
  ASSERT_EQ(0, run.exitCode) << run.err;
  const nlohmann::json lanes = nlohmann::json::parse(run.out)["lanes"];
  ASSERT_EQ(3u, lanes.size());
  EXPECT_EQ("relay", lanes[0]["kind"]);
  EXPECT_EQ(nlohmann::json({{"state", "on"}}), lanes[0]["carried_in"]);
  EXPECT_EQ(6u, lanes[0]["changes"].size());
  EXPECT_EQ("2025-03-11T22:00", lanes[0]["intervals"][1]["from"]);
  EXPECT_EQ(nlohmann::json({{"state", "off"}}), lanes[1]["carried_in"]);
  EXPECT_EQ(nlohmann::json({{"state", "unknown"}}), lanes[2]["carried_in"]);

  EXPECT_EQ(2, test::RunCli("lanes " + files + " --week 2025-02-30", dir.root().string()).exitCode);
}

}  // namespace
}  // namespace ordalis
