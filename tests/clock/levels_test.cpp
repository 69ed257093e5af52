// Per-cent table and the conversions between per cent and raw dim levels.
#include <gtest/gtest.h>

#include "clock/levels.h"

namespace ordalis {
namespace {

TEST(PercentLevels, HoldTheIntegerPartOfTheRawLevelOfEachPercent) {
  EXPECT_EQ(0, PercentLevels[0]);
  EXPECT_EQ(2, PercentLevels[1]);
  EXPECT_EQ(5, PercentLevels[2]);
  EXPECT_EQ(7, PercentLevels[3]);
  EXPECT_EQ(127, PercentLevels[50]);
  EXPECT_EQ(252, PercentLevels[99]);
  EXPECT_EQ(255, PercentLevels[100]);
  EXPECT_EQ(3, PercentLevels[101]);
}

TEST(LevelToPercent, FindsThePercentOfATableLevel) {
  EXPECT_EQ(50, LevelToPercent(127));
  EXPECT_EQ(0, LevelToPercent(0));
  EXPECT_EQ(100, LevelToPercent(255));
  for (int p = 0; p <= 100; ++p) EXPECT_EQ(p, LevelToPercent(PercentLevels[p]));
}

TEST(LevelToPercent, ReadsUncoupledAs105AndOtherLevelsAsZero) {
  EXPECT_EQ(105, LevelToPercent(3));
  EXPECT_EQ(0, LevelToPercent(128));
  EXPECT_EQ(0, LevelToPercent(1));
  EXPECT_EQ(0, LevelToPercent(-4));
  EXPECT_EQ(0, LevelToPercent(300));
}

TEST(PercentToLevel, CoversEveryRangeOfPercent) {
  EXPECT_EQ(0, PercentToLevel(-1));
  EXPECT_EQ(0, PercentToLevel(0));
  EXPECT_EQ(127, PercentToLevel(50));
  EXPECT_EQ(255, PercentToLevel(100));
  EXPECT_EQ(255, PercentToLevel(101));
  EXPECT_EQ(255, PercentToLevel(102));
  EXPECT_EQ(255, PercentToLevel(104));
  EXPECT_EQ(3, PercentToLevel(105));
  EXPECT_EQ(3, PercentToLevel(200));
}

}  // namespace
}  // namespace ordalis
