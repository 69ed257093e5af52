// The undo history of the clock table. Every change of the table is one step
// that keeps the whole table before and after it (1,300 bytes each, so the
// 500 steps kept take about 1.3 MB), with a name for the Edit menu. The
// history knows which step matches the table as it was last saved or opened,
// so undoing back to it clears ClocksChanged and redoing away from it sets it
// again.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "clock/clock_state.h"

namespace ordalis {

class ClockHistory {
 public:
  // Steps kept; the oldest goes when a new one would exceed it.
  static constexpr size_t kMaxSteps = 500;

  // A new history (a file was opened): no steps, and the table as it stands
  // is the saved one.
  void Reset();
  // The table as it stands was just written to the clock file.
  void MarkSaved();

  // Records a finished change, `before` being the table as it was when the
  // change began: drops whatever could still be redone and sets ClocksChanged
  // from the saved state. A change that left the table as it was is no step
  // and touches nothing. Returns whether a step was recorded.
  bool Record(const std::string& name, const ClockLineArray& before, ClockState& clock);

  bool CanUndo() const { return m_next > 0; }
  bool CanRedo() const { return m_next < m_steps.size(); }
  // The name of the step that Undo or Redo would take back or do again.
  const std::string& UndoName() const;
  const std::string& RedoName() const;

  // Puts the table back as it was before the last step (after it, for Redo)
  // and sets ClocksChanged from the saved state. Returns the index of the one
  // line the step changed when that line is in use afterwards, so the caller
  // can show it; nullopt otherwise, or when there was nothing to do.
  std::optional<int> Undo(ClockState& clock);
  std::optional<int> Redo(ClockState& clock);

  // Whether the table differs from the saved one as far as the history knows.
  bool ChangedSinceSaved() const { return m_savedAt != m_next; }

 private:
  struct Step {
    std::string name;
    ClockLineArray before;
    ClockLineArray after;
  };
  std::optional<int> Restore(const ClockLineArray& from, const ClockLineArray& to, ClockState& clock);

  std::deque<Step> m_steps;
  size_t m_next = 0;  // steps before this one are done, the rest undone
  // The number of done steps that matches the saved table; nullopt once that
  // table can no longer be reached (its steps were dropped or overwritten).
  std::optional<size_t> m_savedAt = 0;
};

// The indices of the lines whose bytes differ between two tables, in order.
std::vector<int> ChangedLines(const ClockLineArray& before, const ClockLineArray& after);

}  // namespace ordalis
