// Upper case for ASCII and the Latin-1 supplement in UTF-8.
#include "editor/upper_case.h"

namespace ordalis {

namespace {

// UTF-8 of U+00C0 to U+00FF is the lead byte 0xC3 and a trail byte 0x80 to
// 0xBF; the small letters are trail bytes 0xA0 to 0xBE, except the division
// sign 0xB7, and their capitals lie 0x20 below. U+00DF (sharp s) and U+00FF
// (y with diaeresis) have no capital in that range and stay.
constexpr unsigned char kLatinLead = 0xC3;
constexpr unsigned char kSmallFirst = 0xA0;
constexpr unsigned char kSmallLast = 0xBE;
constexpr unsigned char kDivisionSign = 0xB7;
constexpr unsigned char kCaseDistance = 0x20;

}  // namespace

std::string UpperCase(const std::string& text) {
  std::string result = text;
  for (size_t i = 0; i < result.size(); ++i) {
    const auto c = static_cast<unsigned char>(result[i]);
    if (c >= 'a' && c <= 'z') {
      result[i] = static_cast<char>(c - kCaseDistance);
    } else if (c == kLatinLead && i + 1 < result.size()) {
      const auto trail = static_cast<unsigned char>(result[i + 1]);
      if (trail >= kSmallFirst && trail <= kSmallLast && trail != kDivisionSign)
        result[i + 1] = static_cast<char>(trail - kCaseDistance);
      ++i;
    }
  }
  return result;
}

}  // namespace ordalis
