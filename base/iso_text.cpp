// ISO 8601 words of a local moment.
#include "base/iso_text.h"

#include <cstdio>

namespace ordalis {

using namespace std::chrono;

std::string IsoDate(LocalTime moment) {
  const year_month_day ymd{floor<days>(moment)};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return text;
}

std::string IsoTime(LocalTime moment) {
  const hh_mm_ss time{floor<minutes>(moment - floor<days>(moment))};
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()));
  return text;
}

std::string IsoMoment(LocalTime moment) { return IsoDate(moment) + "T" + IsoTime(moment); }

}  // namespace ordalis
