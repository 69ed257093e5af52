// The undo history of the clock table.
#include "clock/clock_history.h"

namespace ordalis {

namespace {

const std::string kNoName;

}  // namespace

std::vector<int> ChangedLines(const ClockLineArray& before, const ClockLineArray& after) {
  std::vector<int> changed;
  for (int line = 0; line < kClockTableLines; ++line)
    if (before[static_cast<size_t>(line)] != after[static_cast<size_t>(line)]) changed.push_back(line);
  return changed;
}

void ClockHistory::Reset() {
  m_steps.clear();
  m_next = 0;
  m_savedAt = 0;
}

void ClockHistory::MarkSaved() { m_savedAt = m_next; }

bool ClockHistory::Record(const std::string& name, const ClockLineArray& before, ClockState& clock) {
  if (before == clock.ClockTable) return false;
  m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_next), m_steps.end());
  if (m_savedAt && *m_savedAt > m_next) m_savedAt.reset();
  m_steps.push_back(Step{name, before, clock.ClockTable});
  ++m_next;
  if (m_steps.size() > kMaxSteps) {
    m_steps.pop_front();
    --m_next;
    if (m_savedAt) m_savedAt = *m_savedAt == 0 ? std::nullopt : std::optional<size_t>(*m_savedAt - 1);
  }
  clock.ClocksChanged = ChangedSinceSaved();
  return true;
}

const std::string& ClockHistory::UndoName() const { return CanUndo() ? m_steps[m_next - 1].name : kNoName; }

const std::string& ClockHistory::RedoName() const { return CanRedo() ? m_steps[m_next].name : kNoName; }

std::optional<int> ClockHistory::Undo(ClockState& clock) {
  if (!CanUndo()) return std::nullopt;
  --m_next;
  return Restore(m_steps[m_next].after, m_steps[m_next].before, clock);
}

std::optional<int> ClockHistory::Redo(ClockState& clock) {
  if (!CanRedo()) return std::nullopt;
  ++m_next;
  return Restore(m_steps[m_next - 1].before, m_steps[m_next - 1].after, clock);
}

std::optional<int> ClockHistory::Restore(const ClockLineArray& from, const ClockLineArray& to,
                                         ClockState& clock) {
  clock.ClockTable = to;
  clock.ClocksChanged = ChangedSinceSaved();
  const int selected = clock.SelectedClockLine - 1;
  if (selected >= 0 && selected < kClockTableLines && !to[static_cast<size_t>(selected)].inUse())
    clock.SelectedClockLine = 0;
  const std::vector<int> changed = ChangedLines(from, to);
  if (changed.size() == 1 && to[static_cast<size_t>(changed[0])].inUse()) return changed[0];
  return std::nullopt;
}

}  // namespace ordalis
