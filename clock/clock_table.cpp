// Clock-table operations shared by the file commands, the week view and the
// editor.
#include "clock/clock_table.h"

#include <algorithm>

namespace ordalis {

int HorizontalPosition(int hour, int minute) {
  // minute / 3 never ends in exactly one half, so (minute + 1) / 3 rounds it.
  return 20 + 20 * hour + (minute + 1) / 3;
}

std::optional<int> FindFreeLine(const ClockLineArray& table, int maxClockLines) {
  const int limit = std::clamp(maxClockLines, 0, kClockTableLines);
  for (int i = 0; i < limit; ++i)
    if (!table[static_cast<size_t>(i)].inUse()) return i;
  return std::nullopt;
}

void ClearClockTable(ClockLineArray& table) {
  for (ClockLine& line : table) {
    line.RepeatUnit = 0;
    line.RepeatCount = 0;
    line.FunctionHigh = 0;
    line.FunctionLow = 0;
    line.Level = 0;
  }
}

int LinesInUse(const ClockLineArray& table) {
  return static_cast<int>(
      std::count_if(table.begin(), table.end(), [](const ClockLine& line) { return line.inUse(); }));
}

}  // namespace ordalis
