// Texts of raw values, and the leading number of what the user typed.
#include <gtest/gtest.h>

#include "functions/value_text.h"

namespace ordalis {
namespace {

class ValueTextTest : public ::testing::Test {
 protected:
  std::string level(int raw, uint8_t type) { return ValueText(texts, kLevelFormat, raw, type); }
  Texts texts;
};

TEST_F(ValueTextTest, RelayLevelsReadOnOffAndUncoupled) {
  EXPECT_EQ("Off", level(0, 1));
  EXPECT_EQ("On", level(255, 1));
  EXPECT_EQ("Uncoupled", level(3, 1));
  EXPECT_EQ("????", level(2, 1));
}

TEST_F(ValueTextTest, DimmerLevelsReadInPercent) {
  EXPECT_EQ("50 %", level(127, 2));
  EXPECT_EQ("100 %", level(255, 2));
  EXPECT_EQ("0 %", level(128, 2));
  EXPECT_EQ("Uncoupled", level(3, 2));
}

TEST_F(ValueTextTest, BuzzerAndButtonLevelsAreShownAsTheyAre) {
  EXPECT_EQ("200", level(200, 51));
  EXPECT_EQ("7", level(7, 52));
}

TEST_F(ValueTextTest, MotorUpDownReadsUpAndDown) {
  EXPECT_EQ("Down", level(0, 55));
  EXPECT_EQ("Up", level(255, 55));
  EXPECT_EQ("????", level(127, 55));
}

TEST_F(ValueTextTest, OtherTypesReadOnOrOff) {
  EXPECT_EQ("Off", level(0, 8));
  EXPECT_EQ("On", level(255, 10));
  EXPECT_EQ("????", level(3, 8));
}

TEST_F(ValueTextTest, SecondsAndNumbers) {
  EXPECT_EQ("30 Sec", ValueText(texts, kSecondsFormat, 30, 5));
  EXPECT_EQ("30 Sec", ValueText(texts, kSecondsFormat, 30, 0));
  EXPECT_EQ("12", ValueText(texts, kNumberFormat, 12, 0));
}

TEST(NumericPart, TakesTheLeadingNumberOfATypedText) {
  EXPECT_EQ("55", NumericPart(" 55 %"));
  EXPECT_EQ("12.5", NumericPart("12,5 s"));
  EXPECT_EQ("-3", NumericPart("-3"));
  EXPECT_EQ("", NumericPart("Off"));
  EXPECT_EQ("", NumericPart(""));
}

TEST(NumericPart, StopsAtTheSecondDecimalPointOrMinusSign) {
  EXPECT_EQ("1.2", NumericPart("1.2.3"));
  EXPECT_EQ("1.2", NumericPart("1,2.3"));
  EXPECT_EQ("-", NumericPart("--5"));
  EXPECT_EQ("5-3", NumericPart("5-3-"));
}

TEST(NumericPart, SkipsLettersBeforeTheNumber) {
  EXPECT_EQ("12", NumericPart("abc12def"));
  EXPECT_EQ("7", NumericPart("Level 7"));
}

TEST(ReadNumericPart, ReadsWhatNumericPartLeaves) {
  EXPECT_DOUBLE_EQ(55, ReadNumericPart("55"));
  EXPECT_DOUBLE_EQ(12.5, ReadNumericPart("12.5"));
  EXPECT_DOUBLE_EQ(-3, ReadNumericPart("-3"));
  EXPECT_DOUBLE_EQ(5, ReadNumericPart("5-"));
  EXPECT_DOUBLE_EQ(0.5, ReadNumericPart(".5"));
  EXPECT_DOUBLE_EQ(0, ReadNumericPart(""));
  EXPECT_DOUBLE_EQ(0, ReadNumericPart("-"));
  EXPECT_DOUBLE_EQ(0, ReadNumericPart("."));
}

TEST(ReadNumericPart, ReadsAnEndlessNumberAsHuge) {
  const std::string digits(400, '9');
  EXPECT_GT(ReadNumericPart(digits), 1e300);
  EXPECT_LT(ReadNumericPart("-" + digits), -1e300);
  EXPECT_DOUBLE_EQ(0, ReadNumericPart("0." + std::string(400, '0') + "1"));
}

}  // namespace
}  // namespace ordalis
