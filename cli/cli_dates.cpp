// Parsing the command line's dates and table lists.
#include "cli/cli_dates.h"

#include <cstdio>
#include <sstream>

namespace ordalis::cli {

using namespace std::chrono;

std::optional<local_days> ParseDate(const std::string& text) {
  int year, month, day;
  char tail;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &tail) != 3) return std::nullopt;
  const year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                            std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok()) return std::nullopt;
  return local_days{date};
}

std::optional<std::array<bool, kClockTableCount>> ParseTables(const std::string& text) {
  std::array<bool, kClockTableCount> visible{};
  std::stringstream list(text);
  std::string item;
  while (std::getline(list, item, ',')) {
    if (item.size() != 1 || item[0] < '0' || item[0] >= '0' + kClockTableCount) return std::nullopt;
    visible[static_cast<size_t>(item[0] - '0')] = true;
  }
  return visible;
}

}  // namespace ordalis::cli
