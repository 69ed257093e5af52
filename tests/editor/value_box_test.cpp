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
  Texts texts;
  bool changed = false;
};

// What a typed text becomes in a level box of a type: the text shown and the
// level stored (-1: not checked), the type always kept.
TEST_F(ValueBoxTest, TypedLevelsAreReadByTheFormatOfTheType) {
  const struct {
    uint8_t type;
    const char* typed;
    uint8_t before;
    const char* shown;
    int raw;
  } cases[] = {
      {2, "50", 0, "50 %", 127},
      {2, "101", 0, "100 %", 255}, {2, "104", 0, "100 %", 255}, {2, "100,4", 0, "100 %", 255},
      {2, "105", 0, "Uncoupled", 3}, {2, "200", 0, "Uncoupled", 3}, {2, "-5", 0, "Uncoupled", 3},
      {2, "Uncoupled", 0, "Uncoupled", 3},
      {2, "12,5", 0, "12 %", -1}, {2, "13.5", 0, "14 %", -1}, {2, "99.5", 0, "100 %", -1},
      {1, "49", 255, "Off", 0}, {1, "50", 0, "On", 255}, {1, "104.5", 0, "Uncoupled", -1},
      {1, "uNCOUPLED", 0, "Uncoupled", 3}, {1, "UNCOUPLED  ", 0, "Uncoupled", 3}, {1, "on", 0, "On", -1},
      {1, "OFF", 255, "Off", -1},
      {8, "on", 0, "On", -1}, {8, "ON", 0, "On", -1}, {8, "70", 0, "On", 255}, {8, "30", 255, "Off", 0},
      {55, "up", 0, "Up", -1}, {55, "Down", 255, "Down", -1}, {55, "60", 0, "Up", -1},
      {51, "200", 0, "200", -1}, {51, "99999999999999999999", 0, "255", -1}, {51, "-7", 0, "0", -1},
      {2, "bright", 127, "0 %", 0}, {2, "0", 127, "0 %", 0},
      {1, "", 127, "????", 127}, {1, "", 1, "????", 1}
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + " \"" + c.typed + "\"");
    ValueBox box = typeLevel(c.type, c.typed, c.before);
    EXPECT_EQ(c.shown, box.Text);
    if (c.raw >= 0) {
      EXPECT_EQ(c.raw, box.raw());
    }
    EXPECT_EQ(c.type, box.type());
  }
  typeLevel(2, "50");
  EXPECT_FALSE(changed);
}

// The limits themselves are checked through the editor's repeat box.
TEST_F(ValueBoxTest, RepeatCountIsLimitedAndEmptyKeepsTheCount) {
  EXPECT_EQ(100, typeCount("250", 5).Value);
  EXPECT_EQ("5", typeCount("", 5).Text);
  EXPECT_TRUE(changed);
  EXPECT_EQ("42", typeCount("42 times", 5).Text);
  EXPECT_FALSE(changed);
}

TEST_F(ValueBoxTest, LimitsAreConvertedInPlaceToRawUnits) {
  const struct { ValueBox box; int format, min, max, rawMin, rawMax; } cases[] = {
      {ValueBox::level(2, 127), kLevelFormat, 10, 100, 25, 255},  // a dimmer
      {ValueBox::level(2, 127), kLevelFormat, 0, 105, 0, 256},    // Uncoupled allowed
      {ValueBox::level(52, 3), kLevelFormat, 0, 100, 1, 8},       // a button
      {ValueBox{"7", 7}, kNumberFormat, 1, 100, 1, 100}};
  for (auto c : cases) {
    NormaliseValueBox(texts, c.box, c.format, c.min, c.max);
    EXPECT_EQ(c.rawMin, c.min) << c.box.Text;
    EXPECT_EQ(c.rawMax, c.max) << c.box.Text;
  }
}

TEST_F(ValueBoxTest, LevelAboveAByteNeverSpillsIntoTheType) {
  ValueBox box = ValueBox::level(51, 10);
  box.Text = "300";
  int min = 0, max = 105;
  NormaliseValueBox(texts, box, kLevelFormat, min, max);
  EXPECT_EQ(51, box.type());
  EXPECT_EQ(255, box.raw());
}

// One step up or down from a stored level: the text shown and the level
// stored (nullptr / -1: not checked).
TEST_F(ValueBoxTest, StepsFollowTheFormatOfTheTypeWithinTheLimits) {
  const struct {
    uint8_t type, raw;
    bool up;
    int max;
    const char* shown;
    int stored;
  } cases[] = {
      {1, 255, false, 100, "Off", -1}, {1, 0, false, 100, nullptr, 0}, {1, 0, true, 100, "On", -1},
      {1, 255, true, 100, nullptr, 255},
      {1, 3, false, 100, nullptr, 255}, {1, 3, true, 100, nullptr, 255}, {2, 3, false, 100, nullptr, 255},
      {2, 3, true, 100, nullptr, 255},
      {2, 127, true, 100, "55 %", -1}, {2, 127, false, 100, "45 %", -1}, {2, 7, false, 100, "0 %", -1},
      {2, 252, true, 100, "100 %", -1}, {2, 255, true, 100, "100 %", -1},
      {2, 255, true, 105, "Uncoupled", -1}, {1, 255, true, 105, "Uncoupled", -1},
      {51, 10, true, 100, "11", -1}, {51, 0, false, 100, "0", -1}, {51, 255, true, 100, "255", -1},
      {52, 1, false, 100, "1", -1}, {52, 8, true, 100, "8", -1}, {52, 5, true, 100, "6", -1},
      {8, 255, false, 100, nullptr, 0}, {8, 0, true, 100, nullptr, 255}, {8, 0, false, 100, nullptr, 0}
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + " from " + std::to_string(c.raw) + (c.up ? " up" : " down"));
    ValueBox box = stepLevel(c.type, c.raw, c.up, c.max);
    if (c.shown) {
      EXPECT_EQ(c.shown, box.Text);
    }
    if (c.stored >= 0) {
      EXPECT_EQ(c.stored, box.raw());
    }
  }
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

}  // namespace
}  // namespace ordalis
