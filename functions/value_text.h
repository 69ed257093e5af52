// Texts of raw values (levels, seconds, plain numbers) and the reading of a
// number that the user typed.
#pragma once

#include <cstdint>
#include <string>

#include "base/texts.h"
#include "clock/levels.h"

namespace ordalis {

// Value formats of this program.
enum ValueFormat : int {
  kLevelFormat = 3,    // a level byte; the function type decides its text
  kSecondsFormat = 4,  // a number of seconds, "30 Sec"
  kNumberFormat = 10,  // a plain whole number (the repeat count)
};

// Level texts of the string table.
enum LevelTextId : int {
  kUncoupledText = 401,
  kRelayOnText = 402,
  kRelayOffText = 403,
  kOnText = 404,
  kOffText = 405,
  kUpText = 1044,
  kDownText = 1045,
};

// Shown for a level that has no meaning for its type.
inline constexpr const char* kUnknownLevelText = "????";

// The text of a raw value in a format; for the level format the function
// type decides. Formats other than the three above show the whole number.
std::string ValueText(const Texts& texts, int format, float raw, uint8_t type);

// The text a value box shows for a level. It differs from ValueText only for
// a relay at raw level 1, which a box shows as "????".
std::string LevelBoxText(const Texts& texts, int raw, uint8_t type);

// The leading number of a text, with "," and "." both taken as the decimal
// point: " 55 %" gives "55", "12,5 s" gives "12.5", "Off" gives "".
std::string NumericPart(const std::string& text);

// A NumericPart result read as a number; anything unreadable is 0.
double ReadNumericPart(const std::string& numeric);

// The text without its trailing spaces.
std::string TrimTrailingSpaces(const std::string& text);

}  // namespace ordalis
