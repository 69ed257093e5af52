// Section 18: the clock table in the central unit's layout, its links, the
// level bytes and the time setting.
#include <gtest/gtest.h>

#include "image/clock_section.h"

namespace ordalis {
namespace {

ClockLine usedLine(uint8_t table, uint8_t type, uint8_t number, uint8_t level) {
  ClockLine line;
  line.Hour = 7;
  line.Minute = 45;
  line.Day = 31;
  line.Month = 12;
  line.Year = 26;
  line.Table = table;
  line.RepeatUnit = kRepeatDays;
  line.RepeatCount = 2;
  line.FunctionHigh = type;
  line.FunctionLow = number;
  line.Level = level;
  return line;
}

// Builds section 18 and hands its built bytes back as if the central unit
// had sent them.
MemoryImage builtAndReceived(ClockLineArray& table, int lines) {
  MemoryImage image;
  BuildClockSection(image, table, lines, std::nullopt);
  image.block(kClockSection)->Receive.Data = image.block(kClockSection)->Build.Data;
  return image;
}

uint8_t sentLevel(const ClockLine& line) {
  ClockLineArray table{};
  table[0] = line;
  MemoryImage image;
  BuildClockSection(image, table, 100, std::nullopt);
  return image.block(kClockSection)->Build.Data[clockSectionLayout(100).level(0)];
}

uint8_t levelAfterRoundTrip(const ClockLine& line) {
  ClockLineArray table{};
  table[0] = line;
  MemoryImage image = builtAndReceived(table, 100);
  ClockLineArray back{};
  DecodeClockSection(image, back, 100);
  return back[0].Level;
}

TEST(ClockSection, WritesEachFieldOfALineInItsPart) {
  ClockLineArray table{};
  table[3] = usedLine(kWeekendTable, 5, 12, 40);
  MemoryImage image;
  BuildClockSection(image, table, 50, std::nullopt);
  const ImageArea& build = image.block(kClockSection)->Build;
  EXPECT_EQ(662, build.Count);
  const std::array<uint8_t, 7> moment{7, 45, 31, 12, 0, 26, kWeekendTable};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(moment[k], build.Data[21 + k]) << "moment byte " << k;
  EXPECT_EQ(kRepeatDays, build.Data[350 + 3]);
  EXPECT_EQ(2, build.Data[400 + 3]);
  EXPECT_EQ(5, build.Data[450 + 3]);
  EXPECT_EQ(12, build.Data[500 + 3]);
  EXPECT_EQ(40, build.Data[550 + 3]);
  EXPECT_EQ(kEndOfList, build.Data[600 + 3]);
  EXPECT_EQ(3, build.Data[650 + kWeekendTable]);
}

TEST(ClockSectionLevels, NoLevelTravelsAsOneAndOneComesBackAsNoLevel) {
  EXPECT_EQ(1, sentLevel(usedLine(0, 1, 4, 255)));
  EXPECT_EQ(255, levelAfterRoundTrip(usedLine(0, 1, 4, 255)));
  EXPECT_EQ(1, sentLevel(usedLine(0, 8, 4, 1)));
  EXPECT_EQ(255, levelAfterRoundTrip(usedLine(0, 8, 4, 1)));
  EXPECT_EQ(0, levelAfterRoundTrip(usedLine(0, 1, 4, 0)));
  EXPECT_EQ(200, levelAfterRoundTrip(usedLine(0, 5, 4, 200)));
}

TEST(ClockSectionLevels, ADimmerLevelTravelsInPerCent) {
  EXPECT_EQ(50, sentLevel(usedLine(0, 2, 4, 127)));
  EXPECT_EQ(127, levelAfterRoundTrip(usedLine(0, 2, 4, 127)));
  EXPECT_EQ(100, sentLevel(usedLine(0, 2, 4, 255)));
  EXPECT_EQ(255, levelAfterRoundTrip(usedLine(0, 2, 4, 255)));
  EXPECT_EQ(105, sentLevel(usedLine(0, 2, 4, 3)));
  EXPECT_EQ(3, levelAfterRoundTrip(usedLine(0, 2, 4, 3)));
}

TEST(ClockSectionLevels, ADimmerLevelOutsideThePercentTableIsSentAsZero) {
  EXPECT_EQ(0, sentLevel(usedLine(0, 2, 4, 128)));
  EXPECT_EQ(0, levelAfterRoundTrip(usedLine(0, 2, 4, 128)));
  EXPECT_EQ(255, LevelFromByte(2, 102)) << "101 to 104 per cent is full";
  EXPECT_EQ(3, LevelFromByte(2, 200)) << "105 per cent and more is uncoupled";
}

TEST(ClockLinking, LinesJoinTheirTablesListInIndexOrder) {
  ClockLineArray table{};
  table[2] = usedLine(kWorkdayTable, 1, 1, 255);
  table[4] = usedLine(kContinueTable, 1, 1, 255);
  table[5] = usedLine(kWorkdayTable, 1, 1, 255);
  table[6] = usedLine(kWorkdayTable, 0, 1, 255);  // free: not linked
  table[7] = usedLine(9, 1, 1, 255);              // no such table: not linked
  table[9] = usedLine(kWorkdayTable, 1, 1, 255);
  LinkClockTables(table, 100);
  EXPECT_EQ(2, table[kWorkdayTable].FirstLine);
  EXPECT_EQ(5, table[2].NextLine);
  EXPECT_EQ(9, table[5].NextLine);
  EXPECT_EQ(kEndOfList, table[9].NextLine);
  EXPECT_EQ(4, table[kContinueTable].FirstLine);
  EXPECT_EQ(kEndOfList, table[4].NextLine);
  EXPECT_EQ(kNotLinked, table[6].NextLine);
  EXPECT_EQ(kNotLinked, table[7].NextLine);
  EXPECT_EQ(kEndOfList, table[kSpecialTable].FirstLine);
  EXPECT_EQ(kEndOfList, table[9].FirstLine) << "FirstLine only means something in lines 0 to 4";
}

TEST(ClockLinking, LinesBeyondTheCapacityAreNeitherLinkedNorSent) {
  ClockLineArray table{};
  table[10] = usedLine(kSimulationTable, 1, 1, 255);
  table[60] = usedLine(kSimulationTable, 1, 1, 255);
  table[60].NextLine = 33;
  MemoryImage image;
  BuildClockSection(image, table, 50, std::nullopt);
  EXPECT_EQ(kEndOfList, table[10].NextLine);
  EXPECT_EQ(33, table[60].NextLine);
  EXPECT_EQ(662, image.block(kClockSection)->Build.Count);
  EXPECT_EQ(0, image.block(kClockSection)->Build.Data[662]);
}

TEST(ClockSectionDecoding, RestoresEveryLineBelowTheCapacityAndKeepsTheRest) {
  ClockLineArray table{};
  table[0] = usedLine(kSpecialTable, 10, 3, 7);
  table[1] = usedLine(kSpecialTable, 2, 9, 255);
  table[2] = usedLine(kContinueTable, 0, 0, 0);  // a free line with leftovers
  table[49] = usedLine(kContinueTable, 54, 1, 1);
  MemoryImage image = builtAndReceived(table, 50);

  ClockLineArray back{};
  back[50] = usedLine(kWorkdayTable, 1, 1, 1);
  back[99].NextLine = 77;
  DecodeClockSection(image, back, 50);
  table[49].Level = 255;  // level 1 comes back as "no level"
  for (int i = 0; i < 50; ++i) {
    // FirstLine travels only for lines 0 to 4; the others keep theirs.
    if (i >= kClockTableCount) {
      EXPECT_EQ(0, back[i].FirstLine) << "line " << i;
      back[i].FirstLine = table[i].FirstLine;
    }
    EXPECT_EQ(lineBytes(table[i]), lineBytes(back[i])) << "line " << i;
  }
  EXPECT_EQ(kEndOfList, back[kWorkdayTable].FirstLine);
  EXPECT_EQ(0, back[2].FunctionHigh);
  EXPECT_EQ(45, back[2].Minute) << "a free line's leftovers come back too";
  EXPECT_EQ(1, back[50].FunctionLow);
  EXPECT_EQ(kWorkdayTable, back[50].Table);
  EXPECT_EQ(77, back[99].NextLine);
}

}  // namespace
}  // namespace ordalis
