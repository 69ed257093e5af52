// Selecting a line from another view of the same week (the Functions view):
// the week view then lists what stands on that line's spot.
#include <algorithm>
#include <chrono>

#include "week/week_geometry.h"
#include "week/week_view_model.h"

namespace ordalis {

void WeekViewModel::SelectLineAt(int line, LocalTime moment) {
  if (line < 0 || line >= kClockTableLines) return;
  const int row = DayOffset(WeekStart(), moment);
  int entry = 0;
  if (row >= 0 && row < 7) {
    const std::chrono::hh_mm_ss time{moment - std::chrono::floor<std::chrono::days>(moment)};
    CheckCoord(week::TimeX(static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count())),
               week::ReferenceY(row));
    const auto found = std::find(m_hits.begin(), m_hits.end(), line + 1);
    if (found != m_hits.end()) entry = static_cast<int>(found - m_hits.begin()) + 1;
  }
  if (entry == 0) {
    m_hits.assign(1, line + 1);
    entry = 1;
  }
  SetSelected(static_cast<int>(m_hits.size()), entry);
}

}  // namespace ordalis
