// Every moment at which the lines of a clock table act over a range of dates:
// the schedule rules of the week view without its display limits (no cap on
// steps, minute and hour repeats on every day). A pure computation; it
// changes nothing.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/clock_source.h"
#include "clock/clock_line.h"
#include "clock/schedule.h"

namespace ordalis {

// Which of the five tables take part, indexed by ClockTableCode.
using TableSelection = std::array<bool, kClockTableCount>;
inline constexpr TableSelection kAllTables{true, true, true, true, true};

// One moment at which one line acts.
struct Firing {
  LocalTime moment;
  int line = 0;           // index of the line in the clock table (0-based)
  uint8_t table = 0;      // ClockTableCode of the line
  uint16_t function = 0;  // FunctionHigh << 8 | FunctionLow
  uint8_t level = 0;      // the line's level byte

  bool operator==(const Firing&) const = default;
};

// The firings of lines [0, lineCount) of the selected tables in [from, to),
// in time order (ties by line index). A line's own moment is a firing; a
// repeating line with a count of 0 fires once, at its own moment. Ranges
// longer than ten years are cut to ten years from `from`.
std::vector<Firing> ExpandFirings(const ClockLineArray& lines, int lineCount, LocalTime from, LocalTime to,
                                  const TableSelection& tables, const WorkdayFlags& workdays);

}  // namespace ordalis
