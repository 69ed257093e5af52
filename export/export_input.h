// What every export reads: the clock table with the installation's capacity
// and workdays, the texts that word a line, the clock file's name, and the
// range of dates an export covers.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "base/clock_source.h"
#include "base/texts.h"
#include "clock/clock_line.h"
#include "clock/schedule.h"
#include "week/clock_parts.h"
#include "week/selection_panel.h"

namespace ordalis {

struct ExportInput {
  const ClockLineArray& lines;
  int lineCount = kClockTableLines;  // lines at or above the model's capacity are never exported
  WorkdayFlags workdays{};
  const Texts& texts;
  CatalogueTexts catalogue;    // function names and level texts, as the panel words them
  std::string clockFileName;   // names the calendar entries; may be empty
};

// The input of the program's own clock table; `parts` must outlive it.
ExportInput ExportInputOf(const ClockParts& parts);

// [from, to) of the firings an export lists. When `limitsLines` is set (the
// user asked for these dates) a line that does not fire in it is left out.
struct ExportRange {
  LocalTime from;
  LocalTime to;
  bool limitsLines = false;
};

// The same day a year later (28 February after a 29 February).
std::chrono::local_days OneYearAfter(std::chrono::local_days day);

// From the day of `now` for one year, not limiting the lines.
ExportRange DefaultExportRange(LocalTime now);

// The indexes of the lines in use below the capacity, table by table (in
// table-code order), each table in line order.
std::vector<int> LinesByTable(const ExportInput& input);

// The firings of the range, line by line (lines that do not fire are absent).
std::map<int, std::vector<LocalTime>> FiringsByLine(const ExportInput& input, const ExportRange& range);

// LinesByTable without the lines that do not fire in a range that limits
// the lines.
std::vector<int> ExportedLines(const ExportInput& input, const ExportRange& range,
                               const std::map<int, std::vector<LocalTime>>& firingsByLine);

}  // namespace ordalis
