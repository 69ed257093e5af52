// Colours by table and function pictures by kind and level.
#include "week/klok_control_rules.h"

#include <gtest/gtest.h>

namespace ordalis {
namespace {

TEST(KlokControlRules, EachTableHasItsColourAndUnknownTablesDrawBlack) {
  EXPECT_EQ((Rgb{0, 0, 0}), TableColour(kContinueTable));
  EXPECT_EQ((Rgb{255, 0, 0}), TableColour(kWorkdayTable));
  EXPECT_EQ((Rgb{0, 0, 255}), TableColour(kWeekendTable));
  EXPECT_EQ((Rgb{0, 255, 0}), TableColour(kSimulationTable));
  EXPECT_EQ((Rgb{255, 255, 0}), TableColour(kSpecialTable));
  EXPECT_EQ((Rgb{0, 0, 0}), TableColour(9));
}

TEST(KlokControlRules, SpecialKindsShowTheirPictureWhateverTheLevel) {
  for (uint8_t level : {0, 255}) {
    EXPECT_EQ(kPictureBuzzer, FunctionPictureOf(51, level));
    EXPECT_EQ(kPictureMessage, FunctionPictureOf(54, level));
    EXPECT_EQ(kPictureAudio, FunctionPictureOf(32, level));
    EXPECT_EQ(kPictureAudio, FunctionPictureOf(49, level));
    EXPECT_EQ(kPictureDay, FunctionPictureOf(26, level));
    EXPECT_EQ(kPictureNight, FunctionPictureOf(25, level));
    EXPECT_EQ(kPictureFrost, FunctionPictureOf(24, level));
    EXPECT_EQ(kPictureSensor, FunctionPictureOf(21, level));
    EXPECT_EQ(kPictureSensor, FunctionPictureOf(23, level));
    EXPECT_EQ(kPictureSensor, FunctionPictureOf(27, level));
  }
}

TEST(KlokControlRules, OtherKindsShowOnOrOffByTheLevel) {
  EXPECT_EQ(kPictureOn, FunctionPictureOf(1, 255));
  EXPECT_EQ(kPictureOn, FunctionPictureOf(2, 1));
  EXPECT_EQ(kPictureOff, FunctionPictureOf(1, 0));
  // The neighbours of the special ranges are ordinary kinds.
  EXPECT_EQ(kPictureOn, FunctionPictureOf(31, 5));
  EXPECT_EQ(kPictureOff, FunctionPictureOf(50, 0));
  EXPECT_EQ(kPictureOff, FunctionPictureOf(28, 0));
  EXPECT_EQ(kPictureOn, FunctionPictureOf(20, 9));
}

}  // namespace
}  // namespace ordalis
