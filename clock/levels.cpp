// Conversions between per cent and raw dim levels.
#include "clock/levels.h"

namespace ordalis {

int16_t LevelToPercent(int raw) {
  for (int p = 0; p <= 100; ++p)
    if (PercentLevels[p] == raw) return static_cast<int16_t>(p);
  return raw == kUncoupledLevel ? kUncoupledPercent : 0;
}

int16_t PercentToLevel(int p) {
  if (p < 0) return 0;
  if (p <= 100) return PercentLevels[p];
  if (p < kUncoupledPercent) return kFullLevel;
  return kUncoupledLevel;
}

uint8_t ReceivedLevel(uint8_t functionType, uint8_t level) {
  if (functionType == kDimmerType) return static_cast<uint8_t>(LevelToPercent(level));
  return level == kNoLevel ? kNoLevelByte : level;
}

}  // namespace ordalis
