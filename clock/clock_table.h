// Operations on the one clock table of 100 lines: placing a line in a day
// row, finding a free line, and clearing the table.
#pragma once

#include <array>
#include <optional>

#include "clock/clock_line.h"

namespace ordalis {

// Names of the five tables by table code (continue, workday, weekend,
// simulation, special): long form and the short form of the tool bar.
constexpr std::array<int, kClockTableCount> kTableLongTextIds = {1003, 1005, 1006, 1007, 1004};
constexpr std::array<int, kClockTableCount> kTableShortTextIds = {983, 984, 985, 986, 987};

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
