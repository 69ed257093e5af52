// The moment of a clock line: its date and time composed from the stored
// fields as numbers (never through text), and the date stored back.
#pragma once

#include <chrono>

#include "base/clock_source.h"
#include "clock/clock_line.h"

namespace ordalis {

// The full year of a two-digit stored year: 0-29 -> 2000-2029, 30-99 ->
// 1930-1999 (a stray byte above 99 counts from 1900 as well).
int FullYear(uint8_t storedYear);

// The date of a line. Fields out of their range roll over as calendar
// arithmetic does (day 0 is the last day of the month before, 31 February
// lies in March), so every byte pattern gives a date.
std::chrono::local_days LineDate(const ClockLine& line);

// The moment of a line: its date at Hour:Minute, seconds 0 (an hour above 23
// or a minute above 59 carries over the same way).
LocalTime LineMoment(const ClockLine& line);

// Stores a date into Day, Month and Year (year modulo 100); the time and all
// other fields stay.
void SetLineDate(ClockLine& line, std::chrono::local_days date);
// Stores the date and the hour and minute of a moment; the rest stays.
void SetLineMoment(ClockLine& line, LocalTime moment);

// Adds whole calendar months; a day beyond the target month's end becomes its
// last day, and stays so on later steps because each step starts from the
// previous result.
LocalTime AddMonths(LocalTime moment, int count);

// 0 for Monday to 6 for Sunday.
int WeekdayIndex(std::chrono::local_days date);

// The Monday, 00:00, of the week that holds a moment.
LocalTime MondayOfWeek(LocalTime moment);

}  // namespace ordalis
