// Moving reference dates back to the current week.
#include "week/check_dates.h"

#include <algorithm>
#include <optional>

#include "clock/line_moment.h"

namespace ordalis {

using namespace std::chrono;

namespace {

// The length of one repeat interval in minutes, for the units of fixed length.
std::optional<int64_t> FixedIntervalMinutes(const ClockLine& line) {
  const int64_t count = line.RepeatCount;
  switch (line.RepeatUnit) {
    case kRepeatMinutes: return count;
    case kRepeatHours: return count * 60;
    case kRepeatDays:
    case kRepeatWorkdays:
    case kRepeatWeekendDays: return count * 24 * 60;
    case kRepeatWeeks: return count * 7 * 24 * 60;
    default: return std::nullopt;
  }
}

LocalTime MoveBackByFixedSteps(LocalTime moment, LocalTime limit, int64_t stepMinutes) {
  const int64_t ahead = duration_cast<minutes>(moment - limit).count();
  const int64_t steps = (ahead + stepMinutes - 1) / stepMinutes;
  return moment - minutes{steps * stepMinutes};
}

int MonthIndex(year_month_day date) {
  return static_cast<int>(date.year()) * 12 + static_cast<int>(static_cast<unsigned>(date.month())) - 1;
}

unsigned LastDayOfMonthIndex(int index) {
  const int year = index >= 0 ? index / 12 : (index - 11) / 12;
  const unsigned month = static_cast<unsigned>(index - year * 12) + 1;
  return static_cast<unsigned>((std::chrono::year{year} / std::chrono::month{month} / last).day());
}

// The moment after `steps` backward month steps: the month moves by whole
// months and the day is clipped by every month passed on the way, as repeated
// single steps clip it.
LocalTime MonthsBack(int startIndex, unsigned startDay, minutes timeOfDay, int count, int steps) {
  unsigned day = startDay;
  for (int j = 1; j <= steps && day > 28; ++j)
    day = std::min(day, LastDayOfMonthIndex(startIndex - j * count));
  const int index = startIndex - steps * count;
  const int year = index >= 0 ? index / 12 : (index - 11) / 12;
  const unsigned month = static_cast<unsigned>(index - year * 12) + 1;
  day = std::min(day, LastDayOfMonthIndex(index));
  return local_days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}} +
         timeOfDay;
}

LocalTime MoveBackByMonths(LocalTime moment, LocalTime limit, int count) {
  const local_days date = floor<days>(moment);
  const year_month_day ymd{date};
  const minutes timeOfDay = duration_cast<minutes>(moment - date);
  const int start = MonthIndex(ymd);
  const int limitIndex = MonthIndex(year_month_day{floor<days>(limit)});
  // Fewest steps that reach the limit's month; one more when that month's
  // result still lies after the limit.
  int steps = std::max(1, (start - limitIndex + count - 1) / count);
  LocalTime result = MonthsBack(start, static_cast<unsigned>(ymd.day()), timeOfDay, count, steps);
  if (result > limit)
    result = MonthsBack(start, static_cast<unsigned>(ymd.day()), timeOfDay, count, steps + 1);
  return result;
}

}  // namespace

void MoveBackToWeek(ClockLine& line, LocalTime currentMonday) {
  if (line.RepeatUnit == kRepeatOnce || line.RepeatCount == 0) return;
  const std::optional<int64_t> fixedStep = FixedIntervalMinutes(line);
  if (!fixedStep && line.RepeatUnit != kRepeatMonths) return;
  LocalTime moment = LineMoment(line);
  if (moment > currentMonday)
    moment = fixedStep ? MoveBackByFixedSteps(moment, currentMonday, *fixedStep)
                       : MoveBackByMonths(moment, currentMonday, line.RepeatCount);
  SetLineDate(line, floor<days>(moment));
}

std::vector<int> CheckDates(ClockLineArray& table, LocalTime now) {
  const LocalTime monday = MondayOfWeek(now);
  std::vector<int> changed;
  for (int i = 0; i < kClockTableLines; ++i) {
    ClockLine& line = table[i];
    if (!line.inUse()) continue;
    const ClockLine before = line;
    if (line.Table == kWorkdayTable || line.Table == kWeekendTable)
      SetLineDate(line, floor<days>(monday) - days{1});
    else
      MoveBackToWeek(line, monday);
    if (line.Day != before.Day || line.Month != before.Month || line.Year != before.Year)
      changed.push_back(i);
  }
  return changed;
}

}  // namespace ordalis
