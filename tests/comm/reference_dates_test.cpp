// Reference dates brought up to the present before a transfer, so that a line
// keeps firing when the week view shows it; and the whole-image receive,
// which replaces the installation's names only when asked.
#include <gtest/gtest.h>

#include "clock/line_moment.h"
#include "comm/reference_dates.h"
#include "comm/transfer_flows.h"
#include "support/line_builder.h"
#include "support/scripted_prompts.h"

namespace ordalis {
namespace {

using test::At;
using test::LineSpec;

TEST(ReferenceDates, EachLineMovesToItsLastOccurrenceUpToNow) {
  const LocalTime thursday = At(2026, 3, 12, 10, 30);
  const struct {
    LineSpec line;
    LocalTime expected;
  } cases[] = {
      // a weekly line from three Mondays back gets this week's Monday
      {{2026, 2, 16, 8, 0, kContinueTable, kRepeatWeeks, 1}, At(2026, 3, 9, 8, 0)},
      // workday and weekend lines get yesterday whatever their date
      {{2031, 12, 25, 6, 45, kWorkdayTable, kRepeatOnce, 0}, At(2026, 3, 11, 6, 45)},
      {{1999, 1, 1, 23, 0, kWeekendTable, kRepeatDays, 1}, At(2026, 3, 11, 23, 0)},
      // a line in the future moves back
      {{2026, 3, 20, 7, 0, kSimulationTable, kRepeatDays, 2}, At(2026, 3, 12, 7, 0)},
      // an occurrence later today is not taken but the one before; one exactly now is
      {{2026, 3, 1, 11, 0, kContinueTable, kRepeatDays, 1}, At(2026, 3, 11, 11, 0)},
      {{2026, 3, 10, 10, 30, kContinueTable, kRepeatHours, 6}, At(2026, 3, 12, 10, 30)},
      // minute repeats change the date only (10:20 today is the last firing)
      {{2025, 6, 1, 9, 5, kContinueTable, kRepeatMinutes, 15}, At(2026, 3, 12, 9, 5)},
      // 31 Jan -> 28 Feb -> 28 Mar (after now) -> back to 28 Feb: months stay clipped
      {{2025, 1, 31, 8, 0, kSpecialTable, kRepeatMonths, 1}, At(2026, 2, 28, 8, 0)},
      // a repeating line with count zero is left unchanged
      {{2020, 4, 1, 12, 0, kContinueTable, kRepeatDays, 0}, At(2020, 4, 1, 12, 0)},
      {{2020, 4, 1, 12, 0, kContinueTable, kRepeatMonths, 0}, At(2020, 4, 1, 12, 0)},
      // a period that does not divide a day moves to its last firing, time included
      {{2026, 3, 9, 7, 0, kContinueTable, kRepeatHours, 5}, At(2026, 3, 12, 10, 0)},     // 75 hours on
      {{2026, 3, 9, 7, 0, kContinueTable, kRepeatMinutes, 7}, At(2026, 3, 12, 10, 29)},  // 647 x 7 minutes
      {{2026, 3, 9, 7, 0, kContinueTable, kRepeatHours, 6}, At(2026, 3, 12, 7, 0)},
      {{2026, 3, 9, 7, 0, kContinueTable, kRepeatMinutes, 90}, At(2026, 3, 12, 7, 0)},
  };
  int row = 0;
  for (const auto& c : cases) {
    ClockLineArray table{};
    table[7] = test::MakeLine(c.line);
    BringReferenceDatesUpToDate(table, thursday);
    EXPECT_EQ(LineMoment(table[7]), c.expected) << "row " << row++;
  }
}

TEST(WholeImageReceive, AsksBeforeNamesAreReplacedAndOnlyYesGoesOn) {
  Texts texts;
  test::ScriptedPrompts prompts;
  prompts.answers = {Answer::Cancel, Answer::Yes};
  EXPECT_FALSE(ConfirmWholeImageReceive(texts, prompts));
  EXPECT_TRUE(ConfirmWholeImageReceive(texts, prompts));
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[0].buttons, MessageButtons::YesCancel);
  EXPECT_NE(prompts.shown[0].text.find("numbered names"), std::string::npos);
}

}  // namespace
}  // namespace ordalis
