// The colour and picture rules of a clock-line control.
#include "week/klok_control_rules.h"

namespace ordalis {

Rgb TableColour(uint8_t table) {
  switch (table) {
    case kWorkdayTable: return {255, 0, 0};
    case kWeekendTable: return {0, 0, 255};
    case kSimulationTable: return {0, 255, 0};
    case kSpecialTable: return {255, 255, 0};
    default: return {0, 0, 0};
  }
}

int FunctionPictureOf(uint8_t functionHigh, uint8_t level) {
  if (functionHigh == 51) return kPictureBuzzer;
  if (functionHigh == 54) return kPictureMessage;
  if (functionHigh >= 32 && functionHigh <= 49) return kPictureAudio;
  if (functionHigh == 26) return kPictureDay;
  if (functionHigh == 25) return kPictureNight;
  if (functionHigh == 24) return kPictureFrost;
  if ((functionHigh >= 21 && functionHigh <= 23) || functionHigh == 27) return kPictureSensor;
  return level != 0 ? kPictureOn : kPictureOff;
}

}  // namespace ordalis
