// Reference dates brought up to the present before a transfer.
#include <gtest/gtest.h>

#include "clock/line_moment.h"
#include "comm/reference_dates.h"

namespace ordalis {
namespace {

// Thursday 12 March 2026, 10:30.
const LocalTime kThursday = makeLocalTime(2026, 3, 12, 10, 30);

ClockLine lineAt(int year, unsigned month, unsigned day, int hour, int minute, uint8_t table, uint8_t unit,
                 uint8_t count) {
  ClockLine line;
  line.Year = static_cast<uint8_t>(year % 100);
  line.Month = static_cast<uint8_t>(month);
  line.Day = static_cast<uint8_t>(day);
  line.Hour = static_cast<uint8_t>(hour);
  line.Minute = static_cast<uint8_t>(minute);
  line.Table = table;
  line.RepeatUnit = unit;
  line.RepeatCount = count;
  line.FunctionHigh = 1;
  return line;
}

LocalTime updated(const ClockLine& line, LocalTime now = kThursday) {
  ClockLineArray table{};
  table[7] = line;
  BringReferenceDatesUpToDate(table, now);
  return LineMoment(table[7]);
}

TEST(ReferenceDates, AWeeklyLineFromThreeMondaysBackGetsThisWeeksMonday) {
  ClockLine weekly = lineAt(2026, 2, 16, 8, 0, kContinueTable, kRepeatWeeks, 1);
  EXPECT_EQ(updated(weekly), makeLocalTime(2026, 3, 9, 8, 0));
}

TEST(ReferenceDates, AWorkdayLineGetsYesterdayWhateverItsDate) {
  ClockLine workday = lineAt(2031, 12, 25, 6, 45, kWorkdayTable, kRepeatOnce, 0);
  EXPECT_EQ(updated(workday), makeLocalTime(2026, 3, 11, 6, 45));
  ClockLine weekend = lineAt(1999, 1, 1, 23, 0, kWeekendTable, kRepeatDays, 1);
  EXPECT_EQ(updated(weekend), makeLocalTime(2026, 3, 11, 23, 0));
}

TEST(ReferenceDates, ALineInTheFutureMovesBackToItsLastOccurrence) {
  ClockLine daily = lineAt(2026, 3, 20, 7, 0, kSimulationTable, kRepeatDays, 2);
  EXPECT_EQ(updated(daily), makeLocalTime(2026, 3, 12, 7, 0));
}

TEST(ReferenceDates, AnOccurrenceLaterTodayIsNotTakenButTheOneBefore) {
  ClockLine daily = lineAt(2026, 3, 1, 11, 0, kContinueTable, kRepeatDays, 1);
  EXPECT_EQ(updated(daily), makeLocalTime(2026, 3, 11, 11, 0));
}

TEST(ReferenceDates, AnOccurrenceExactlyNowIsKept) {
  ClockLine hourly = lineAt(2026, 3, 10, 10, 30, kContinueTable, kRepeatHours, 6);
  EXPECT_EQ(updated(hourly), makeLocalTime(2026, 3, 12, 10, 30));
}

TEST(ReferenceDates, MinuteRepeatsOnlyChangeTheDateNotTheTime) {
  ClockLine everyQuarter = lineAt(2025, 6, 1, 9, 5, kContinueTable, kRepeatMinutes, 15);
  ClockLineArray table{};
  table[0] = everyQuarter;
  BringReferenceDatesUpToDate(table, kThursday);
  EXPECT_EQ(table[0].Hour, 9);
  EXPECT_EQ(table[0].Minute, 5);
  EXPECT_EQ(table[0].Day, 12);  // 10:20 today is its last occurrence
  EXPECT_EQ(table[0].Month, 3);
}

TEST(ReferenceDates, MonthlyLinesStepByCalendarMonthsAndStayClipped) {
  ClockLine monthly = lineAt(2025, 1, 31, 8, 0, kSpecialTable, kRepeatMonths, 1);
  // 31 Jan -> 28 Feb -> 28 Mar (after now) -> back to 28 Feb.
  EXPECT_EQ(updated(monthly), makeLocalTime(2026, 2, 28, 8, 0));
}

TEST(ReferenceDates, ARepeatingLineWithCountZeroIsLeftUnchanged) {
  ClockLine stuck = lineAt(2020, 4, 1, 12, 0, kContinueTable, kRepeatDays, 0);
  EXPECT_EQ(updated(stuck), makeLocalTime(2020, 4, 1, 12, 0));
  ClockLine stuckMonthly = lineAt(2020, 4, 1, 12, 0, kContinueTable, kRepeatMonths, 0);
  EXPECT_EQ(updated(stuckMonthly), makeLocalTime(2020, 4, 1, 12, 0));
}

}  // namespace
}  // namespace ordalis
