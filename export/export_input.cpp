// The export input of the program's clock table and the lines it lists.
#include "export/export_input.h"

#include <algorithm>

#include "clock/firings.h"
#include "clock/line_moment.h"
#include "week/catalogue_texts.h"

namespace ordalis {

using namespace std::chrono;

ExportInput ExportInputOf(const ClockParts& parts) {
  return ExportInput{parts.clock.ClockTable,
                     std::min<int>(parts.installation.Capacities.MaxClockLines, kClockTableLines),
                     parts.installation.Settings.Workdays,
                     parts.texts,
                     ProgramCatalogueTexts(parts.texts, parts.installation),
                     parts.clock.ClockFileName};
}

local_days OneYearAfter(local_days day) {
  return floor<days>(AddMonths(day, 12));
}

ExportRange DefaultExportRange(LocalTime now) {
  const local_days today = floor<days>(now);
  return ExportRange{today, OneYearAfter(today), false};
}

std::vector<int> LinesByTable(const ExportInput& input) {
  std::vector<int> indexes;
  for (int table = 0; table < kClockTableCount; ++table)
    for (int i = 0; i < input.lineCount; ++i) {
      const ClockLine& line = input.lines[static_cast<size_t>(i)];
      if (line.inUse() && line.Table == table) indexes.push_back(i);
    }
  return indexes;
}

std::map<int, std::vector<LocalTime>> FiringsByLine(const ExportInput& input, const ExportRange& range) {
  std::map<int, std::vector<LocalTime>> firingsByLine;
  for (const Firing& firing :
       ExpandFirings(input.lines, input.lineCount, range.from, range.to, kAllTables, input.workdays))
    firingsByLine[firing.line].push_back(firing.moment);
  return firingsByLine;
}

std::vector<int> ExportedLines(const ExportInput& input, const ExportRange& range,
                               const std::map<int, std::vector<LocalTime>>& firingsByLine) {
  std::vector<int> exported;
  for (int index : LinesByTable(input))
    if (!range.limitsLines || firingsByLine.contains(index)) exported.push_back(index);
  return exported;
}

}  // namespace ordalis
