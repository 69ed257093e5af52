// Before a transfer a line keeps firing when the week view shows it, and the
// whole-image receive replaces the installation's names only when asked.
#include <gtest/gtest.h>

#include "clock/line_moment.h"
#include "comm/reference_dates.h"
#include "comm/transfer_flows.h"
#include "support/scripted_prompts.h"

namespace ordalis {
namespace {

ClockLine RepeatingFrom(LocalTime moment, uint8_t unit, uint8_t count) {
  ClockLine line;
  line.FunctionHigh = 1;
  line.Table = kContinueTable;
  line.RepeatUnit = unit;
  line.RepeatCount = count;
  SetLineDate(line, std::chrono::floor<std::chrono::days>(moment));
  line.Hour = 7;
  return line;
}

TEST(ReferenceMoments, APeriodThatDoesNotDivideADayMovesToItsLastFiringAndOthersKeepTheirTime) {
  const LocalTime monday = makeLocalTime(2026, 3, 9, 7, 0);
  const LocalTime now = makeLocalTime(2026, 3, 12, 10, 30);
  struct Case {
    uint8_t unit, count;
    LocalTime expected;
  };
  const Case cases[] = {
      {kRepeatHours, 5, makeLocalTime(2026, 3, 12, 10, 0)},     // 75 hours on
      {kRepeatMinutes, 7, makeLocalTime(2026, 3, 12, 10, 29)},  // 647 x 7 minutes on
      {kRepeatHours, 6, makeLocalTime(2026, 3, 12, 7, 0)},      // divides a day: date only
      {kRepeatMinutes, 90, makeLocalTime(2026, 3, 12, 7, 0)},
  };
  for (const Case& c : cases) {
    ClockLineArray table{};
    table[0] = RepeatingFrom(monday, c.unit, c.count);
    BringReferenceDatesUpToDate(table, now);
    EXPECT_EQ(LineMoment(table[0]), c.expected) << int{c.unit} << " x " << int{c.count};
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
