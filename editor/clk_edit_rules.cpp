// Pictures, the date window and the stored reference date of the editor.
#include "editor/clk_edit_rules.h"

#include <algorithm>

#include "clock/clock_line.h"
#include "clock/line_moment.h"
#include "week/check_dates.h"

namespace ordalis {

using namespace std::chrono;

namespace {

constexpr int kGeneralMoodType = 10;
constexpr int kMessageType = 54;
constexpr int kFrostType = 24;
constexpr int kNightType = 25;
constexpr int kDayType = 26;
constexpr int kFirstAudioType = 32;
constexpr int kLastAudioType = 49;

constexpr weeks kWindowBefore{30};
constexpr weeks kWindowAfter{40};

bool IsSensorButtonType(int type) { return (type >= 21 && type <= 23) || type == 27; }

// Moves a repeating value back with the week view's own date normalisation,
// so both agree on where a repeat pattern lies.
local_days MoveBackToMonday(LocalTime value, int unit, int count, LocalTime monday) {
  ClockLine line;
  SetLineMoment(line, value);
  line.RepeatUnit = static_cast<uint8_t>(unit);
  line.RepeatCount = static_cast<uint8_t>(std::clamp(count, 1, 255));
  MoveBackToWeek(line, monday);
  return LineDate(line);
}

}  // namespace

FunctionPictureRule PictureForFunction(int type, int level) {
  if (IsSensorButtonType(type)) return {kPictureSensor, false};
  if (type == kFrostType) return {kPictureFrost, false};
  if (type == kNightType) return {kPictureNight, false};
  if (type == kDayType) return {kPictureDay, false};
  if (type >= kFirstAudioType && type <= kLastAudioType) return {kPictureAudio, false};
  if (type == kBuzzerType) return {kPictureBuzzer, true};
  if (type == kMessageType) return {kPictureMessage, false};
  if (type == kGeneralMoodType) return {kPictureOn, false};
  return {level != 0 ? kPictureOn : kPictureOff, true};
}

DateWindow ReferenceDateWindow(LocalTime now, LocalTime lineMoment) {
  const LocalTime earliest = now - kWindowBefore;
  const LocalTime latest = earliest + kWindowBefore + kWindowAfter;
  return {std::min(earliest, lineMoment), std::max(latest, lineMoment)};
}

local_days OkReferenceDate(LocalTime datePic, int table, int repeatUnit, int repeatCount,
                          LocalTime now) {
  if (table == kWorkdayTable || table == kWeekendTable)
    return floor<days>(now) - days{WeekdayIndex(floor<days>(now)) + 1};
  if (repeatUnit < kRepeatMinutes || repeatUnit >= kRepeatUnitCount) return floor<days>(datePic);
  return MoveBackToMonday(datePic, repeatUnit, repeatCount, MondayOfWeek(now));
}

}  // namespace ordalis
