// The rules of the clock-line editor that are not about widgets: which
// picture and level box a function type gets, the window of the reference
// date picker, and the reference date that OK stores.
#pragma once

#include <chrono>
#include <cstdint>

#include "base/clock_source.h"
#include "clock/levels.h"
#include "week/klok_control_rules.h"

namespace ordalis {

struct FunctionPictureRule {
  int picture;      // function picture 1-9 (kPictureOn ...)
  bool levelShown;  // false: the level box is hidden and the level is 255
};

// The picture and level box for a function type at a raw level. Types
// without a level are judged at level 255 (so a general mood shows "on").
FunctionPictureRule PictureForFunction(int type, int level);

// The dates the reference-date picker offers: from 30 weeks before now to
// 40 weeks after it, widened to hold the line's own moment so that opening
// a line never changes its date.
struct DateWindow {
  LocalTime earliest;
  LocalTime latest;
};
DateWindow ReferenceDateWindow(LocalTime now, LocalTime lineMoment);

// The reference date that OK stores, from the picker's value (date and time
// of day), the checked table, the repeat unit (-1 when none is chosen) and
// the repeat count (only the date is stored; the time comes from the time
// picker):
// - continue, simulation and special tables: a repeating value is moved back
//   by whole repeat intervals to the latest occurrence not after Monday 00:00
//   of the current week; a value that does not repeat stays;
// - workday and weekend tables: the Sunday before the current week, at the
//   current time of day.
std::chrono::local_days OkReferenceDate(LocalTime datePic, int table, int repeatUnit, int repeatCount,
                          LocalTime now);

}  // namespace ordalis
