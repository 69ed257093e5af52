// The week and table options that several subcommands read: a date as
// YYYY-MM-DD, and a list of table numbers such as 0,1,2.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>

#include "clock/clock_line.h"

namespace ordalis::cli {

// "YYYY-MM-DD" as a date, or nullopt for anything else or a day that does not exist.
std::optional<std::chrono::local_days> ParseDate(const std::string& text);
// A date as "YYYY-MM-DD".
std::string FormatDate(std::chrono::local_days date);
// "0,3,4" as the shown tables, or nullopt for anything but table numbers 0-4.
std::optional<std::array<bool, kClockTableCount>> ParseTables(const std::string& text);

}  // namespace ordalis::cli
