// The fixed geometry of the week view's clock area, in its own pixels: x to
// the right, y downwards. Seven day rows of 70 pixels, Monday at the top, a
// time axis of 20 pixels per hour from x = 20 (00:00) to x = 500 (24:00).
#pragma once

#include "clock/clock_table.h"

namespace ordalis::week {

constexpr int kRowHeight = 70;
constexpr int kAxisLeft = 20;             // x of 00:00
constexpr int kControlTopInRow = 15;      // a control's top below its row's top
constexpr int kReferenceLineInRow = 40;   // the row's line for hit testing
constexpr int kControlTipOffset = 5;      // a control's left edge is this far left of its moment

// x of a time of day (HorizontalPosition: 20 + 20 * hour + minute / 3).
inline int TimeX(int hour, int minute) { return HorizontalPosition(hour, minute); }
inline int ControlLeft(int hour, int minute) { return TimeX(hour, minute) - kControlTipOffset; }
constexpr int ControlTop(int row) { return kRowHeight * row + kControlTopInRow; }
constexpr int ReferenceY(int row) { return kRowHeight * row + kReferenceLineInRow; }

// A click hits a spot within these distances (inclusive).
constexpr double kHitHalfWidth = 5;
constexpr double kHitHalfHeight = 25;

// Dragging follows the mouse inside 0 <= x < 540 and 15 <= y < 485; the time
// snaps to quarters 0-96 (96 = the end of the day, shown as 23:59).
constexpr double kDragMinX = 0, kDragMaxX = 540;
constexpr double kDragMinY = 15, kDragMaxY = 485;
constexpr int kPixelsPerQuarter = 5;
constexpr int kLastQuarter = 96;

}  // namespace ordalis::week
