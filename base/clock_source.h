// The time seam: every "now" and "today" of the program, and the monotonic
// time that waits and time-outs measure, come from a Clock. The program uses
// SystemClock; tests and the CLI's --now use FixedClock or a virtual clock.
#pragma once

#include <chrono>

namespace ordalis {

// Local civil time, to the second. Clock-line moments are local times.
using LocalTime = std::chrono::local_time<std::chrono::seconds>;
using Monotonic = std::chrono::steady_clock::time_point;

class Clock {
 public:
  virtual ~Clock() = default;
  // The present local date and time.
  virtual LocalTime now() const = 0;
  // A monotonic time for measuring intervals; never goes back.
  virtual Monotonic monotonic() const = 0;
  // Blocks the calling thread for `duration` of this clock's time. The real
  // clock sleeps; test clocks move their time forward instead.
  virtual void sleepFor(std::chrono::microseconds duration);
};

// The computer's clock in the user's time zone.
class SystemClock final : public Clock {
 public:
  LocalTime now() const override;
  Monotonic monotonic() const override { return std::chrono::steady_clock::now(); }
};

// A clock that stands still at a given local time (tests, --now). Its
// monotonic time only moves through advance().
class FixedClock : public Clock {
 public:
  explicit FixedClock(LocalTime at) : m_now(at) {}
  LocalTime now() const override { return m_now; }
  Monotonic monotonic() const override { return Monotonic{} + m_elapsed; }
  void set(LocalTime at) { m_now = at; }
  void sleepFor(std::chrono::microseconds duration) override {
    advance(std::chrono::ceil<std::chrono::milliseconds>(duration));
  }
  void advance(std::chrono::milliseconds by) {
    m_elapsed += by;
    m_now += std::chrono::duration_cast<std::chrono::seconds>(m_elapsed) -
             std::chrono::duration_cast<std::chrono::seconds>(m_elapsed - by);
  }

 private:
  LocalTime m_now;
  std::chrono::milliseconds m_elapsed{0};
};

// A local time from calendar fields (no validation beyond std::chrono's).
LocalTime makeLocalTime(int year, unsigned month, unsigned day, int hour = 0, int minute = 0,
                        int second = 0);

}  // namespace ordalis
