// The demo clock file: every table has lines, and every line switches a
// function that the demo house has.
#include <gtest/gtest.h>

#include <set>

#include "installation/output_numbering.h"
#include "tools/fixtures/demo_clock.h"
#include "tools/fixtures/demo_installation.h"

namespace ordalis {
namespace {

TEST(DemoClockFile, IsAValidClockFileOfModelZero) {
  const std::vector<uint8_t> bytes = EncodeClockFile(fixtures::DemoClockFile());
  const ClockFileDecoded decoded = DecodeClockFile(bytes);
  EXPECT_TRUE(decoded.magicOk);
  EXPECT_TRUE(decoded.trailerOk);
  EXPECT_EQ(decoded.content.model, 0);
}

TEST(DemoClockFile, HasLinesInAllFiveTables) {
  std::set<int> tables;
  int used = 0;
  for (const ClockLine& line : fixtures::DemoClockFile().lines)
    if (line.inUse()) {
      tables.insert(line.Table);
      ++used;
    }
  EXPECT_EQ(tables, (std::set<int>{0, 1, 2, 3, 4}));
  EXPECT_GE(used, 12);
}

TEST(DemoClockFile, EveryLineSwitchesANamedFunctionOfTheDemoHouse) {
  const Installation house = fixtures::DemoInstallation();
  for (const ClockLine& line : fixtures::DemoClockFile().lines) {
    if (!line.inUse()) continue;
    const int n = line.FunctionLow;
    NameText name;
    switch (line.FunctionHigh) {
      case 1: name = RelayName(house, n); break;
      case 2: name = DimmerName(house, n); break;
      case 5: name = house.TimedFunctions[n].Name; break;
      case 8: name = house.LocalMoods[n].Name; break;
      case 9: name = house.TimedLocalMoods[n].Name; break;
      case 10: name = house.GeneralMoods[n].Name; break;
      case 15: name = house.Flags[n].Name; break;
      case 24: name = house.Sensors[n - 1].Name; break;
      case 36: name = house.AudioZones[n - 1].Name; break;
      default: ADD_FAILURE() << "unexpected type " << int(line.FunctionHigh);
    }
    EXPECT_FALSE(name.isBlank()) << int(line.FunctionHigh) << " " << n;
    EXPECT_TRUE(line.Hour < 24 && line.Minute < 60 && line.Day >= 1 && line.Month >= 1 && line.Month <= 12);
  }
}

}  // namespace
}  // namespace ordalis
