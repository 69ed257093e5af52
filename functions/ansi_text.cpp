// Code page 1252 to UTF-8.
#include "functions/ansi_text.h"

#include <array>
#include <cstdint>

#include "base/utf8.h"

namespace ordalis {

namespace {

// Characters of the bytes 0x80 to 0x9F; the rest of 0x80 to 0xFF is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (char byte : ansi) {
    const auto b = static_cast<uint8_t>(byte);
    if (b < 0x80) {
      out += byte;
    } else if (b < 0xA0) {
      AppendUtf8(out, kHighControls[b - 0x80]);
    } else {
      AppendUtf8(out, b);
    }
  }
  return out;
}

}  // namespace ordalis
