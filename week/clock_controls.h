// The week view's clock-line controls as data: 100 main controls, control i
// showing line i's own moment, and a pool of 200 occurrence controls for the
// repeated occurrences (pool controls 1-199 are handed out, 200 never).
// Every placement recounts the controls standing on the same spot.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

namespace ordalis {

// One control: which line it draws, where, and how many controls share its spot.
struct ClockControl {
  // Main control: its line index for its whole life. Pool control: -1 when
  // free, -2 - i when it shows an occurrence of line i.
  int16_t ClkIndex = -1;
  int16_t ClkCount = 0;  // visible controls at the same left and top
  int left = 0;
  int top = 0;
  bool visible = false;
};

// A control is named by one id: 0-99 the main controls, 100-299 pool
// controls 1-200.
constexpr int kMainControls = 100;
constexpr int kPoolControls = 200;
constexpr int kPoolHandedOut = 199;
constexpr int kControlCount = kMainControls + kPoolControls;
constexpr int PoolId(int poolIndex) { return kMainControls - 1 + poolIndex; }
constexpr bool IsPoolId(int id) { return id >= kMainControls; }
// The ClkIndex of a pool control that shows an occurrence of `line`.
constexpr int16_t OccurrenceIndex(int line) { return static_cast<int16_t>(-2 - line); }
// The line a control draws, or -1 for a free pool control.
constexpr int LineOfClkIndex(int clkIndex) {
  return clkIndex >= 0 ? clkIndex : clkIndex == -1 ? -1 : -2 - clkIndex;
}

class ClockControls {
 public:
  ClockControls();

  const ClockControl& operator[](int id) const { return m_controls[id]; }
  const std::array<ClockControl, kControlCount>& all() const { return m_controls; }

  // Start of a full repaint: every main control hidden, every pool control
  // free, the pool search back at the start.
  void Reset();

  // Puts a control at a spot, makes it visible and recounts both the spot it
  // left and the spot it now stands on.
  void Place(int id, int left, int top);
  // Hides a control (a pool control also becomes free) and recounts the spot
  // it left.
  void Hide(int id);
  // Marks a pool control as showing an occurrence of `line`.
  void Assign(int id, int line);

  // The next free pool control of this repaint, continuing from where the
  // previous search stopped; -1 once the search has passed control 199.
  int TakeNextFree();
  // The pool controls that show occurrences of `line`, in index order.
  std::vector<int> ControlsOfLine(int line) const;
  // The first free pool control at or after pool index `from` (1-based);
  // -1 past control 199. Advances `from` past it.
  int NextFreeFrom(int& from) const;

  // Ids of the controls whose look changed since the last call, in id order.
  std::vector<int> TakeChanged();

 private:
  void Recount(int left, int top);
  void MarkChanged(int id) { m_changed.set(static_cast<size_t>(id)); }

  std::array<ClockControl, kControlCount> m_controls;
  int m_searchCursor = 0;  // pool index where the search of this repaint stands
  std::bitset<kControlCount> m_changed;
};

}  // namespace ordalis
