// Section 18: the clock table in the central unit's layout, its links, the
// level bytes and the time setting.
#include <gtest/gtest.h>

#include "clock/levels.h"
#include "image/clock_section.h"
#include "support/line_builder.h"

namespace ordalis {
namespace {

// A line at 07:45 on 31 December 2026, every two days.
ClockLine usedLine(uint8_t table, uint8_t type, uint8_t number, uint8_t level) {
  return test::MakeLine({2026, 12, 31, 7, 45, table, kRepeatDays, 2, type, number, level});
}

// Builds section 18 and hands its built bytes back as if the central unit
// had sent them.
MemoryImage builtAndReceived(ClockLineArray& table, int lines) {
  MemoryImage image;
  BuildClockSection(image, table, lines, std::nullopt);
  image.block(kClockSection)->Receive.Data = image.block(kClockSection)->Build.Data;
  return image;
}

TEST(ClockSection, WritesEachFieldOfALineInItsPart) {
  ClockLineArray table{};
  table[3] = usedLine(kWeekendTable, 5, 12, 40);
  MemoryImage image;
  BuildClockSection(image, table, 50, std::nullopt);
  const ImageArea& build = image.block(kClockSection)->Build;
  EXPECT_EQ(662, build.Count);
  // the moment's seven bytes, then repeat unit, count, type, number, level and
  // next line each in its own part, and the table's first line
  const std::pair<int, int> bytes[] = {{21, 7},           {22, 45},          {23, 31},         {24, 12},
                                       {25, 0},           {26, 26},          {27, kWeekendTable}, {353, kRepeatDays},
                                       {403, 2},          {453, 5},          {503, 12},        {553, 40},
                                       {603, kEndOfList}, {650 + kWeekendTable, 3}};
  for (const auto& [at, value] : bytes) EXPECT_EQ(value, build.Data[at]) << "byte " << at;
}

// The level byte each kind of function sends, and the level that byte
// brings back.
TEST(ClockSectionLevels, EachKindSendsItsOwnLevelByteAndGetsItsLevelBack) {
  const struct {
    uint8_t type, level, sent, back;
  } cases[] = {
      {1, 255, 1, 255}, {8, 1, 1, 255},  // no level travels as 1, and 1 comes back as no level
      {1, 0, 0, 0},     {5, 200, 200, 200},
      {2, 127, 50, 127}, {2, 255, 100, 255}, {2, 3, 105, 3},  // a dimmer's level travels in per cent
      {2, 128, 0, 0},  // outside the per-cent table
      {kButtonType, 3, 3, 3}, {kButtonType, 8, 8, 8}, {kBuzzerType, 1, 1, 1}, {kBuzzerType, 5, 5, 5},
  };
  for (const auto& c : cases) {
    ClockLineArray table{};
    table[0] = usedLine(0, c.type, 4, c.level);
    MemoryImage image = builtAndReceived(table, 100);
    EXPECT_EQ(c.sent, image.block(kClockSection)->Build.Data[clockSectionLayout(100).level(0)])
        << int{c.type} << " " << int{c.level};
    ClockLineArray back{};
    DecodeClockSection(image, back, 100);
    EXPECT_EQ(c.back, back[0].Level) << int{c.type} << " " << int{c.level};
  }
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
  const std::pair<int, int> first[] = {{kWorkdayTable, 2}, {kContinueTable, 4}, {kSpecialTable, kEndOfList}};
  for (const auto& [t, line] : first) EXPECT_EQ(line, table[t].FirstLine) << "table " << t;
  const std::pair<int, int> next[] = {{2, 5}, {5, 9}, {9, kEndOfList}, {4, kEndOfList}, {6, kNotLinked}, {7, kNotLinked}};
  for (const auto& [i, line] : next) EXPECT_EQ(line, table[i].NextLine) << "line " << i;
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

// Every byte of a line, and a table's list head, names that line alone; the time setting none.
TEST(ClockSectionDifferences, EachByteNamesItsOwnLine) {
  const ClockSectionLayout at = clockSectionLayout(20);
  const std::vector<uint8_t> sent(static_cast<size_t>(at.length()), 0);
  for (int offset = 0; offset < at.length(); ++offset) {
    std::vector<uint8_t> back = sent;
    back[static_cast<size_t>(offset)] = 1;
    const int line = offset < at.firstLine(0) ? (offset < at.repeatUnit(0) ? offset / kClockMomentBytes : offset % 20)
                                              : offset - at.firstLine(0);
    const std::vector<int> named = ClockSectionLinesDiffering(sent, back, 20);
    EXPECT_EQ(named, offset < at.timeSetting() ? std::vector<int>{line} : std::vector<int>{}) << "byte " << offset;
  }
}

}  // namespace
}  // namespace ordalis
