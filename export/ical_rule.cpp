// The RRULE of a clock line.
#include "export/ical_rule.h"

#include <array>

#include "clock/line_moment.h"

namespace ordalis {

using namespace std::chrono;

namespace {

constexpr std::array<const char*, 7> kWeekdayCodes = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};
constexpr unsigned kLastDayOfEveryMonth = 28;

struct Stepping {
  const char* frequency = nullptr;  // nullptr: the line does not step
  int interval = 1;
};

Stepping SteppingOf(const ClockLine& line) {
  if (line.Table == kWorkdayTable || line.Table == kWeekendTable) return {"DAILY", 1};
  const int count = line.RepeatCount;
  if (count == 0) return {};
  switch (line.RepeatUnit) {
    case kRepeatMinutes: return {"MINUTELY", count};
    case kRepeatHours: return {"HOURLY", count};
    case kRepeatDays:
    case kRepeatWorkdays:
    case kRepeatWeekendDays: return {"DAILY", count};
    case kRepeatWeeks: return {"WEEKLY", count};
    case kRepeatMonths: return {"MONTHLY", count};
    default: return {};
  }
}

// The weekdays (Monday first) on which a step acts.
std::array<bool, 7> ActingWeekdays(const ClockLine& line, const WorkdayFlags& workdays) {
  std::array<bool, 7> acting{};
  const bool workdaysOnly = line.Table == kWorkdayTable || line.RepeatUnit == kRepeatWorkdays;
  const bool weekendOnly = !workdaysOnly && (line.Table == kWeekendTable || line.RepeatUnit == kRepeatWeekendDays);
  for (size_t d = 0; d < 7; ++d) {
    const bool workday = workdays[d] == 1;
    acting[d] = workdaysOnly ? workday : weekendOnly ? !workday : true;
  }
  return acting;
}

}  // namespace

Recurrence RecurrenceOf(const ClockLine& line, const WorkdayFlags& workdays) {
  const Stepping stepping = SteppingOf(line);
  if (!stepping.frequency) return {};
  if (stepping.frequency == std::string_view("MONTHLY") &&
      year_month_day{floor<days>(LineMoment(line))}.day() > day{kLastDayOfEveryMonth})
    return {Recurrence::kListedDates, {}};

  std::string byDay;
  int actingDays = 0;
  const std::array<bool, 7> acting = ActingWeekdays(line, workdays);
  for (size_t d = 0; d < 7; ++d) {
    if (!acting[d]) continue;
    byDay += byDay.empty() ? "" : ",";
    byDay += kWeekdayCodes[d];
    ++actingDays;
  }
  if (actingDays == 0) return {};

  std::string rule = std::string("FREQ=") + stepping.frequency;
  if (stepping.interval != 1) rule += ";INTERVAL=" + std::to_string(stepping.interval);
  if (actingDays < 7) rule += ";BYDAY=" + byDay;
  return {Recurrence::kRule, rule};
}

}  // namespace ordalis
