// Local times of the core as Qt dates and times, and back.
#pragma once

#include <QDate>
#include <QTime>
#include <chrono>

#include "base/clock_source.h"

namespace ordalis {

// The calendar date of a moment.
QDate toQDate(LocalTime moment);
// The time of day of a moment, to the minute.
QTime toQTime(LocalTime moment);
// A valid Qt date as a day of the core's calendar.
std::chrono::local_days fromQDate(QDate date);

}  // namespace ordalis
