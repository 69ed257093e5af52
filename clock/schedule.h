// When a clock line acts in one shown week: its own moment and the further
// occurrences that its repeat rule and its table produce. A pure computation
// over one line, the week start and the installation's workday flags; it
// changes nothing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/clock_source.h"
#include "clock/clock_line.h"
#include "clock/step_rules.h"

namespace ordalis {

// At most this many forward steps per line, and this many for minute repeats.
constexpr int kMaxScheduleSteps = 250;
constexpr int kMaxMinuteSteps = 25;

struct LineSchedule {
  // The line's own moment when it lies in the shown week.
  std::optional<LocalTime> own;
  // The further moments at which the line acts in the shown week, in the
  // order the forward stepping finds them (each with day offset 0-6).
  std::vector<LocalTime> occurrences;
};

// Calendar days from the week start's date to the moment's date (0-6 inside
// the shown week).
int DayOffset(LocalTime weekStart, LocalTime moment);

// The schedule of one line for the week that starts at weekStart (a Monday,
// 00:00). A free line has an empty schedule.
LineSchedule ScheduleLine(const ClockLine& line, LocalTime weekStart, const WorkdayFlags& workdays);

// The same into an existing result, so a caller that runs it for every line
// reuses one buffer.
void ScheduleLine(const ClockLine& line, LocalTime weekStart, const WorkdayFlags& workdays,
                  LineSchedule& result);

}  // namespace ordalis
