// Typing into and stepping the editor's value boxes, with the editor's
// limits: levels 0 % to 100 %, repeat counts 1 to 100.
#include <gtest/gtest.h>

#include "editor/upper_case.h"
#include "editor/value_box.h"

namespace ordalis {
namespace {

class ValueBoxTest : public ::testing::Test {
 protected:
  // Types text into a level box of the type that holds raw, then normalises.
  ValueBox typeLevel(uint8_t type, const std::string& text, uint8_t raw = 0) {
    ValueBox box = ValueBox::level(type, raw);
    box.Text = text;
    int min = 0, max = 100;
    changed = NormaliseValueBox(texts, box, kLevelFormat, min, max);
    return box;
  }
  ValueBox typeCount(const std::string& text, uint16_t count) {
    ValueBox box{text, count};
    int min = 1, max = 100;
    changed = NormaliseValueBox(texts, box, kNumberFormat, min, max);
    return box;
  }
  ValueBox stepLevel(uint8_t type, uint8_t raw, bool up, int max = 100) {
    ValueBox box = ValueBox::level(type, raw);
    box.Text = LevelBoxText(texts, raw, type);
    changed = StepValueBox(texts, up, box, kLevelFormat, 0, max);
    return box;
  }
  ValueBox stepCount(uint16_t count, bool up) {
    ValueBox box{std::to_string(count), count};
    changed = StepValueBox(texts, up, box, kNumberFormat, 1, 100);
    return box;
  }
  Texts texts;
  bool changed = false;
};

TEST_F(ValueBoxTest, DimmerBoxShowsTypedPercent) {
  ValueBox box = typeLevel(2, "50");
  EXPECT_EQ("50 %", box.Text);
  EXPECT_EQ(127, box.raw());
  EXPECT_EQ(2, box.type());
  EXPECT_FALSE(changed);
}

TEST_F(ValueBoxTest, DimmerBoxTakesJustAbove100AsFull) {
  for (const char* typed : {"101", "104", "100,4"}) {
    ValueBox box = typeLevel(2, typed);
    EXPECT_EQ("100 %", box.Text) << typed;
    EXPECT_EQ(255, box.raw()) << typed;
  }
}

TEST_F(ValueBoxTest, DimmerBoxTakesFarAboveOrBelowAsUncoupled) {
  for (const char* typed : {"105", "200", "-5", "Uncoupled"}) {
    ValueBox box = typeLevel(2, typed);
    EXPECT_EQ("Uncoupled", box.Text) << typed;
    EXPECT_EQ(3, box.raw()) << typed;
  }
}

TEST_F(ValueBoxTest, DimmerBoxRoundsHalvesToEven) {
  EXPECT_EQ("12 %", typeLevel(2, "12,5").Text);
  EXPECT_EQ("14 %", typeLevel(2, "13.5").Text);
  EXPECT_EQ("100 %", typeLevel(2, "99.5").Text);
}

TEST_F(ValueBoxTest, RelayBoxSwitchesAtFiftyPercent) {
  EXPECT_EQ("Off", typeLevel(1, "49", 255).Text);
  EXPECT_EQ(0, typeLevel(1, "49", 255).raw());
  EXPECT_EQ("On", typeLevel(1, "50").Text);
  EXPECT_EQ(255, typeLevel(1, "50").raw());
  EXPECT_EQ("Uncoupled", typeLevel(1, "104.5").Text);
}

TEST_F(ValueBoxTest, WordsCountInAnyLetterCase) {
  EXPECT_EQ("Uncoupled", typeLevel(1, "uNCOUPLED").Text);
  EXPECT_EQ(3, typeLevel(1, "UNCOUPLED  ").raw());
  EXPECT_EQ("On", typeLevel(1, "on").Text);
  EXPECT_EQ("Off", typeLevel(1, "OFF", 255).Text);
}

TEST_F(ValueBoxTest, LocalMoodBoxReadsOnOffAndPercent) {
  EXPECT_EQ("On", typeLevel(8, "on").Text);
  EXPECT_EQ("On", typeLevel(8, "ON").Text);
  EXPECT_EQ(255, typeLevel(8, "70").raw());
  EXPECT_EQ("Off", typeLevel(8, "30", 255).Text);
  EXPECT_EQ(0, typeLevel(8, "30", 255).raw());
}

TEST_F(ValueBoxTest, MotorBoxReadsUpAndDown) {
  EXPECT_EQ("Up", typeLevel(55, "up").Text);
  EXPECT_EQ("Down", typeLevel(55, "Down", 255).Text);
  EXPECT_EQ("Up", typeLevel(55, "60").Text);
}

TEST_F(ValueBoxTest, ButtonSimulationIsLimitedToButtonsOneToEight) {
  EXPECT_EQ("8", typeLevel(52, "12").Text);
  EXPECT_TRUE(changed);
  EXPECT_EQ("1", typeLevel(52, "0").Text);
  EXPECT_TRUE(changed);
  EXPECT_EQ("4", typeLevel(52, "4").Text);
  EXPECT_FALSE(changed);
}

TEST_F(ValueBoxTest, BuzzerKeepsItsNumberWithinAByte) {
  EXPECT_EQ("200", typeLevel(51, "200").Text);
  EXPECT_EQ("255", typeLevel(51, "99999999999999999999").Text);
  EXPECT_EQ("0", typeLevel(51, "-7").Text);
}

TEST_F(ValueBoxTest, UnreadableTextCountsAsZero) {
  EXPECT_EQ("0 %", typeLevel(2, "bright", 127).Text);
  EXPECT_EQ(0, typeLevel(2, "bright", 127).raw());
}

TEST_F(ValueBoxTest, EmptyTextKeepsTheLevelButAppliesTheLimits) {
  ValueBox high = typeLevel(52, "", 255);
  EXPECT_EQ("8", high.Text);
  EXPECT_EQ(8, high.raw());
  EXPECT_EQ("1", typeLevel(52, "  ", 0).Text);
  EXPECT_TRUE(changed);
}

TEST_F(ValueBoxTest, DimmerLevelMovedToARelayShowsQuestionMarksAndKeepsIt) {
  ValueBox box = typeLevel(1, "", 127);
  EXPECT_EQ("????", box.Text);
  EXPECT_EQ(127, box.raw());
  EXPECT_EQ(1, box.type());
}

TEST_F(ValueBoxTest, RepeatCountIsLimitedAndEmptyKeepsTheCount) {
  EXPECT_EQ("1", typeCount("0", 5).Text);
  EXPECT_EQ("100", typeCount("250", 5).Text);
  EXPECT_EQ(100, typeCount("250", 5).Value);
  EXPECT_EQ("5", typeCount("", 5).Text);
  EXPECT_TRUE(changed);
  EXPECT_EQ("42", typeCount("42 times", 5).Text);
  EXPECT_FALSE(changed);
}

TEST_F(ValueBoxTest, LimitsAreConvertedInPlaceToRawUnits) {
  ValueBox dimmer = ValueBox::level(2, 127);
  int min = 10, max = 100;
  NormaliseValueBox(texts, dimmer, kLevelFormat, min, max);
  EXPECT_EQ(25, min);
  EXPECT_EQ(255, max);

  ValueBox uncoupledAllowed = ValueBox::level(2, 127);
  min = 0, max = 105;
  NormaliseValueBox(texts, uncoupledAllowed, kLevelFormat, min, max);
  EXPECT_EQ(256, max);

  ValueBox button = ValueBox::level(52, 3);
  min = 0, max = 100;
  NormaliseValueBox(texts, button, kLevelFormat, min, max);
  EXPECT_EQ(1, min);
  EXPECT_EQ(8, max);

  ValueBox count{"7", 7};
  min = 1, max = 100;
  NormaliseValueBox(texts, count, kNumberFormat, min, max);
  EXPECT_EQ(1, min);
  EXPECT_EQ(100, max);
}

TEST_F(ValueBoxTest, LevelAboveAByteNeverSpillsIntoTheType) {
  ValueBox box = ValueBox::level(51, 10);
  box.Text = "300";
  int min = 0, max = 105;
  NormaliseValueBox(texts, box, kLevelFormat, min, max);
  EXPECT_EQ(51, box.type());
  EXPECT_EQ(255, box.raw());
}

TEST_F(ValueBoxTest, RelayStepsBetweenOffAndOn) {
  EXPECT_EQ("Off", stepLevel(1, 255, false).Text);
  EXPECT_EQ(0, stepLevel(1, 0, false).raw());
  EXPECT_EQ("On", stepLevel(1, 0, true).Text);
  EXPECT_EQ(255, stepLevel(1, 255, true).raw());
}

TEST_F(ValueBoxTest, UncoupledStepsToFullEitherWay) {
  for (uint8_t type : {1, 2}) {
    EXPECT_EQ(255, stepLevel(type, 3, false).raw()) << int(type);
    EXPECT_EQ(255, stepLevel(type, 3, true).raw()) << int(type);
  }
}

TEST_F(ValueBoxTest, DimmerStepsByFivePercentWithinTheLimits) {
  EXPECT_EQ("55 %", stepLevel(2, 127, true).Text);
  EXPECT_EQ("45 %", stepLevel(2, 127, false).Text);
  EXPECT_EQ("0 %", stepLevel(2, 7, false).Text);
  EXPECT_EQ("100 %", stepLevel(2, 252, true).Text);
  EXPECT_EQ("100 %", stepLevel(2, 255, true).Text);
}

TEST_F(ValueBoxTest, StepsReachUncoupledOnlyWhenTheMaxAllowsIt) {
  EXPECT_EQ("Uncoupled", stepLevel(2, 255, true, 105).Text);
  EXPECT_EQ("Uncoupled", stepLevel(1, 255, true, 105).Text);
}

TEST_F(ValueBoxTest, BuzzerAndButtonStepByOne) {
  EXPECT_EQ("11", stepLevel(51, 10, true).Text);
  EXPECT_EQ("0", stepLevel(51, 0, false).Text);
  EXPECT_EQ("255", stepLevel(51, 255, true).Text);
  EXPECT_EQ("1", stepLevel(52, 1, false).Text);
  EXPECT_EQ("8", stepLevel(52, 8, true).Text);
  EXPECT_EQ("6", stepLevel(52, 5, true).Text);
}

TEST_F(ValueBoxTest, OtherLevelsStepBetweenOffAndOn) {
  EXPECT_EQ(0, stepLevel(8, 255, false).raw());
  EXPECT_EQ(255, stepLevel(8, 0, true).raw());
  EXPECT_EQ(0, stepLevel(8, 0, false).raw());
}

TEST_F(ValueBoxTest, RepeatCountStepsByOneWithinOneToHundred) {
  EXPECT_EQ("6", stepCount(5, true).Text);
  EXPECT_EQ("4", stepCount(5, false).Text);
  EXPECT_EQ("1", stepCount(1, false).Text);
  EXPECT_EQ("100", stepCount(100, true).Text);
}

TEST_F(ValueBoxTest, StepUsesWhatWasTypedAndReturnsTheNormalisation) {
  ValueBox box = ValueBox::level(2, 0);
  box.Text = "50";
  EXPECT_FALSE(StepValueBox(texts, true, box, kLevelFormat, 0, 100));
  EXPECT_EQ("55 %", box.Text);
  box.Text = "";
  EXPECT_TRUE(StepValueBox(texts, true, box, kLevelFormat, 0, 100, 20));
  EXPECT_EQ("75 %", box.Text);
}

TEST(UpperCase, RaisesAsciiAndLatinLetters) {
  EXPECT_EQ("UNCOUPLED", UpperCase("Uncoupled"));
  EXPECT_EQ("D\xC3\x89SACCOUPL\xC3\x89", UpperCase("d\xC3\xA9" "saccoupl\xC3\xA9"));
  EXPECT_EQ("\xC3\xB7\xC3\x9F", UpperCase("\xC3\xB7\xC3\x9F"));
  EXPECT_EQ("12 %", UpperCase("12 %"));
}

}  // namespace
}  // namespace ordalis
