// What the central's answers mean: status texts, reports and conversions.
#include <gtest/gtest.h>

#include <vector>

#include "comm/online_events.h"

namespace ordalis {
namespace {

using K = OnLineEventKind;

OnLineEvent dispatch(std::vector<uint8_t> payload) {
  std::optional<OnLineEvent> event = DispatchAnswer(payload);
  EXPECT_TRUE(event.has_value());
  return event.value_or(OnLineEvent{});
}

bool raisesNothing(std::vector<uint8_t> payload) { return !DispatchAnswer(payload).has_value(); }

struct StatusCase {
  int code;
  const char* text;
};

class StatusAnswers : public testing::TestWithParam<StatusCase> {};

TEST_P(StatusAnswers, RaiseErrMsgWithTheirCodeAndFixedText) {
  const OnLineEvent e = dispatch({static_cast<uint8_t>(GetParam().code)});
  EXPECT_EQ(e.kind, K::ErrMsg);
  EXPECT_EQ(e.args[0], GetParam().code);
  EXPECT_EQ(e.text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(EveryStatus, StatusAnswers,
                         testing::Values(StatusCase{0, "All OK"}, StatusCase{1, "Invalid CheckSum"},
                                         StatusCase{2, "Invalid Command"},
                                         StatusCase{3, "Invalid Command-Lenght"},
                                         StatusCase{5, "Switch Not Assigned/Active"},
                                         StatusCase{7, "Load level out of range"},
                                         StatusCase{10, "Load not Available"},
                                         StatusCase{14, "Function not available"}));

TEST(Answers, AChecksumErrorIsACommunicationProblem) {
  const OnLineEvent e = CommunicationProblemEvent();
  EXPECT_EQ(e.kind, K::ErrMsg);
  EXPECT_EQ(e.args[0], 255);
  EXPECT_EQ(e.text, "Communication problem");
}

TEST(Answers, UnknownCodesAndEmptyPayloadsRaiseNothing) {
  EXPECT_TRUE(raisesNothing({9}));
  EXPECT_TRUE(raisesNothing({255, 1, 2, 3}));
  EXPECT_TRUE(raisesNothing({}));
}

TEST(Answers, AKeyPressPassesItsThreeBytes) {
  const OnLineEvent e = dispatch({4, 12, 3, 200});
  EXPECT_EQ(e.kind, K::TpKey);
  EXPECT_EQ(e.args, (std::array<int, 3>{12, 3, 200}));
}

TEST(Answers, BytesTheFrameDoesNotCarryReadAsZero) {
  const OnLineEvent e = dispatch({4, 12});
  EXPECT_EQ(e.args, (std::array<int, 3>{12, 0, 0}));
}

struct StateCase {
  uint8_t type;
  K kind;
};

class FunctionStates : public testing::TestWithParam<StateCase> {};

TEST_P(FunctionStates, ReportOnForAnyNonZeroValueAndOffForZero) {
  const OnLineEvent on = dispatch({8, GetParam().type, 17, 200});
  EXPECT_EQ(on.kind, GetParam().kind);
  EXPECT_EQ(on.args[0], 17);
  EXPECT_EQ(on.args[1], 1);
  EXPECT_EQ(dispatch({8, GetParam().type, 17, 0}).args[1], 0);
}

INSTANTIATE_TEST_SUITE_P(EveryOnOffType, FunctionStates,
                         testing::Values(StateCase{1, K::Relay}, StateCase{8, K::LocalMood},
                                         StateCase{9, K::TimedLocalMood}, StateCase{10, K::GeneralMood},
                                         StateCase{15, K::FlagState}, StateCase{3, K::ProcessState},
                                         StateCase{60, K::ConditionState}));

TEST(FunctionStates, AudioPassesItsRawByteAndRegimeOnlyItsNumber) {
  const OnLineEvent audio = dispatch({8, 31, 4, 77});
  EXPECT_EQ(audio.kind, K::Audio);
  EXPECT_EQ(audio.args[1], 77);
  const OnLineEvent regime = dispatch({8, 14, 3, 1});
  EXPECT_EQ(regime.kind, K::RegimeState);
  EXPECT_EQ(regime.args[0], 3);
}

TEST(Dimmer, ReportsItsLevelInPerCent) {
  EXPECT_EQ(dispatch({8, 2, 6, 127}).args[1], 50);
  EXPECT_EQ(dispatch({8, 2, 6, 3}).args[1], 255);
  EXPECT_EQ(dispatch({8, 2, 6, 1}).args[1], 0);
  EXPECT_EQ(dispatch({8, 2, 6, 255}).args[1], 100);
}

TEST(Dimmer, ALevelIsTheFirstPerCentThatGivesIt) {
  EXPECT_EQ(DimLevelPercent(0), 0);
  EXPECT_EQ(DimLevelPercent(2), 1);
  EXPECT_EQ(DimLevelPercent(128), 0);  // no per cent gives 128
}

TEST(Sensors, TemperatureIsHalfTheRawValueLessForty) {
  const OnLineEvent e = dispatch({6, 1, 4, 100});
  EXPECT_EQ(e.kind, K::Temperature);
  EXPECT_EQ(e.args[0], 4);
  EXPECT_DOUBLE_EQ(e.value, 10.0);
  EXPECT_DOUBLE_EQ(dispatch({6, 129, 4, 81}).value, 0.5);
  EXPECT_EQ(dispatch({6, 129, 4, 81}).kind, K::TemperatureSet);
}

TEST(Sensors, Raw240MeansNoValueForEveryKind) {
  for (uint8_t kind : {1, 129, 2, 3, 4, 5, 131, 132, 133})
    EXPECT_DOUBLE_EQ(dispatch({6, kind, 1, 240}).value, 255.0) << int(kind);
}

TEST(Sensors, HumidityIsTheRawValue) {
  const OnLineEvent e = dispatch({6, 2, 1, 55});
  EXPECT_EQ(e.kind, K::Humidity);
  EXPECT_DOUBLE_EQ(e.value, 55.0);
}

TEST(Sensors, LightKindsReportTheConvertedValue) {
  for (uint8_t kind : {3, 4, 5}) EXPECT_EQ(dispatch({6, kind, 1, 80}).kind, K::Light);
  for (uint8_t kind : {131, 132, 133}) EXPECT_EQ(dispatch({6, kind, 1, 80}).kind, K::LightLevelSet);
  EXPECT_DOUBLE_EQ(dispatch({6, 3, 1, 80}).value, 99.0);
}

TEST(LightConversion, RoundsToWholeNumbersAboveTwenty) {
  EXPECT_DOUBLE_EQ(LightValue(80), 99.0);
  EXPECT_DOUBLE_EQ(LightValue(60), 31.0);  // 30.62
}

TEST(LightConversion, RoundsToOneDecimalFromOneToTwenty) {
  EXPECT_DOUBLE_EQ(LightValue(20), 2.2);  // 2.162
  EXPECT_DOUBLE_EQ(LightValue(28), 4.0);  // 4.012
}

TEST(LightConversion, RoundsToTwoDecimalsBelowOne) {
  EXPECT_DOUBLE_EQ(LightValue(0), 0.0);
  EXPECT_DOUBLE_EQ(LightValue(4), 0.26);  // 0.2589
  EXPECT_DOUBLE_EQ(LightValue(12), 1.0);  // 0.9953 to two decimals
}

}  // namespace
}  // namespace ordalis
