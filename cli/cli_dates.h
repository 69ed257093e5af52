// Dates and table lists as the command line spells them.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>

#include "clock/clock_line.h"

namespace ordalis::cli {

// "YYYY-MM-DD" as a day, or nullopt when it is no valid date.
std::optional<std::chrono::local_days> ParseDate(const std::string& text);

// "0,2,4": the tables named, or nullopt when an item is not 0-4.
std::optional<std::array<bool, kClockTableCount>> ParseTables(const std::string& text);

}  // namespace ordalis::cli
