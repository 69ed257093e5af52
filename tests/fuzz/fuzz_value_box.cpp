// Typed text and stored values of every kind through the value boxes: the
// box must end with its type kept, its value inside the limits and a text
// made from that value, whatever the user typed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor/value_box.h"

namespace {

// Input layout: hidden value (2 bytes, little-endian), format selector,
// step direction, then the typed text.
constexpr size_t kValueOffset = 0;
constexpr size_t kFormatOffset = 2;
constexpr size_t kDirectionOffset = 3;
constexpr size_t kTextOffset = 4;

const ordalis::Texts& englishTexts() {
  static const ordalis::Texts texts = [] {
    ordalis::Texts t;
    t.FillTextTables();
    return t;
  }();
  return texts;
}

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ordalis;
  if (size < kTextOffset) return 0;
  const auto value = static_cast<uint16_t>(data[kValueOffset] | data[kValueOffset + 1] << 8);
  const int format = data[kFormatOffset] % 2 == 0 ? kLevelFormat : kNumberFormat;
  const std::string typed(reinterpret_cast<const char*>(data + kTextOffset), size - kTextOffset);

  ValueBox box{typed, value};
  int min = format == kLevelFormat ? 0 : 1;
  int max = 100;
  NormaliseValueBox(englishTexts(), box, format, min, max);
  if (format == kNumberFormat) check(box.Value >= min && box.Value <= max);
  if (format == kLevelFormat) {
    check(box.type() == value >> 8);
    check(box.raw() >= min && box.raw() <= max);
  }
  check(!box.Text.empty());

  ValueBox stepped{typed, value};
  StepValueBox(englishTexts(), data[kDirectionOffset] & 1, stepped, format, 0, 105);
  if (format == kLevelFormat) check(stepped.type() == value >> 8);
  return 0;
}
