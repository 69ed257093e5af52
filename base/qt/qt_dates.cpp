// Conversions between the core's local times and Qt's dates and times.
#include "base/qt/qt_dates.h"

namespace ordalis {

using namespace std::chrono;

namespace {
const QDate kEpoch(1970, 1, 1);
}

QDate toQDate(LocalTime moment) { return kEpoch.addDays(floor<days>(moment).time_since_epoch().count()); }

QTime toQTime(LocalTime moment) {
  const hh_mm_ss<seconds> time{moment - floor<days>(moment)};
  return QTime(static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()));
}

local_days fromQDate(QDate date) { return local_days{days{kEpoch.daysTo(date)}}; }

}  // namespace ordalis
