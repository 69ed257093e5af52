// Calendar arithmetic for the moment of a clock line.
#include "clock/line_moment.h"

namespace ordalis {

using namespace std::chrono;

int FullYear(uint8_t storedYear) { return storedYear < 30 ? 2000 + storedYear : 1900 + storedYear; }

local_days LineDate(const ClockLine& line) {
  // Month 0 is December of the year before, month 13 January of the next.
  year_month firstMonth = std::chrono::year{FullYear(line.Year)} / January;
  firstMonth += months{static_cast<int>(line.Month) - 1};
  return local_days{firstMonth / 1} + days{static_cast<int>(line.Day) - 1};
}

LocalTime LineMoment(const ClockLine& line) {
  return LineDate(line) + hours{line.Hour} + minutes{line.Minute};
}

void SetLineDate(ClockLine& line, local_days date) {
  year_month_day ymd{date};
  line.Day = static_cast<uint8_t>(static_cast<unsigned>(ymd.day()));
  line.Month = static_cast<uint8_t>(static_cast<unsigned>(ymd.month()));
  int year = static_cast<int>(ymd.year()) % 100;
  line.Year = static_cast<uint8_t>(year < 0 ? year + 100 : year);
}

void SetLineMoment(ClockLine& line, LocalTime moment) {
  const local_days date = floor<days>(moment);
  const auto sinceMidnight = duration_cast<minutes>(moment - date).count();
  SetLineDate(line, date);
  line.Hour = static_cast<uint8_t>(sinceMidnight / 60);
  line.Minute = static_cast<uint8_t>(sinceMidnight % 60);
}

LocalTime AddMonths(LocalTime moment, int count) {
  local_days date = floor<days>(moment);
  year_month_day ymd{date};
  year_month target = ymd.year() / ymd.month() + months{count};
  std::chrono::day lastDay = (target / last).day();
  std::chrono::day day = ymd.day() < lastDay ? ymd.day() : lastDay;
  return local_days{target / day} + (moment - date);
}

int WeekdayIndex(local_days date) {
  return static_cast<int>(weekday{date}.iso_encoding()) - 1;
}

LocalTime MondayOfWeek(LocalTime moment) {
  local_days date = floor<days>(moment);
  return date - days{WeekdayIndex(date)};
}

}  // namespace ordalis
