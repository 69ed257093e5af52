// The editor's pictures, date window and stored reference dates.
#include <gtest/gtest.h>

#include "editor/clk_edit_rules.h"
#include "support/line_builder.h"

namespace ordalis {
namespace {

using test::At;
using std::chrono::local_days;

local_days Day(int year, int month, int day) { return std::chrono::floor<std::chrono::days>(At(year, month, day)); }

TEST(FunctionPictures, TypesWithoutALevelHideTheLevelBox) {
  struct Case {
    int type, picture;
  } cases[] = {{21, 6}, {22, 6}, {23, 6}, {27, 6}, {24, 9}, {25, 8}, {26, 7},
               {32, 5}, {49, 5}, {54, 4}, {10, 1}};
  for (const Case& c : cases) {
    const FunctionPictureRule rule = PictureForFunction(c.type, 0);
    EXPECT_EQ(rule.picture, c.picture) << "type " << c.type;
    EXPECT_FALSE(rule.levelShown) << "type " << c.type;
  }
}

TEST(FunctionPictures, OtherTypesShowOnOrOffByTheirLevel) {
  EXPECT_EQ(PictureForFunction(1, 255).picture, kPictureOn);
  EXPECT_EQ(PictureForFunction(1, 0).picture, kPictureOff);
  EXPECT_EQ(PictureForFunction(2, 3).picture, kPictureOn);
  EXPECT_EQ(PictureForFunction(200, 0).picture, kPictureOff);
  EXPECT_TRUE(PictureForFunction(2, 0).levelShown);
  EXPECT_TRUE(PictureForFunction(28, 0).levelShown);
  EXPECT_TRUE(PictureForFunction(50, 0).levelShown);
}

TEST(ReferenceDateWindow, RunsFromThirtyWeeksBackToFortyWeeksAhead) {
  const LocalTime now = At(2026, 3, 10, 10, 15);
  const DateWindow window = ReferenceDateWindow(now, At(2026, 3, 11, 7, 30));
  EXPECT_EQ(window.earliest, now - std::chrono::weeks{30});
  EXPECT_EQ(window.latest, now + std::chrono::weeks{40});
}

TEST(ReferenceDateWindow, WidensToHoldALineDatedOutsideIt) {
  const LocalTime now = At(2026, 3, 10, 10, 15);
  EXPECT_EQ(ReferenceDateWindow(now, At(2020, 1, 6, 8, 0)).earliest, At(2020, 1, 6, 8, 0));
  EXPECT_EQ(ReferenceDateWindow(now, At(2028, 5, 1, 8, 0)).latest, At(2028, 5, 1, 8, 0));
}

// The date OK stores: the reference date moved back by whole repeat
// intervals until it is no later than this week's Monday (Tuesday 10 March
// 2026: Monday 9 March), and for the workday and weekend tables the Sunday
// before this week.
TEST(OkReferenceDate, MovesBackByWholeIntervalsBeforeThisWeeksMonday) {
  const LocalTime tuesday = At(2026, 3, 10, 10, 15);
  const struct {
    LocalTime value;
    int table, unit, count;
    LocalTime now;
    local_days stored;
  } cases[] = {
      {At(2026, 3, 11, 7, 30), kContinueTable, kRepeatDays, 2, tuesday, Day(2026, 3, 7)},
      {At(2026, 3, 11, 7, 30), kSpecialTable, kRepeatOnce, 2, tuesday, Day(2026, 3, 11)},
      {At(2026, 3, 11, 7, 30), kSimulationTable, -1, 2, tuesday, Day(2026, 3, 11)},
      {At(2026, 3, 2, 9, 0), kContinueTable, kRepeatWeeks, 1, tuesday, Day(2026, 3, 2)},
      {At(2026, 3, 9, 0, 0), kContinueTable, kRepeatHours, 5, tuesday, Day(2026, 3, 9)},
      {At(2026, 4, 1, 6, 0), kContinueTable, kRepeatWeeks, 2, tuesday, Day(2026, 3, 4)},
      // 31 May back by months: 30 April, 30 March, 28 February.
      {At(2026, 5, 31, 6, 0), kContinueTable, kRepeatMonths, 1, tuesday, Day(2026, 2, 28)},
      {At(2026, 3, 9, 0, 50), kSimulationTable, kRepeatMinutes, 15, tuesday, Day(2026, 3, 8)},
      {At(2026, 6, 1, 7, 0), kWorkdayTable, kRepeatDays, 3, tuesday, Day(2026, 3, 8)},
      {At(2026, 6, 1, 7, 0), kWeekendTable, kRepeatDays, 3, tuesday, Day(2026, 3, 8)},
      // on a Sunday, the Sunday a week before
      {At(2026, 3, 1), kWorkdayTable, kRepeatDays, 1, At(2026, 3, 15, 20, 0), Day(2026, 3, 8)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(OkReferenceDate(c.value, c.table, c.unit, c.count, c.now), c.stored)
        << "table " << c.table << ", unit " << c.unit << ", count " << c.count;
}

}  // namespace
}  // namespace ordalis
