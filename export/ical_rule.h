// How a clock line's repeat rule reads in iCalendar terms. The line steps as
// the schedule does (the workday and weekend tables every day, else by its
// unit and count) and acts on the steps its table or unit allows (workdays
// or weekend days by the installation's flags).
#pragma once

#include <string>

#include "clock/clock_line.h"
#include "clock/schedule.h"

namespace ordalis {

struct Recurrence {
  enum Kind {
    kOwnMomentOnly,  // no further firing: "once", a count of 0, no allowed weekday
    kRule,           // `rule` (an RRULE value) gives every further firing exactly
    kListedDates,    // no RRULE states it: the firings are to be listed as RDATEs
  };
  Kind kind = kOwnMomentOnly;
  std::string rule;
};

// A monthly line from the 29th, 30th or 31st is listed: the schedule clips
// it to the end of a shorter month and keeps it clipped, which RRULE cannot
// state. Every other repeat is a rule.
Recurrence RecurrenceOf(const ClockLine& line, const WorkdayFlags& workdays);

}  // namespace ordalis
