// A clock whose time moves only when something waits on it. Actions can be
// scheduled at a future moment (a byte arriving, the user pressing Cancel);
// a sleep runs every action that falls inside it, in time order, with the
// clock standing at that action's moment. Protocol tests run a 50 s time-out
// in microseconds this way. Single-threaded: one thread owns the clock.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>

#include "base/clock_source.h"

namespace ordalis {

class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(LocalTime start = makeLocalTime(2026, 1, 1)) : m_start(start) {}

  LocalTime now() const override;
  Monotonic monotonic() const override { return Monotonic{} + m_elapsed; }
  void sleepFor(std::chrono::microseconds duration) override;

  // Runs `action` when the clock reaches `at` (at once on the next move when
  // `at` is already past). Actions at the same moment run in the order they
  // were scheduled.
  void schedule(Monotonic at, std::function<void()> action);
  void scheduleAfter(std::chrono::microseconds delay, std::function<void()> action) {
    schedule(monotonic() + delay, std::move(action));
  }
  // The moment of the earliest scheduled action, if any.
  std::optional<Monotonic> nextAction() const;
  // Moves the clock to `until`, running the actions on the way.
  void advanceTo(Monotonic until);
  // Runs the earliest pending action, moving the clock to its moment;
  // false when none is pending at or before `limit`.
  bool runNextActionBefore(Monotonic limit);

 private:
  LocalTime m_start;
  std::chrono::nanoseconds m_elapsed{0};
  // Keyed by (moment, order of scheduling).
  std::map<std::pair<Monotonic, uint64_t>, std::function<void()>> m_actions;
  uint64_t m_scheduled = 0;
};

}  // namespace ordalis
