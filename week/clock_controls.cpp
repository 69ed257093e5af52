// Placement, pool hand-out and spot counts of the clock-line controls.
#include "week/clock_controls.h"

namespace ordalis {

ClockControls::ClockControls() {
  for (int i = 0; i < kMainControls; ++i) m_controls[i].ClkIndex = static_cast<int16_t>(i);
}

void ClockControls::Reset() {
  for (int id = 0; id < kControlCount; ++id) {
    ClockControl& control = m_controls[id];
    if (control.visible || (IsPoolId(id) && control.ClkIndex != -1)) MarkChanged(id);
    control.visible = false;
    control.ClkCount = 0;
    if (IsPoolId(id)) control.ClkIndex = -1;
  }
  m_searchCursor = 0;
}

void ClockControls::Place(int id, int left, int top) {
  ClockControl& control = m_controls[id];
  const bool moved = control.visible && (control.left != left || control.top != top);
  const int oldLeft = control.left, oldTop = control.top;
  control.left = left;
  control.top = top;
  control.visible = true;
  MarkChanged(id);
  if (moved) Recount(oldLeft, oldTop);
  Recount(left, top);
}

void ClockControls::Hide(int id) {
  ClockControl& control = m_controls[id];
  const bool wasVisible = control.visible;
  control.visible = false;
  control.ClkCount = 0;
  if (IsPoolId(id)) control.ClkIndex = -1;
  MarkChanged(id);
  if (wasVisible) Recount(control.left, control.top);
}

void ClockControls::Assign(int id, int line) {
  m_controls[id].ClkIndex = OccurrenceIndex(line);
  MarkChanged(id);
}

int ClockControls::TakeNextFree() {
  while (m_searchCursor < kPoolHandedOut) {
    ++m_searchCursor;
    if (m_controls[PoolId(m_searchCursor)].ClkIndex == -1) return PoolId(m_searchCursor);
  }
  m_searchCursor = kPoolHandedOut + 1;
  return -1;
}

std::vector<int> ClockControls::ControlsOfLine(int line) const {
  std::vector<int> ids;
  for (int p = 1; p <= kPoolHandedOut; ++p)
    if (m_controls[PoolId(p)].ClkIndex == OccurrenceIndex(line)) ids.push_back(PoolId(p));
  return ids;
}

int ClockControls::NextFreeFrom(int& from) const {
  for (; from <= kPoolHandedOut; ++from)
    if (m_controls[PoolId(from)].ClkIndex == -1) return PoolId(from++);
  return -1;
}

std::vector<int> ClockControls::TakeChanged() {
  std::vector<int> ids;
  for (int id = 0; id < kControlCount; ++id)
    if (m_changed.test(static_cast<size_t>(id))) ids.push_back(id);
  m_changed.reset();
  return ids;
}

void ClockControls::Recount(int left, int top) {
  std::array<int16_t, kControlCount> atSpot;
  int16_t count = 0;
  for (int id = 0; id < kControlCount; ++id) {
    const ClockControl& control = m_controls[id];
    if (control.visible && control.left == left && control.top == top)
      atSpot[static_cast<size_t>(count++)] = static_cast<int16_t>(id);
  }
  for (int k = 0; k < count; ++k) {
    m_controls[atSpot[static_cast<size_t>(k)]].ClkCount = count;
    MarkChanged(atSpot[static_cast<size_t>(k)]);
  }
}

}  // namespace ordalis
