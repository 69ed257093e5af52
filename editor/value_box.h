// The value box of the clock-line editor as a plain value: the visible text
// and a hidden 16-bit value. The widget only shows Text and lets the user
// type into it; NormaliseValueBox and StepValueBox keep the two consistent,
// always rewriting the text from the value.
//
// Level boxes (format 3) hold the function type in the high byte of Value and
// the raw level in the low byte; number boxes (format 10) hold the number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/texts.h"
#include "functions/value_text.h"

namespace ordalis {

struct ValueBox {
  std::string Text;
  uint16_t Value = 0;

  // A level box for a function type and raw level; its text is empty until
  // the box is normalised.
  static ValueBox level(uint8_t type, uint8_t raw) {
    return ValueBox{{}, static_cast<uint16_t>(type << 8 | raw)};
  }
  uint8_t type() const { return static_cast<uint8_t>(Value >> 8); }
  uint8_t raw() const { return static_cast<uint8_t>(Value & 0xFF); }
};

// Reads what the user typed into the box, works out the raw value, limits it
// and writes back value and text. An empty text keeps the old value. The
// words for on, off, up, down and uncoupled (in the active language, any
// letter case) count as 100, 0 and 105 per cent.
//
// min and max are given in display units (per cent for level boxes) and are
// converted in place to raw units: the caller's variables hold the raw
// limits afterwards, so pass fresh variables each time. Returns true when
// the text was empty or the value had to be limited.
bool NormaliseValueBox(const Texts& texts, ValueBox& box, int format, int& min, int& max);

// Normalises the box, then moves its value one step down or up (by step,
// or by the format's own step: 100 % for a relay, 5 % for a dimmer, 1 for
// buttons, buzzers and numbers, 255 for other levels), limits it and writes
// it back. min and max are display units as for NormaliseValueBox; a max of
// 105 per cent lets a relay or dimmer step up into "uncoupled". Returns what
// the normalisation returned.
bool StepValueBox(const Texts& texts, bool up, ValueBox& box, int format, int min, int max,
                  std::optional<int> step = std::nullopt);

}  // namespace ordalis
