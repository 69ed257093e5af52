// Writing the iCalendar file.
#include "export/ical_export.h"

#include <cctype>
#include <cstdio>
#include <map>

#include "base/trimmed.h"
#include "clock/line_moment.h"
#include "export/ical_rule.h"
#include "export/ical_text.h"
#include "export/line_words.h"

namespace ordalis {

using namespace std::chrono;

namespace {

// "YYYYMMDDTHHMMSS", the DATE-TIME form without a zone.
std::string DateTimeValue(local_seconds moment) {
  const local_days date = floor<days>(moment);
  const year_month_day ymd{date};
  const hh_mm_ss time{moment - date};
  char text[24];
  std::snprintf(text, sizeof text, "%04d%02u%02uT%02d%02d%02d", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                static_cast<int>(time.seconds().count()));
  return text;
}

// The clock file's base name in the characters a UID keeps everywhere.
std::string UidBase(const std::string& fileName) {
  std::string base = fileName.substr(fileName.find_last_of("/\\") + 1);
  for (char& c : base)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') c = '_';
  return base.empty() ? "clocks" : base;
}

std::string RdateLine(const std::vector<LocalTime>& moments) {
  std::string line = "RDATE:";
  for (size_t i = 0; i < moments.size(); ++i) line += (i ? "," : "") + DateTimeValue(moments[i]);
  return line;
}

class EventWriter {
 public:
  EventWriter(const ExportInput& input, std::string stamp) : m_input(input), m_stamp(std::move(stamp)) {}

  // The VEVENT of one line; `listed` are its firings in the range.
  std::string Event(int index, const std::vector<LocalTime>& listed) const {
    const ClockLine& line = m_input.lines[static_cast<size_t>(index)];
    const LineWords words = WordsOfLine(m_input, index);
    const LocalTime own = LineMoment(line);
    char number[8];
    std::snprintf(number, sizeof number, "%02d", index);
    std::string event = FoldedLine("BEGIN:VEVENT");
    event += FoldedLine("UID:line-" + std::string(number) + "." + UidBase(m_input.clockFileName) + "@ordalis");
    event += FoldedLine("DTSTAMP:" + m_stamp);
    event += FoldedLine("DTSTART:" + DateTimeValue(own));
    event += FoldedLine("SUMMARY:" + EscapeText(Trimmed(words.panelFunction)));
    event += FoldedLine("DESCRIPTION:" + EscapeText(words.panelFunction + "\n" + words.panelMoment));
    event += FoldedLine("CATEGORIES:" + EscapeText(words.table));
    event += RepeatLines(line, own, listed);
    event += FoldedLine("END:VEVENT");
    return event;
  }

 private:
  std::string RepeatLines(const ClockLine& line, LocalTime own, const std::vector<LocalTime>& listed) const {
    const Recurrence recurrence = RecurrenceOf(line, m_input.workdays);
    if (recurrence.kind == Recurrence::kRule) return FoldedLine("RRULE:" + recurrence.rule);
    if (recurrence.kind != Recurrence::kListedDates) return {};
    std::vector<LocalTime> others;
    for (LocalTime moment : listed)
      if (moment != own) others.push_back(moment);
    return others.empty() ? std::string() : FoldedLine(RdateLine(others));
  }

  const ExportInput& m_input;
  std::string m_stamp;
};

}  // namespace

std::string WriteICalendar(const ExportInput& input, const ExportRange& range, sys_seconds stamp) {
  const std::map<int, std::vector<LocalTime>> firingsOf = FiringsByLine(input, range);

  const EventWriter writer(input, DateTimeValue(local_seconds{stamp.time_since_epoch()}) + "Z");
  std::string file = FoldedLine("BEGIN:VCALENDAR");
  file += FoldedLine("VERSION:2.0");
  file += FoldedLine("PRODID:-//Ordalis//Clock tables//EN");
  file += FoldedLine("CALSCALE:GREGORIAN");
  for (int index : ExportedLines(input, range, firingsOf)) {
    const auto found = firingsOf.find(index);
    file += writer.Event(index, found == firingsOf.end() ? std::vector<LocalTime>{} : found->second);
  }
  file += FoldedLine("END:VCALENDAR");
  return file;
}

}  // namespace ordalis
