// Settings text of a serial port.
#include "comm/port_settings.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace ordalis {

namespace {

std::vector<std::string> splitAtCommas(const std::string& text) {
  std::vector<std::string> fields(1);
  for (char c : text) {
    if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::optional<int32_t> wholeNumber(const std::string& text) {
  int32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::optional<Parity> parityOf(const std::string& text) {
  if (text.size() != 1) return std::nullopt;
  switch (std::tolower(static_cast<unsigned char>(text[0]))) {
    case 'n': return Parity::None;
    case 'e': return Parity::Even;
    case 'o': return Parity::Odd;
    case 'm': return Parity::Mark;
    case 's': return Parity::Space;
    default: return std::nullopt;
  }
}

}  // namespace

std::string PortSettingsText(int32_t baudRate) { return std::to_string(baudRate) + ",n,8,1"; }

std::optional<PortSettings> ParsePortSettings(const std::string& text) {
  std::vector<std::string> fields = splitAtCommas(text);
  if (fields.size() != 4) return std::nullopt;
  auto rate = wholeNumber(fields[0]);
  auto parity = parityOf(fields[1]);
  auto dataBits = wholeNumber(fields[2]);
  auto stopBits = wholeNumber(fields[3]);
  if (!rate || *rate <= 0 || !parity || !dataBits || *dataBits < 5 || *dataBits > 8 || !stopBits ||
      (*stopBits != 1 && *stopBits != 2)) {
    return std::nullopt;
  }
  return PortSettings{*rate, *parity, *dataBits, *stopBits};
}

std::chrono::nanoseconds ByteTime(const PortSettings& settings) {
  int bits = 1 + settings.dataBits + (settings.parity == Parity::None ? 0 : 1) + settings.stopBits;
  return std::chrono::nanoseconds(int64_t{1'000'000'000} * bits / settings.baudRate);
}

}  // namespace ordalis
