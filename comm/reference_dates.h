// Bringing the reference dates of the clock lines up to the present before
// a transfer, so the central unit starts every repeating line from its last
// occurrence rather than from a date long past.
#pragma once

#include "base/clock_source.h"
#include "clock/clock_line.h"

namespace ordalis {

// For every used line, in index order:
//  - workday and weekend lines get yesterday's date;
//  - a repeating line gets the date of its last occurrence at or before
//    `now` (stepping by whole RepeatCount units; minutes, hours, days, weeks
//    or calendar months);
//  - a line that repeats once only, or with RepeatCount 0, keeps its date.
// Hour and Minute change only for minute and hour repeats whose period does
// not divide a day: those lines take the whole moment of their last occurrence.
void BringReferenceDatesUpToDate(ClockLineArray& table, LocalTime now);

}  // namespace ordalis
