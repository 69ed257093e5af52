// Normalisation of reference dates before the week view is drawn.
#include "week/check_dates.h"

#include <gtest/gtest.h>

#include "clock/line_moment.h"
#include "support/line_builder.h"

namespace ordalis {
namespace {

using namespace std::chrono;
using test::At;
using test::LineSpec;
using test::MakeLine;

const LocalTime kNow = At(2025, 3, 12, 10);  // Wednesday; the week's Monday is 10 March

struct Date {
  int year, month, day;
  friend bool operator==(const Date&, const Date&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Date& d) {
    return os << d.year << "-" << d.month << "-" << d.day;
  }
};

Date DateOf(const ClockLine& line) { return {FullYear(line.Year), line.Month, line.Day}; }

Date Normalised(const LineSpec& spec, LocalTime now = kNow) {
  ClockLineArray table{};
  table[7] = MakeLine(spec);
  CheckDates(table, now);
  return DateOf(table[7]);
}

// The plain step-by-step loop, one repeat interval at a time, as a reference.
LocalTime StepBackOneByOne(LocalTime moment, LocalTime limit, int unit, int count) {
  while (moment > limit) {
    if (unit == kRepeatMonths) {
      const local_days date = floor<days>(moment);
      const year_month_day ymd{date};
      const year_month target = ymd.year() / ymd.month() - months{count};
      const auto last = (target / std::chrono::last).day();
      moment = local_days{target / std::min(ymd.day(), last)} + (moment - date);
    } else {
      const int perUnit[] = {0, 1, 60, 1440, 7 * 1440, 0, 1440, 1440};
      moment -= minutes{perUnit[unit] * count};
    }
  }
  return moment;
}

// Every unit moves back by whole intervals, months clipped on the way back
// (from 31 July, June gives 30 March, not 31), exactly as the step-by-step loop.
TEST(CheckDates, EveryUnitGivesExactlyTheStepByStepResultAlsoYearsAhead) {
  const struct {
    LineSpec spec;
    LocalTime limit = At(2025, 3, 10);
  } cases[] = {
      {{.year = 2029, .month = 12, .day = 31, .hour = 23, .minute = 59, .unit = kRepeatMinutes, .count = 1}},
      {{.year = 2029, .month = 6, .day = 1, .hour = 12, .unit = kRepeatMinutes, .count = 250}},
      {{.year = 2028, .month = 2, .day = 29, .hour = 5, .unit = kRepeatHours, .count = 7}},
      {{.year = 2025, .month = 3, .day = 11, .hour = 3, .unit = kRepeatHours, .count = 5}},
      {{.year = 2029, .month = 1, .day = 1, .unit = kRepeatDays, .count = 255}},
      {{.year = 2025, .month = 4, .day = 1, .unit = kRepeatWeeks, .count = 2}},
      {{.year = 2029, .month = 1, .day = 31, .hour = 8, .unit = kRepeatMonths, .count = 1}},
      {{.year = 2029, .month = 8, .day = 31, .unit = kRepeatMonths, .count = 7}},
      {{.year = 2028, .month = 2, .day = 29, .unit = kRepeatMonths, .count = 12}},
      {{.year = 2026, .month = 3, .day = 10, .unit = kRepeatMonths, .count = 12}},
      {{.year = 2025, .month = 3, .day = 31, .hour = 1, .unit = kRepeatMonths, .count = 3}},
      {{.year = 2025, .month = 7, .day = 31, .unit = kRepeatMonths, .count = 1}, At(2025, 3, 31)},
      {{.year = 2025, .month = 3, .day = 14, .unit = kRepeatWorkdays, .count = 3}},
      {{.year = 2025, .month = 3, .day = 16, .unit = kRepeatWeekendDays, .count = 5}},
  };
  for (const auto& c : cases) {
    ClockLine line = MakeLine(c.spec);
    const LocalTime expected = StepBackOneByOne(LineMoment(line), c.limit, c.spec.unit, c.spec.count);
    MoveBackToWeek(line, c.limit);
    EXPECT_EQ(floor<days>(expected), LineDate(line)) << c.spec.year << "-" << c.spec.month << "-"
                                                       << c.spec.day << " unit " << int(c.spec.unit);
  }
  EXPECT_EQ((Date{2025, 3, 30}), Normalised({.year = 2025, .month = 7, .day = 31, .unit = kRepeatMonths, .count = 1},
                                            At(2025, 4, 2)));
}

}  // namespace
}  // namespace ordalis
