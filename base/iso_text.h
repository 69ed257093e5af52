// A local moment in the ISO 8601 words that the CLI, the exports and the
// check's findings write: "2026-12-06", "07:45" and "2026-12-06T07:45".
#pragma once

#include <string>

#include "base/clock_source.h"

namespace ordalis {

std::string IsoDate(LocalTime moment);
std::string IsoTime(LocalTime moment);    // hours and minutes
std::string IsoMoment(LocalTime moment);  // date "T" time

}  // namespace ordalis
