// Dim levels in per cent and as the raw level byte the central unit uses.
// A raw level of 3 is "uncoupled"; its per-cent code is 105.
#pragma once

#include <array>
#include <cstdint>

namespace ordalis {

// Function types whose levels read differently from a plain on/off.
enum LevelFunctionType : uint8_t {
  kRelayType = 1,
  kDimmerType = 2,
  kBuzzerType = 51,       // "TP zoemer": a number shown as it is
  kButtonType = 52,       // button simulation: a button number 1 to 8
  kMotorUpDownType = 55,  // 0 down, 255 up
};

constexpr int kPercentLevelCount = 102;  // per cent 0 to 100, then the uncoupled entry
constexpr int kUncoupledLevel = 3;       // raw level of an uncoupled output
constexpr int kUncoupledPercent = 105;   // per-cent code of an uncoupled output
constexpr int kFullLevel = 255;
// The level a line stores for a function without a level, and the level byte
// the central unit keeps for it.
constexpr uint8_t kNoLevel = 255;
constexpr uint8_t kNoLevelByte = 1;

// Entry p (0 to 100) is the raw level of p per cent, the integer part of
// p x 255 / 100; entry 101 is the uncoupled level 3.
constexpr std::array<uint8_t, kPercentLevelCount> makePercentLevels() {
  std::array<uint8_t, kPercentLevelCount> levels{};
  for (int p = 0; p <= 100; ++p) levels[p] = static_cast<uint8_t>(p * 255 / 100);
  levels[101] = kUncoupledLevel;
  return levels;
}
inline constexpr std::array<uint8_t, kPercentLevelCount> PercentLevels = makePercentLevels();

// The first per cent whose level is raw; 105 for the uncoupled level 3 and 0
// for a level that no per cent gives (for example 128).
int16_t LevelToPercent(int raw);

// The raw level of p per cent: the table for 0 to 100, 255 above 100, the
// uncoupled level from 105 on, 0 below 0.
int16_t PercentToLevel(int p);

// The level byte the central unit receives for a line's level: a dimmer
// (function type 2) gets per cent, any other type its level with 255 ("no
// level") sent as 1.
uint8_t ReceivedLevel(uint8_t functionType, uint8_t level);

}  // namespace ordalis
