// Walking the week view with the keyboard: every place where a line stands in
// the shown week, ordered by time, and the step each arrow key takes from
// the place that has the keyboard focus.
#pragma once

#include <optional>
#include <vector>

namespace ordalis {

// One line at one place of the clock area: its own moment or an occurrence.
struct LineSpot {
  int row = 0;   // day row 0 (Monday) - 6 (Sunday)
  int x = 0;     // x of the moment on the time axis
  int line = 0;  // index of the line

  friend bool operator==(const LineSpot&, const LineSpot&) = default;
  friend auto operator<=>(const LineSpot&, const LineSpot&) = default;
};

enum class WalkStep {
  NextInTime,      // Right: the next line in time (lines at one place in index order)
  PreviousInTime,  // Left
  NextDay,         // Down: the line nearest the same time on the next day that has lines
  PreviousDay,     // Up
};

// The place one step away from `from` among `spots` (sorted, without
// duplicates). Without a place to start from, Right and Down start at the
// first place of the week, Left and Up at the last. Nothing when the walk
// would leave the week.
std::optional<LineSpot> WalkFrom(const std::vector<LineSpot>& spots, const std::optional<LineSpot>& from,
                                 WalkStep step);

}  // namespace ordalis
