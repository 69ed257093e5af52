// Stepping rules of a clock line: step length by table and unit, and the
// workday test of an occurrence.
#include "clock/step_rules.h"

#include "clock/line_moment.h"

namespace ordalis {

using namespace std::chrono;

bool IsWorkday(LocalTime moment, const WorkdayFlags& workdays) {
  return workdays[static_cast<size_t>(WeekdayIndex(floor<days>(moment)))] == 1;
}

bool RepeatsDaily(const ClockLine& line) {
  return line.Table == kWorkdayTable || line.Table == kWeekendTable;
}

std::optional<minutes> FixedStep(const ClockLine& line) {
  if (RepeatsDaily(line)) return days{1};
  const int count = line.RepeatCount;
  switch (line.RepeatUnit) {
    case kRepeatMinutes:
      return minutes{count};
    case kRepeatHours:
      return hours{count};
    case kRepeatDays:
    case kRepeatWorkdays:
    case kRepeatWeekendDays:
      return days{count};
    case kRepeatWeeks:
      return days{7 * count};
    default:  // months, once, and any unknown unit
      return std::nullopt;
  }
}

std::optional<LocalTime> NextOccurrence(const ClockLine& line, LocalTime m) {
  if (std::optional<minutes> step = FixedStep(line)) return m + *step;
  if (line.RepeatUnit == kRepeatMonths) return AddMonths(m, line.RepeatCount);
  return std::nullopt;
}

bool ActsAt(const ClockLine& line, LocalTime m, const WorkdayFlags& workdays) {
  if (line.Table == kWorkdayTable || line.RepeatUnit == kRepeatWorkdays) return IsWorkday(m, workdays);
  if (line.Table == kWeekendTable || line.RepeatUnit == kRepeatWeekendDays) return !IsWorkday(m, workdays);
  return true;
}

}  // namespace ordalis
