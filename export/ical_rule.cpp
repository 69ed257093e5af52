// The RRULE of a clock line, from the step rules the schedule steps by.
#include "export/ical_rule.h"

#include <array>

#include "clock/line_moment.h"
#include "clock/step_rules.h"

namespace ordalis {

using namespace std::chrono;

namespace {

constexpr std::array<const char*, 7> kWeekdayCodes = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};
constexpr unsigned kLastDayOfEveryMonth = 28;
constexpr minutes kWeek = days{7};

// The weekdays (Monday first) on which a step acts, and their BYDAY list.
std::string ActingWeekdays(const ClockLine& line, const WorkdayFlags& workdays, int& count) {
  const LocalTime aMonday = makeLocalTime(2024, 1, 1);
  std::string byDay;
  count = 0;
  for (int d = 0; d < 7; ++d) {
    if (!ActsAt(line, aMonday + days{d}, workdays)) continue;
    byDay += byDay.empty() ? "" : ",";
    byDay += kWeekdayCodes[static_cast<size_t>(d)];
    ++count;
  }
  return byDay;
}

// FREQ and INTERVAL of a fixed step. A step that acts on some weekdays only
// steps whole days, and stays DAILY: BYDAY limits a daily rule but would add
// days to a weekly one.
std::string FrequencyOf(minutes step, bool everyWeekday) {
  auto rule = [](const char* frequency, long interval) {
    return std::string("FREQ=") + frequency + (interval == 1 ? "" : ";INTERVAL=" + std::to_string(interval));
  };
  if (everyWeekday && step % kWeek == minutes{0}) return rule("WEEKLY", step / kWeek);
  if (step % days{1} == minutes{0}) return rule("DAILY", step / days{1});
  if (step % hours{1} == minutes{0}) return rule("HOURLY", step / hours{1});
  return rule("MINUTELY", step.count());
}

}  // namespace

Recurrence RecurrenceOf(const ClockLine& line, const WorkdayFlags& workdays) {
  const std::optional<minutes> step = FixedStep(line);
  const bool monthly = !step && line.RepeatUnit == kRepeatMonths && line.RepeatCount > 0;
  if (monthly && year_month_day{floor<days>(LineMoment(line))}.day() > day{kLastDayOfEveryMonth})
    return {Recurrence::kListedDates, {}};
  if (!monthly && (!step || *step <= minutes{0})) return {};

  int actingDays = 0;
  const std::string byDay = ActingWeekdays(line, workdays, actingDays);
  if (actingDays == 0) return {};
  std::string rule = monthly ? "FREQ=MONTHLY" + (line.RepeatCount == 1 ? std::string()
                                                                      : ";INTERVAL=" + std::to_string(line.RepeatCount))
                             : FrequencyOf(*step, actingDays == 7);
  if (actingDays < 7) rule += ";BYDAY=" + byDay;
  return {Recurrence::kRule, rule};
}

}  // namespace ordalis
