// The clock table as an iCalendar file (RFC 5545) that calendar programs
// read: one VEVENT per line in use, in floating local time, since the
// central unit's clock knows no time zone.
#pragma once

#include <chrono>
#include <string>

#include "export/export_input.h"

namespace ordalis {

// The whole file. Each event carries a UID made from the clock file's name
// and the line's index (the same on every export), the function's name and
// level as SUMMARY, the panel's two labels as DESCRIPTION, the table as
// CATEGORIES, the line's own moment as DTSTART, and its repeat as an RRULE,
// or as RDATEs of the range where no RRULE states it. `stamp` (UTC) is the
// DTSTAMP of every event.
std::string WriteICalendar(const ExportInput& input, const ExportRange& range, std::chrono::sys_seconds stamp);

}  // namespace ordalis
