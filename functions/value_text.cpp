// Texts of raw values and the reading of typed numbers.
#include "functions/value_text.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "clock/levels.h"

namespace ordalis {

namespace {

std::string wholeNumber(float value) {
  if (!std::isfinite(value)) return "0";
  return std::to_string(std::llround(static_cast<double>(value)));
}

std::string onOffText(const Texts& texts, int raw, int onText, int offText) {
  if (raw == kFullLevel) return texts.LoadText(onText);
  if (raw == 0) return texts.LoadText(offText);
  return kUnknownLevelText;
}

// The level text shared by ValueText and the value boxes; relayOneIsOn says
// whether a relay at raw level 1 reads as "On".
std::string levelText(const Texts& texts, float raw, uint8_t type, bool relayOneIsOn) {
  const int level = std::isfinite(raw) ? static_cast<int>(std::llround(raw)) : -1;
  switch (type) {
    case kRelayType:
      if (level == kUncoupledLevel) return texts.LoadText(kUncoupledText);
      if (level == 1 && relayOneIsOn) return texts.LoadText(kRelayOnText);
      return onOffText(texts, level, kRelayOnText, kRelayOffText);
    case kDimmerType:
      if (level == kUncoupledLevel) return texts.LoadText(kUncoupledText);
      return std::to_string(LevelToPercent(level)) + " %";
    case kBuzzerType:
    case kButtonType:
      return wholeNumber(raw);
    case kMotorUpDownType:
      return onOffText(texts, level, kUpText, kDownText);
    default:
      return onOffText(texts, level, kOnText, kOffText);
  }
}

bool isSeparator(char c) { return c == ',' || c == '.'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string ValueText(const Texts& texts, int format, float raw, uint8_t type) {
  switch (format) {
    case kLevelFormat:
      return levelText(texts, raw, type, true);
    case kSecondsFormat:
      return wholeNumber(raw) + " Sec";
    default:
      return wholeNumber(raw);
  }
}

std::string LevelBoxText(const Texts& texts, int raw, uint8_t type) {
  return levelText(texts, static_cast<float>(raw), type, false);
}

std::string TrimTrailingSpaces(const std::string& text) {
  const auto end = text.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

std::string NumericPart(const std::string& text) {
  std::string result;
  int separators = 0;
  int minusSigns = 0;
  for (char c : TrimTrailingSpaces(text)) {
    if (isSeparator(c)) ++separators;
    if (c == '-') ++minusSigns;
    const bool countsAllow = separators < 2 && minusSigns < 2;
    if (countsAllow && (isDigit(c) || c == '-')) {
      result += c;
    } else if (countsAllow && isSeparator(c)) {
      result += '.';
    } else if (!result.empty()) {
      break;
    }
  }
  return result;
}

double ReadNumericPart(const std::string& numeric) {
  double value = 0;
  const char* first = numeric.data();
  const char* last = first + numeric.size();
  auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc::result_out_of_range) {
    // Too many digits for a double: only the sign and the size matter here.
    const bool negative = !numeric.empty() && numeric[0] == '-';
    const auto firstDigit = numeric.find_first_of("123456789");
    const auto point = numeric.find('.');
    const bool large = firstDigit != std::string::npos && (point == std::string::npos || firstDigit < point);
    if (!large) return 0;
    return negative ? std::numeric_limits<double>::lowest() : std::numeric_limits<double>::max();
  }
  return error == std::errc() ? value : 0;
}

}  // namespace ordalis
