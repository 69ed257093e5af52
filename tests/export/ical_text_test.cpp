// The text layer of the exports: folding, escaping, CSV quoting, the repeat
// rules whose weekdays come from the installation's flags, and the events of
// a small table's calendar.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "export/csv_export.h"
#include "export/ical_export.h"
#include "export/ical_rule.h"
#include "export/ical_text.h"
#include "support/line_builder.h"

using namespace ordalis;
using ordalis::test::MakeLine;
using testing::HasSubstr;

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

// Every line in use is an event, the range not limiting the lines; a line
// from the 29th lists its clipped months but its own, another has its rule.
TEST(ICalendarFile, EventsAreClosedAndNamedByLineAndFileWithTheirRuleOrListedDates) {
  ClockLineArray lines{};
  lines[0] = MakeLine({2026, 6, 1, 9, 0});
  lines[3] = MakeLine({2027, 1, 29, 8, 0, kContinueTable, kRepeatMonths, 1});
  lines[5] = MakeLine({2027, 1, 15, 7, 0, kContinueTable, kRepeatMonths, 2});
  Texts texts;
  texts.FillTextTables();
  const CatalogueTexts hallLight{[](uint8_t, uint8_t) { return "Hall light"; }, {}};  // no level: a trailing space
  const ExportInput input{lines, kClockTableLines, {}, texts, hallLight, "/srv/villa west.clk"};
  const ExportRange range{test::At(2027, 1, 1), test::At(2027, 5, 1)};
  const std::string ics = WriteICalendar(input, range, {});
  auto count = [&ics](const std::string& piece) {
    size_t n = 0;
    for (size_t at = ics.find(piece); at != std::string::npos; at = ics.find(piece, at + 1)) ++n;
    return n;
  };
  for (const char* line : {"BEGIN:VEVENT", "END:VEVENT", "SUMMARY:Hall light"})
    EXPECT_EQ(count(line + std::string("\r\n")), 3u) << line;
  for (const char* line : {"UID:line-00.villa_west.clk@ordalis", "UID:line-03.villa_west.clk@ordalis",
                           "RDATE:20270228T080000,20270328T080000,20270428T080000", "RRULE:FREQ=MONTHLY;INTERVAL=2"})
    EXPECT_THAT(ics, HasSubstr(line + std::string("\r\n")));
  EXPECT_THAT(WriteLinesCsv(input, range), HasSubstr(",2027-01-29,08:00,"));
}
