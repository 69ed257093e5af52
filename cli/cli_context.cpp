// Shared helpers of the CLI: language codes and moments.
#include "cli/cli_context.h"

#include <cstdio>

namespace ordalis::cli {

std::optional<int> languageOffsetOf(const std::string& code) {
  static const char* const codes[] = {"en", "nl", "fr", "de", "es", "it", "pt"};
  for (int i = 0; i < 7; ++i)
    if (code == codes[i]) return i * 10000;
  return std::nullopt;
}

std::optional<LocalTime> parseMoment(const std::string& text) {
  int year, month, day, hour, minute;
  char tail;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d%c", &year, &month, &day, &hour, &minute,
                  &tail) != 5)
    return std::nullopt;
  using namespace std::chrono;
  year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                      std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok() || hour < 0 || hour > 23 || minute < 0 || minute > 59) return std::nullopt;
  return makeLocalTime(year, static_cast<unsigned>(month), static_cast<unsigned>(day), hour,
                       minute);
}

}  // namespace ordalis::cli
