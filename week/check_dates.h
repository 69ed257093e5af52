// Normalisation of the lines' reference dates before the week view is drawn:
// workday and weekend lines are dated on the Sunday before the current week,
// repeating lines are moved back by whole repeat intervals to at most the
// current week's Monday, so that forward stepping reaches every shown week.
// It changes stored dates (and is saved with the file) but not ClocksChanged.
#pragma once

#include <vector>

#include "base/clock_source.h"
#include "clock/clock_line.h"

namespace ordalis {

// Moves the moment of a repeating line back by RepeatCount units of its
// RepeatUnit while it is later than currentMonday, then stores only the date
// of the result (Hour and Minute keep their values). The result is the one
// the step-by-step loop gives, months clipped step by step included, but it
// is computed directly, so a line dated years ahead costs no more than one
// dated last week. A line that does not repeat, repeats by 0 units or has an
// unknown unit is left unchanged.
void MoveBackToWeek(ClockLine& line, LocalTime currentMonday);

// CheckDates for every line in use, relative to the week of `now`. Returns the
// indices of the lines whose stored date changed.
std::vector<int> CheckDates(ClockLineArray& table, LocalTime now);

}  // namespace ordalis
