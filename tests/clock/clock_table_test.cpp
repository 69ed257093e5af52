// The clock table: moments, placement in a day row, free lines, clearing.
#include <gtest/gtest.h>

#include "clock/clock_table.h"
#include "clock/line_moment.h"
#include "installation/model_capacities.h"
#include "support/line_builder.h"

namespace ordalis {
namespace {

TEST(LineMoment, TwoDigitYearsUseTheFixedCenturyWindowAndFieldsOutOfRangeRollOver) {
  EXPECT_EQ(2029, FullYear(29));
  EXPECT_EQ(1930, FullYear(30));
  // 31 February lies in March; month 13 is January of the next year; day 0
  // is the last day of the month before.
  EXPECT_EQ(makeLocalTime(2023, 3, 3), LineMoment(test::MakeLine({23, 2, 31, 0, 0})));
  EXPECT_EQ(makeLocalTime(2024, 1, 1), LineMoment(test::MakeLine({23, 13, 1, 0, 0})));
  EXPECT_EQ(makeLocalTime(2022, 12, 31), LineMoment(test::MakeLine({23, 1, 0, 0, 0})));
  EXPECT_EQ(makeLocalTime(2023, 1, 2, 1, 0), LineMoment(test::MakeLine({23, 1, 1, 24, 60})));
}

TEST(HorizontalPosition, PlacesMidnightAtTwentyAndRoundsThirdsOfAMinute) {
  EXPECT_EQ(20, HorizontalPosition(0, 0));
  EXPECT_EQ(20, HorizontalPosition(0, 1));   // 20.33
  EXPECT_EQ(21, HorizontalPosition(0, 2));   // 20.67
  EXPECT_EQ(260, HorizontalPosition(12, 0));
  EXPECT_EQ(500, HorizontalPosition(23, 59));  // 480 + 20 + 19.67
}

// The lowest line whose FunctionHigh is zero, never at or above the model's
// capacity; a full table has none.
TEST(FindFreeLine, TakesTheLowestFreeLineBelowTheModelsCapacity) {
  ClockLineArray table{};
  table[0].FunctionHigh = 1;
  table[2].FunctionLow = 7;  // a function number alone does not make a line used
  EXPECT_EQ(1, FindFreeLine(table, 100));
  for (int i = 0; i < 50; ++i) table[static_cast<size_t>(i)].FunctionHigh = 1;
  EXPECT_EQ(std::nullopt, FindFreeLine(table, capacitiesOf(kPelvan).MaxClockLines));
  EXPECT_EQ(50, FindFreeLine(table, capacitiesOf(kVordane).MaxClockLines));
  for (ClockLine& line : table) line.FunctionHigh = 3;
  EXPECT_EQ(std::nullopt, FindFreeLine(table, 100));
}

TEST(ClearClockTable, FreesEveryLineButKeepsMomentTableAndLinks) {
  ClockLineArray table{};
  for (size_t i = 0; i < table.size(); ++i)
    table[i] = lineFromBytes(std::array<uint8_t, 13>{uint8_t(i), 2, 3, 4, 5, 4, 6, 7, 8, 9, 10, 11, 12}.data());
  ClearClockTable(table);
  for (size_t i = 0; i < table.size(); ++i)
    EXPECT_EQ((std::array<uint8_t, 13>{uint8_t(i), 2, 3, 4, 5, 4, 0, 0, 0, 0, 0, 11, 12}), lineBytes(table[i])) << i;
  EXPECT_EQ(0, LinesInUse(table));
}

}  // namespace
}  // namespace ordalis
