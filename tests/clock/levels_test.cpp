// Per-cent table and the conversions between per cent and raw dim levels.
#include <gtest/gtest.h>

#include "clock/levels.h"

namespace ordalis {
namespace {

// Each per cent's raw level is the integer part of p * 2.55 (101 is the
// uncoupled level 3); the conversion back finds every per cent, reads
// uncoupled as 105 and any other level as zero.
TEST(Levels, PercentAndRawLevelConvertBothWays) {
  for (int p = 0; p <= 100; ++p) {
    EXPECT_EQ(p * 255 / 100, PercentLevels[p]) << p;
    EXPECT_EQ(p, LevelToPercent(PercentLevels[p])) << p;
    EXPECT_EQ(PercentLevels[p], PercentToLevel(p)) << p;
  }
  EXPECT_EQ(3, PercentLevels[101]);
  const std::pair<int, int> toPercent[] = {{3, 105}, {128, 0}, {1, 0}, {-4, 0}, {300, 0}};
  for (const auto& [level, percent] : toPercent) EXPECT_EQ(percent, LevelToPercent(level)) << level;
  const std::pair<int, int> toLevel[] = {{-1, 0}, {101, 255}, {104, 255}, {105, 3}, {200, 3}};
  for (const auto& [percent, level] : toLevel) EXPECT_EQ(level, PercentToLevel(percent)) << percent;
}

}  // namespace
}  // namespace ordalis
