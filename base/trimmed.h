// A text without the spaces at its ends: how stored names and modem strings
// are used.
#pragma once

#include <string>

namespace ordalis {

inline std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace ordalis
