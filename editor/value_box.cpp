// Normalising and stepping the editor's value boxes.
#include "editor/value_box.h"

#include <algorithm>
#include <cmath>

#include "clock/levels.h"
#include "editor/upper_case.h"
#include "functions/value_text.h"

namespace ordalis {

namespace {

constexpr int kButtonMin = 1;
constexpr int kButtonMax = 8;
constexpr int kUncoupledMaxLevel = 256;  // a raw max above 255 lets stepping reach uncoupled
constexpr double kLargestTypedNumber = 1e9;

bool isLevelType(int format, uint8_t type, uint8_t wanted) {
  return format == kLevelFormat && type == wanted;
}

// The box's type and raw value as the format reads the hidden value.
uint8_t boxType(const ValueBox& box, int format) {
  return format == kLevelFormat ? box.type() : 0;
}
int64_t boxRaw(const ValueBox& box, int format) {
  return format == kLevelFormat ? box.raw() : box.Value;
}

// The box text with the words for on, off and uncoupled turned into numbers.
std::string wordsAsNumbers(const Texts& texts, const std::string& text) {
  const std::string typed = UpperCase(TrimTrailingSpaces(text));
  if (typed.empty()) return typed;
  auto isWord = [&](int id) { return typed == UpperCase(texts.LoadText(id)); };
  if (isWord(kRelayOnText) || isWord(kOnText) || isWord(kUpText)) return "100";
  if (isWord(kRelayOffText) || isWord(kOffText) || isWord(kDownText)) return "0";
  if (isWord(kUncoupledText)) return "105";
  return typed;
}

// Halves to even; numbers too large for any box are cut to a size that the
// limits then bring into range.
int64_t roundToWhole(double n) {
  return static_cast<int64_t>(std::nearbyint(std::clamp(n, -kLargestTypedNumber, kLargestTypedNumber)));
}

// The raw value of the number n typed into a box of this format and type.
int64_t rawFromNumber(int format, uint8_t type, double n) {
  if (format != kLevelFormat) return roundToWhole(n);
  switch (type) {
    case kRelayType:
      return PercentToLevel(n < 50 ? 0 : n <= 104 ? 100 : kUncoupledPercent);
    case kDimmerType:
      if (n < 0 || n > 104) return kUncoupledLevel;
      return PercentToLevel(static_cast<int>(roundToWhole(std::min(n, 100.0))));
    case kBuzzerType:
    case kButtonType:
      return roundToWhole(n);
    default:
      return n >= 50 ? kFullLevel : 0;
  }
}

// Turns the limits from display units into raw units, in place.
void convertLimits(int format, uint8_t type, int& min, int& max) {
  if (format != kLevelFormat) return;
  if (type == kButtonType) {
    min = kButtonMin;
    max = kButtonMax;
    return;
  }
  max = max == kUncoupledPercent ? kUncoupledMaxLevel : PercentToLevel(max);
  min = PercentToLevel(min);
}

// Writes value and text. A level is a byte, so a limit of 256 never spills
// into the type byte; a number is cut to the 16 bits the box holds.
void writeBox(const Texts& texts, ValueBox& box, int format, uint8_t type, int64_t raw) {
  if (format == kLevelFormat) {
    const auto level = static_cast<uint8_t>(std::clamp<int64_t>(raw, 0, kFullLevel));
    box = ValueBox::level(type, level);
    box.Text = LevelBoxText(texts, level, type);
  } else {
    box.Value = static_cast<uint16_t>(std::clamp<int64_t>(raw, 0, UINT16_MAX));
    box.Text = ValueText(texts, format, box.Value, 0);
  }
}

// Limits raw to [min, max]; true when it had to be moved.
bool limit(int64_t& raw, int min, int max) {
  const int64_t before = raw;
  if (raw > max) raw = max;
  if (raw < min) raw = min;
  return raw != before;
}

int defaultStep(int format, uint8_t type) {
  if (format != kLevelFormat) return 1;
  switch (type) {
    case kRelayType: return 100;
    case kDimmerType: return 5;
    case kBuzzerType:
    case kButtonType: return 1;
    default: return kFullLevel;
  }
}

// One step of a relay or dimmer level, counted in per cent. A relay is
// either off or fully on; above 100 % lies uncoupled only when the raw max
// allows it.
int64_t steppedPercentLevel(uint8_t type, int64_t raw, bool up, int64_t step, int rawMax) {
  int64_t p = LevelToPercent(static_cast<int>(raw)) + (up ? step : -step);
  if (p <= 100) {
    if (type == kRelayType && p > 0) p = 100;
  } else {
    p = rawMax > kFullLevel ? kUncoupledPercent : 100;
  }
  return PercentToLevel(static_cast<int>(std::max<int64_t>(p, -1)));
}

}  // namespace

bool NormaliseValueBox(const Texts& texts, ValueBox& box, int format, int& min, int& max) {
  const uint8_t type = boxType(box, format);
  int64_t raw = boxRaw(box, format);
  bool changed = false;
  const std::string text = wordsAsNumbers(texts, box.Text);
  if (text.empty()) {
    changed = true;
  } else {
    raw = rawFromNumber(format, type, ReadNumericPart(NumericPart(text)));
  }
  convertLimits(format, type, min, max);
  if (limit(raw, min, max)) changed = true;
  writeBox(texts, box, format, type, raw);
  return changed;
}

bool StepValueBox(const Texts& texts, bool up, ValueBox& box, int format, int min, int max,
                  std::optional<int> step) {
  const bool changed = NormaliseValueBox(texts, box, format, min, max);
  const uint8_t type = boxType(box, format);
  int64_t raw = boxRaw(box, format);
  const int64_t size = step ? *step : defaultStep(format, type);
  if (isLevelType(format, type, kRelayType) || isLevelType(format, type, kDimmerType)) {
    raw = steppedPercentLevel(type, raw, up, size, max);
  } else {
    raw += up ? size : -size;
  }
  limit(raw, min, max);
  writeBox(texts, box, format, type, raw);
  return changed;
}

}  // namespace ordalis
