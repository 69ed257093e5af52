// The virtual clock of the protocol tests.
#include "base/virtual_clock.h"

namespace ordalis {

LocalTime VirtualClock::now() const {
  return m_start + std::chrono::duration_cast<std::chrono::seconds>(m_elapsed);
}

void VirtualClock::schedule(Monotonic at, std::function<void()> action) {
  m_actions.emplace(std::make_pair(at, m_scheduled++), std::move(action));
}

std::optional<Monotonic> VirtualClock::nextAction() const {
  if (m_actions.empty()) return std::nullopt;
  return m_actions.begin()->first.first;
}

bool VirtualClock::runNextActionBefore(Monotonic limit) {
  if (m_actions.empty() || m_actions.begin()->first.first > limit) return false;
  auto first = m_actions.begin();
  Monotonic at = first->first.first;
  std::function<void()> action = std::move(first->second);
  m_actions.erase(first);
  if (at > monotonic()) m_elapsed = at - Monotonic{};
  action();
  return true;
}

void VirtualClock::advanceTo(Monotonic until) {
  while (runNextActionBefore(until)) {
  }
  if (until > monotonic()) m_elapsed = until - Monotonic{};
}

void VirtualClock::sleepFor(std::chrono::microseconds duration) {
  advanceTo(monotonic() + duration);
}

}  // namespace ordalis
