// What a clock-line control shows for its line: the marker colour of the
// line's table and the function picture chosen by the function kind and level.
#pragma once

#include <cstdint>

#include "clock/clock_line.h"

namespace ordalis {

struct Rgb {
  uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Number of the function pictures shared by the legend, the controls and the
// selection panel (1-9).
enum FunctionPicture : int {
  kPictureOn = 1,
  kPictureOff = 2,
  kPictureBuzzer = 3,
  kPictureMessage = 4,
  kPictureAudio = 5,
  kPictureSensor = 6,
  kPictureDay = 7,
  kPictureNight = 8,
  kPictureFrost = 9,
};

// Continue black, workday red, weekend blue, simulation green, special
// yellow; a table number beyond those draws black.
Rgb TableColour(uint8_t table);

// The picture for a function kind (FunctionHigh) and level.
int FunctionPictureOf(uint8_t functionHigh, uint8_t level);
inline int FunctionPictureOf(const ClockLine& line) {
  return FunctionPictureOf(line.FunctionHigh, line.Level);
}

}  // namespace ordalis
