// When a line acts in a shown week: own moment and forward stepping.
#include "clock/schedule.h"

#include <gtest/gtest.h>

#include "support/line_builder.h"

namespace ordalis {
namespace {

using test::At;
using test::LineSpec;
using test::MakeLine;

const LocalTime kWeek = At(2025, 3, 10);  // Monday 10 March 2025
const WorkdayFlags kMondayToFriday{1, 1, 1, 1, 1, 0, 0};

std::vector<LocalTime> Daily(int firstDay, int lastDay, int hour) {
  std::vector<LocalTime> moments;
  for (int day = firstDay; day <= lastDay; ++day) moments.push_back(At(2025, 3, day, hour));
  return moments;
}

// Lines shown in the week of Monday 10 March 2025 with Monday to Friday as
// workdays: their own moment when it falls in the week, and the moments
// stepped forward from it (day, week and month steps of every table are held
// against the firings by the week tests; these are the cases they leave out).
TEST(Schedule, ShowsTheOwnMomentAndTheStepsInTheWeek) {
  const struct {
    const char* what;
    LineSpec line;
    std::optional<LocalTime> own;
    std::vector<LocalTime> occurrences;
  } cases[] = {
      {"a workday line dated Saturday", {.year = 2025, .month = 3, .day = 15, .hour = 9, .table = kWorkdayTable},
       At(2025, 3, 15, 9), {}},
      {"once", {.year = 2025, .month = 3, .day = 12, .hour = 20}, At(2025, 3, 12, 20), {}},
      {"free", {.year = 2025, .month = 3, .day = 12, .hour = 20, .functionHigh = 0}, std::nullopt, {}},
      {"hourly from Tuesday", {.year = 2025, .month = 3, .day = 11, .hour = 1, .unit = kRepeatHours, .count = 1},
       At(2025, 3, 11, 1), {}},
      {"daily from 300 days back", {.year = 2024, .month = 5, .day = 14, .hour = 7, .unit = kRepeatDays, .count = 1},
       std::nullopt, {}},
      {"daily from 249 days back: steps 249 and 250",
       {.year = 2024, .month = 7, .day = 4, .hour = 7, .unit = kRepeatDays, .count = 1}, std::nullopt,
       Daily(10, 11, 7)},
      {"an unknown unit counts as once", {.year = 2025, .month = 3, .day = 10, .hour = 7, .unit = 9, .count = 1},
       At(2025, 3, 10, 7), {}},
  };
  for (const auto& c : cases) {
    const LineSchedule schedule = ScheduleLine(MakeLine(c.line), kWeek, kMondayToFriday);
    EXPECT_EQ(c.own, schedule.own) << c.what;
    EXPECT_EQ(c.occurrences, schedule.occurrences) << c.what;
  }
  // Wednesday marked 2 (not 1) counts as a weekend day; Sunday marked 1 is a workday.
  const auto weekend = MakeLine(
      {.year = 2025, .month = 3, .day = 9, .hour = 10, .table = kWeekendTable, .unit = kRepeatWeeks, .count = 3});
  EXPECT_EQ((std::vector<LocalTime>{At(2025, 3, 12, 10), At(2025, 3, 15, 10)}),
            ScheduleLine(weekend, kWeek, {1, 1, 2, 1, 1, 0, 1}).occurrences);
}

TEST(Schedule, MonthlyFromThirtyFirstJanuaryStaysClippedToTheTwentyNinth) {
  auto line = MakeLine({.year = 2024, .month = 1, .day = 31, .hour = 12, .unit = kRepeatMonths, .count = 1});
  // Week of Monday 26 February 2024: 29 February.
  EXPECT_EQ((std::vector<LocalTime>{At(2024, 2, 29, 12)}),
            ScheduleLine(line, At(2024, 2, 26), kMondayToFriday).occurrences);
  // Week of Monday 25 March 2024: the 29th, not the 31st.
  EXPECT_EQ((std::vector<LocalTime>{At(2024, 3, 29, 12)}),
            ScheduleLine(line, At(2024, 3, 25), kMondayToFriday).occurrences);
  // A year later, in a common year, still the 28th of February then the 28th.
  auto common = MakeLine({.year = 2025, .month = 1, .day = 31, .unit = kRepeatMonths, .count = 1});
  EXPECT_EQ((std::vector<LocalTime>{At(2025, 4, 28)}),
            ScheduleLine(common, At(2025, 4, 28), kMondayToFriday).occurrences);
}

// Minute steps stop after 25, day steps after 250, also a repeat by zero that
// lands on the same moment each time.
TEST(Schedule, StepsStopAtTheirBound) {
  auto quarter = MakeLine({.year = 2025, .month = 3, .day = 10, .hour = 8, .unit = kRepeatMinutes, .count = 15});
  LineSchedule schedule = ScheduleLine(quarter, kWeek, kMondayToFriday);
  EXPECT_EQ(At(2025, 3, 10, 8), schedule.own);
  ASSERT_EQ(25u, schedule.occurrences.size());
  EXPECT_EQ(At(2025, 3, 10, 14, 15), schedule.occurrences.back());
  auto daily = MakeLine({.year = 2025, .month = 3, .day = 10, .hour = 7, .unit = kRepeatDays, .count = 0});
  schedule = ScheduleLine(daily, kWeek, kMondayToFriday);
  EXPECT_EQ(250u, schedule.occurrences.size());
  EXPECT_EQ(At(2025, 3, 10, 7), schedule.occurrences.back());
  auto minutes = MakeLine({.year = 2025, .month = 3, .day = 10, .hour = 7, .unit = kRepeatMinutes, .count = 0});
  EXPECT_EQ(25u, ScheduleLine(minutes, kWeek, kMondayToFriday).occurrences.size());
}

}  // namespace
}  // namespace ordalis
