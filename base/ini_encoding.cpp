// Byte-order marks and UTF-16 for the settings file.
#include "base/ini_encoding.h"

#include <cstdint>
#include <string_view>

#include "base/utf8.h"

namespace ordalis {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

std::string utf8FromUtf16(std::string_view bytes, bool bigEndian) {
  auto unitAt = [&](size_t i) {
    const auto first = static_cast<uint8_t>(bytes[i]), second = static_cast<uint8_t>(bytes[i + 1]);
    return static_cast<uint32_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  };
  std::string out;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    uint32_t code = unitAt(i);
    if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size()) {
      const uint32_t low = unitAt(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    AppendUtf8(out, code);
  }
  return out;
}

// The next character of UTF-8 text at i, moving i past it; a byte that does
// not start a valid sequence stands for itself.
uint32_t nextCharacter(std::string_view text, size_t& i) {
  const auto lead = static_cast<uint8_t>(text[i]);
  const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length <= 1 || i + length > text.size()) return static_cast<uint8_t>(text[i++]);
  uint32_t code = lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const auto follow = static_cast<uint8_t>(text[i + k]);
    if ((follow & 0xC0) != 0x80) return static_cast<uint8_t>(text[i++]);
    code = (code << 6) | (follow & 0x3F);
  }
  i += length;
  return code;
}

std::string utf16FromUtf8(std::string_view text, bool bigEndian) {
  std::string out;
  auto put = [&](uint32_t unit) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  };
  for (size_t i = 0; i < text.size();) {
    const uint32_t code = nextCharacter(text, i);
    if (code >= 0x10000) {
      put(0xD800 + ((code - 0x10000) >> 10));
      put(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      put(code);
    }
  }
  return out;
}

}  // namespace

IniText DecodeIniBytes(const std::string& bytes) {
  const std::string_view all = bytes;
  if (all.starts_with(kUtf8Mark)) return {IniEncoding::Utf8WithMark, bytes.substr(kUtf8Mark.size())};
  if (all.starts_with(kUtf16LittleMark))
    return {IniEncoding::Utf16LittleEndian, utf8FromUtf16(all.substr(2), false)};
  if (all.starts_with(kUtf16BigMark)) return {IniEncoding::Utf16BigEndian, utf8FromUtf16(all.substr(2), true)};
  return {IniEncoding::Plain, bytes};
}

std::string EncodeIniBytes(const std::string& text, IniEncoding encoding) {
  switch (encoding) {
    case IniEncoding::Utf8WithMark: return std::string(kUtf8Mark) + text;
    case IniEncoding::Utf16LittleEndian: return std::string(kUtf16LittleMark) + utf16FromUtf8(text, false);
    case IniEncoding::Utf16BigEndian: return std::string(kUtf16BigMark) + utf16FromUtf8(text, true);
    case IniEncoding::Plain: break;
  }
  return text;
}

}  // namespace ordalis
