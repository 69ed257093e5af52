// The rules by which a clock line steps from one occurrence to the next, and
// whether an occurrence acts on its day. The week view's schedule and the
// firings of a date range both step by these rules; only their limits differ.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

#include "base/clock_source.h"
#include "clock/clock_line.h"

namespace ordalis {

// Monday first; a flag of 1 marks a workday, any other value a weekend day.
using WorkdayFlags = std::array<uint8_t, 7>;

bool IsWorkday(LocalTime moment, const WorkdayFlags& workdays);

// Lines of the workday and weekend tables step one day at a time, whatever
// their unit and count say.
bool RepeatsDaily(const ClockLine& line);

// The length of one step when it is fixed (minutes, hours, days, weeks,
// workdays, weekend days, and the daily tables); nullopt for calendar months
// and for lines that do not step (once, an unknown unit).
std::optional<std::chrono::minutes> FixedStep(const ClockLine& line);

// The occurrence one step after m, or nullopt when the line does not step.
// A count of 0 gives m itself.
std::optional<LocalTime> NextOccurrence(const ClockLine& line, LocalTime m);

// Whether an occurrence at m acts: lines of the workday table and workday
// repeats act on workdays only, lines of the weekend table and weekend-day
// repeats on the other days, all other lines always. (A line's own moment
// acts whatever this says.)
bool ActsAt(const ClockLine& line, LocalTime m, const WorkdayFlags& workdays);

}  // namespace ordalis
