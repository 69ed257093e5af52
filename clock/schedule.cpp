// Forward stepping from a line's moment through the shown week.
#include "clock/schedule.h"

#include "clock/line_moment.h"

namespace ordalis {

using namespace std::chrono;

namespace {

bool IsWorkday(LocalTime moment, const WorkdayFlags& workdays) {
  return workdays[WeekdayIndex(floor<days>(moment))] == 1;
}

bool RepeatsDaily(const ClockLine& line) {
  return line.Table == kWorkdayTable || line.Table == kWeekendTable;
}

// One forward step (k counts from 1), or nullopt when the stepping stops.
std::optional<LocalTime> StepForward(const ClockLine& line, LocalTime m, int k) {
  if (RepeatsDaily(line)) return m + days{1};
  const int count = line.RepeatCount;
  switch (line.RepeatUnit) {
    case kRepeatMinutes:
      if (k > kMaxMinuteSteps) return std::nullopt;
      return m + minutes{count};
    case kRepeatHours:
      return m + hours{count};
    case kRepeatDays:
    case kRepeatWorkdays:
    case kRepeatWeekendDays:
      return m + days{count};
    case kRepeatWeeks:
      return m + days{7 * count};
    case kRepeatMonths:
      return AddMonths(m, count);
    default:  // once, and any unknown unit
      return std::nullopt;
  }
}

bool IsShown(const ClockLine& line, LocalTime m, const WorkdayFlags& workdays) {
  if (line.Table == kWorkdayTable || line.RepeatUnit == kRepeatWorkdays)
    return IsWorkday(m, workdays);
  if (line.Table == kWeekendTable || line.RepeatUnit == kRepeatWeekendDays)
    return !IsWorkday(m, workdays);
  return true;
}

}  // namespace

int DayOffset(LocalTime weekStart, LocalTime moment) {
  return static_cast<int>((floor<days>(moment) - floor<days>(weekStart)).count());
}

void ScheduleLine(const ClockLine& line, LocalTime weekStart, const WorkdayFlags& workdays,
                  LineSchedule& result) {
  result.own.reset();
  result.occurrences.clear();
  if (!line.inUse()) return;

  const LocalTime m0 = LineMoment(line);
  const int ownOffset = DayOffset(weekStart, m0);
  if (ownOffset >= 0 && ownOffset < 7) result.own = m0;

  const bool mondayOnly = line.RepeatUnit == kRepeatMinutes || line.RepeatUnit == kRepeatHours;
  LocalTime m = m0;
  for (int k = 1; k <= kMaxScheduleSteps; ++k) {
    std::optional<LocalTime> next = StepForward(line, m, k);
    if (!next) break;
    m = *next;
    const int offset = DayOffset(weekStart, m);
    if (offset >= 7) break;
    if (mondayOnly && offset >= 1) break;
    if (offset < 0) continue;
    if (IsShown(line, m, workdays)) result.occurrences.push_back(m);
  }
}

LineSchedule ScheduleLine(const ClockLine& line, LocalTime weekStart,
                          const WorkdayFlags& workdays) {
  LineSchedule result;
  ScheduleLine(line, weekStart, workdays, result);
  return result;
}

}  // namespace ordalis
