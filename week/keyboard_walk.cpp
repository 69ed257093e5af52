// The arrow keys' steps over the places of the shown week.
#include "week/keyboard_walk.h"

#include <algorithm>
#include <cstdlib>

namespace ordalis {

namespace {

std::optional<LineSpot> InTime(const std::vector<LineSpot>& spots, const LineSpot& from, bool forward) {
  if (forward) {
    const auto next = std::upper_bound(spots.begin(), spots.end(), from);
    if (next != spots.end()) return *next;
    return std::nullopt;
  }
  const auto at = std::lower_bound(spots.begin(), spots.end(), from);
  if (at != spots.begin()) return *std::prev(at);
  return std::nullopt;
}

// The place nearest x in the first row past `row` (in the walk's direction)
// that has lines; on a tie the earlier time wins.
std::optional<LineSpot> OtherDay(const std::vector<LineSpot>& spots, int row, int x, int direction) {
  for (int day = row + direction; day >= 0 && day <= 6; day += direction) {
    std::optional<LineSpot> nearest;
    for (const LineSpot& spot : spots)
      if (spot.row == day && (!nearest || std::abs(spot.x - x) < std::abs(nearest->x - x))) nearest = spot;
    if (nearest) return nearest;
  }
  return std::nullopt;
}

}  // namespace

std::optional<LineSpot> WalkFrom(const std::vector<LineSpot>& spots, const std::optional<LineSpot>& from,
                                 WalkStep step) {
  if (spots.empty()) return std::nullopt;
  const bool forward = step == WalkStep::NextInTime || step == WalkStep::NextDay;
  if (!from) return forward ? spots.front() : spots.back();
  switch (step) {
    case WalkStep::NextInTime:
    case WalkStep::PreviousInTime:
      return InTime(spots, *from, forward);
    case WalkStep::NextDay:
    case WalkStep::PreviousDay:
      return OtherDay(spots, from->row, from->x, forward ? 1 : -1);
  }
  return std::nullopt;
}

}  // namespace ordalis
