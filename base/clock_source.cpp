// The computer's clock, in local time.
#include "base/clock_source.h"

#include <ctime>
#include <thread>

namespace ordalis {

LocalTime SystemClock::now() const {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return makeLocalTime(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                       static_cast<unsigned>(local.tm_mday), local.tm_hour, local.tm_min,
                       local.tm_sec);
}

void Clock::sleepFor(std::chrono::microseconds duration) {
  if (duration.count() > 0) std::this_thread::sleep_for(duration);
}

LocalTime makeLocalTime(int year, unsigned month, unsigned day, int hour, int minute, int second) {
  using namespace std::chrono;
  local_days date{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
  return date + hours{hour} + minutes{minute} + seconds{second};
}

}  // namespace ordalis
