// Forward stepping from a line's moment through the shown week.
#include "clock/schedule.h"

#include "clock/line_moment.h"

namespace ordalis {

using namespace std::chrono;

namespace {

// One forward step (k counts from 1), or nullopt when the stepping stops:
// the shared step rules with the week view's cap on minute steps.
std::optional<LocalTime> StepForward(const ClockLine& line, LocalTime m, int k) {
  if (!RepeatsDaily(line) && line.RepeatUnit == kRepeatMinutes && k > kMaxMinuteSteps) return std::nullopt;
  return NextOccurrence(line, m);
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
    if (ActsAt(line, m, workdays)) result.occurrences.push_back(m);
  }
}

LineSchedule ScheduleLine(const ClockLine& line, LocalTime weekStart,
                          const WorkdayFlags& workdays) {
  LineSchedule result;
  ScheduleLine(line, weekStart, workdays, result);
  return result;
}

}  // namespace ordalis
