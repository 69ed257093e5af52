// Reference dates brought up to the present.
#include "comm/reference_dates.h"

#include <optional>

#include "clock/line_moment.h"

namespace ordalis {

namespace {

using namespace std::chrono;

// The length of one step of a fixed-length unit; nullopt for months and for
// a line that does not repeat.
std::optional<seconds> fixedStep(uint8_t unit, int count) {
  switch (unit) {
    case kRepeatMinutes: return minutes{count};
    case kRepeatHours: return hours{count};
    case kRepeatDays:
    case kRepeatWorkdays:
    case kRepeatWeekendDays: return days{count};
    case kRepeatWeeks: return weeks{count};
    default: return std::nullopt;
  }
}

// The last occurrence at or before `now`, stepping from `moment`.
LocalTime lastOccurrence(LocalTime moment, uint8_t unit, int count, LocalTime now) {
  if (auto step = fixedStep(unit, count)) {
    // The same result as stepping forward past now and back again, in one go.
    auto steps = (now - moment) / *step;
    if ((now - moment) % *step != seconds{0} && now < moment) --steps;
    return moment + steps * *step;
  }
  while (moment < now) moment = AddMonths(moment, count);
  while (moment > now) moment = AddMonths(moment, -count);
  return moment;
}

// Whether every step of the line lands on the same time of day. A minute or
// hour period that does not divide a day shifts the time from day to day, so
// only a whole moment keeps such a line firing when the week view shows.
bool keepsTimeOfDay(uint8_t unit, int count) {
  if (unit == kRepeatMinutes) return (24 * 60) % count == 0;
  if (unit == kRepeatHours) return 24 % count == 0;
  return true;
}

}  // namespace

void BringReferenceDatesUpToDate(ClockLineArray& table, LocalTime now) {
  for (ClockLine& line : table) {
    if (!line.inUse()) continue;
    if (line.Table == kWorkdayTable || line.Table == kWeekendTable) {
      SetLineDate(line, floor<days>(now) - days{1});
      continue;
    }
    bool repeats = line.RepeatUnit >= kRepeatMinutes && line.RepeatUnit <= kRepeatWeekendDays;
    if (!repeats || line.RepeatCount == 0) continue;
    const LocalTime last = lastOccurrence(LineMoment(line), line.RepeatUnit, line.RepeatCount, now);
    if (keepsTimeOfDay(line.RepeatUnit, line.RepeatCount))
      SetLineDate(line, floor<days>(last));
    else
      SetLineMoment(line, last);
  }
}

}  // namespace ordalis
