// The text layer of the exports: folding, escaping, CSV quoting, and the
// repeat rules whose weekdays come from the installation's flags.
#include <gtest/gtest.h>

#include <random>

#include "export/csv_export.h"
#include "export/ical_rule.h"
#include "export/ical_text.h"
#include "support/line_builder.h"

using namespace ordalis;
using ordalis::test::MakeLine;

namespace {

// Random text of one- to four-octet UTF-8 characters.
std::string RandomUtf8(std::mt19937& random, int characters) {
  static const char* const kPieces[] = {"a", "Z", " ", ":", "é", "ß", "€", "字", "🙂"};
  std::string text;
  for (int i = 0; i < characters; ++i) text += kPieces[random() % std::size(kPieces)];
  return text;
}

}  // namespace

TEST(ICalendarText, FoldedLinesUnfoldToTheLineAndNeverCutACharacter) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    const std::string line = "DESCRIPTION:" + RandomUtf8(random, static_cast<int>(random() % 200));
    const std::string folded = FoldedLine(line);
    ASSERT_EQ(folded.substr(folded.size() - 2), "\r\n");
    std::string unfolded;
    size_t start = 0;
    for (size_t end; (end = folded.find("\r\n", start)) != std::string::npos; start = end + 2) {
      std::string piece = folded.substr(start, end - start);
      EXPECT_LE(piece.size(), 75u) << line;
      if (start > 0) {
        ASSERT_EQ(piece[0], ' ');
        piece.erase(0, 1);
      }
      EXPECT_NE(static_cast<unsigned char>(piece[0]) & 0xC0, 0x80) << "a piece starts inside a character";
      unfolded += piece;
    }
    EXPECT_EQ(unfolded, line);
  }
}

TEST(ICalendarText, EscapesWhatTextValuesReserveAndDropsControls) {
  EXPECT_EQ(EscapeText("Hall, stairs; cellar\\attic\nnight"), "Hall\\, stairs\\; cellar\\\\attic\\nnight");
  EXPECT_EQ(EscapeText(std::string("a\x01\rb\tc\x7f", 7)), "ab\tc");
}

TEST(CsvText, QuotesOnlyFieldsThatNeedItAndDoublesQuotes) {
  EXPECT_EQ(CsvRecord({"1", "Hall light", "55 %"}), "1,Hall light,55 %\r\n");
  EXPECT_EQ(CsvRecord({"a,b", "say \"on\"", "two\nlines", ""}), "\"a,b\",\"say \"\"on\"\"\",\"two\nlines\",\r\n");
}

TEST(ICalendarRule, WeekdaysFollowTheInstallationsFlags) {
  const WorkdayFlags everyDayWorks{1, 1, 1, 1, 1, 1, 1};
  const WorkdayFlags tuesdayToSaturday{0, 1, 1, 1, 1, 1, 0};
  const ClockLine workday = MakeLine({2027, 3, 1, 7, 0, kWorkdayTable});
  const ClockLine weekend = MakeLine({2027, 3, 1, 7, 0, kWeekendTable});
  const ClockLine everyOtherWorkday = MakeLine({2027, 3, 1, 7, 0, kContinueTable, kRepeatWorkdays, 2});
  EXPECT_EQ(RecurrenceOf(workday, everyDayWorks).rule, "FREQ=DAILY");
  EXPECT_EQ(RecurrenceOf(weekend, everyDayWorks).kind, Recurrence::kOwnMomentOnly);
  EXPECT_EQ(RecurrenceOf(weekend, tuesdayToSaturday).rule, "FREQ=DAILY;BYDAY=MO,SU");
  EXPECT_EQ(RecurrenceOf(everyOtherWorkday, tuesdayToSaturday).rule, "FREQ=DAILY;INTERVAL=2;BYDAY=TU,WE,TH,FR,SA");
}
