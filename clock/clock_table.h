// Operations on the one clock table of 100 lines: placing a line in a day
// row, finding a free line, and clearing the table.
#pragma once

#include <optional>

#include "clock/clock_line.h"

namespace ordalis {

// Left edge, in pixels, of a moment at hour:minute in a day row of the week
// view: 20 + 20 x hour + minute / 3, rounded to the nearest pixel.
int HorizontalPosition(int hour, int minute);
inline int HorizontalPosition(const ClockLine& line) {
  return HorizontalPosition(line.Hour, line.Minute);
}

// The lowest free line (FunctionHigh 0) below maxClockLines, or nullopt when
// every line the model allows is in use. Lines at or above the capacity are
// never offered, free or not.
std::optional<int> FindFreeLine(const ClockLineArray& table, int maxClockLines);

// Frees every line: RepeatUnit, RepeatCount, FunctionHigh, FunctionLow and
// Level become 0. The moment, the table number and the link bytes keep their
// old values (they mean nothing on a free line), so whoever takes a line
// later must set all of its fields. ClocksChanged is the caller's business.
void ClearClockTable(ClockLineArray& table);

// Number of lines in use.
int LinesInUse(const ClockLineArray& table);

}  // namespace ordalis
