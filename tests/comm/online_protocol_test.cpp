// The on-line protocol without a line: command payloads and their argument
// checks, framing and the receive state machine, and what answers mean.
#include <gtest/gtest.h>

#include <vector>

#include "comm/online_commands.h"
#include "comm/online_events.h"
#include "comm/online_frame.h"

namespace ordalis {
namespace {

using Bytes = std::vector<uint8_t>;
using K = OnLineEventKind;

TEST(OnLineCommands, SendTheirPayloadOrRefuseAtTheFirstFailingArgument) {
  const struct {
    OnLineCommand command;
    int result;
    Bytes payload;
  } cases[] = {
      {SetRelay(5, 1), 0, {1, 1, 5, 1}}, {SetRelay(144, 255), 0, {1, 1, 144, 255}},
      {SetRelay(145, 1), -2, {}}, {SetRelay(0, 1), -2, {}}, {SetRelay(1, 2), -3, {}},
      {SetDimmer(1, 255), 0, {1, 2, 1, 255}}, {SetDimmer(120, 0), 0, {1, 2, 120, 0}},
      {SetDimmer(1, 100), 0, {1, 2, 1, 100}}, {SetDimmer(0, 50), -2, {}}, {SetDimmer(121, 50), -2, {}},
      {SetDimmer(1, 101), -3, {}}, {SetDimmer(1, 254), -3, {}},
      {SetLocalMood(99, 0), 0, {1, 8, 99, 0}}, {SetLocalMood(100, 1), -2, {}}, {SetLocalMood(-1, 1), -2, {}},
      {SetLocalMood(0, 2), -3, {}}, {SetTimedLocalMood(9, 255), 0, {1, 9, 9, 255}},
      {SetTimedLocalMood(0, 1), 0, {1, 9, 0, 1}}, {SetTimedLocalMood(10, 1), -2, {}},
      {SetTimedLocalMood(0, 254), -3, {}}, {SetGeneralMood(19), 0, {1, 10, 19, 255}},
      {SetGeneralMood(0), 0, {1, 10, 0, 255}}, {SetGeneralMood(20), -2, {}}, {SetGeneralMood(-1), -2, {}},
      {KeyPress(100, 8), 0, {1, 52, 100, 8}}, {KeyPress(0, 1), 0, {1, 52, 0, 1}}, {KeyPress(101, 1), -2, {}},
      {KeyPress(-1, 1), -2, {}}, {KeyPress(100, 0), -3, {}}, {KeyPress(0, 9), -3, {}},
      // the function itself is never checked, its output and state are
      {SetFunction(2, 7, 127), 0, {1, 2, 7, 127}}, {SetFunction(200, 0, 255), 0, {1, 200, 0, 255}},
      {SetFunction(1, 145, 0), -2, {}}, {SetFunction(1, -1, 0), -2, {}}, {SetFunction(1, 0, 256), -3, {}},
      {SetFunction(1, 0, -1), -3, {}}, {SetFunction(1, 145, 300), -2, {}},
      {GetRelayState(255), 0, {2, 1, 255}}, {GetRelayState(0), -2, {}}, {GetRelayState(145), -2, {}},
      {GetDimmerLevel(120), 0, {2, 2, 120}}, {GetDimmerLevel(255), 0, {2, 2, 255}},
      {GetDimmerLevel(121), -2, {}}, {GetDimmerLevel(0), -2, {}},
      {GetFunctionState(15, 144), 0, {2, 15, 144}}, {GetFunctionState(1, 0), -2, {}},
      {GetFunctionState(1, 254), -2, {}},
  };
  int row = 0;
  for (const auto& c : cases) {
    EXPECT_EQ(c.command.result, c.result) << "row " << row;
    EXPECT_EQ(c.command.payload, c.payload) << "row " << row++;
  }
}

TEST(OnLineCommands, TestOnLineSendsADimmersLevelInPerCentAndOtherLevelsAsTheyAre) {
  const int cases[][3] = {{2, 127, 50}, {2, 255, 100}, {2, 3, 105}, {1, 255, 255}, {8, 0, 0}};
  for (const auto& c : cases) EXPECT_EQ(TestOnLineState(c[0], c[1]), c[2]) << c[0] << " " << c[1];
}

TEST(Frame, TheChecksumIsTheLowByteOfTheSumOfEverythingBefore) {
  EXPECT_EQ(EncodeFrame(Bytes{1, 2, 120, 255}), (Bytes{0x02, 0x06, 1, 2, 120, 255, (2 + 6 + 1 + 2 + 120 + 255) & 0xFF}));
}

using Frames = std::vector<std::pair<Bytes, bool>>;

// A receiver fed `bytes`, keeping every frame it completed with whether its
// checksum matched.
struct Fed {
  explicit Fed(const Bytes& bytes) {
    for (uint8_t byte : bytes) receiver.receive(byte);
  }
  Frames frames;
  FrameReceiver receiver{[this](std::span<const uint8_t> frame, bool matches) {
    frames.emplace_back(Bytes(frame.begin(), frame.end()), matches);
  }};
};

TEST(FrameReceiver, EndsEachFrameAtItsLengthWhateverItsBytesOrChecksum) {
  const Fed good({0x02, 0x03, 0x00, 0x05});
  EXPECT_EQ(good.frames, (Frames{{{0x02, 0x03, 0x00, 0x05}, true}}));
  EXPECT_FALSE(good.receiver.InFrame());
  const Fed bad({0x02, 0x03, 0x00, 0x06});
  EXPECT_EQ(bad.frames, (Frames{{{0x02, 0x03, 0x00, 0x06}, false}}));
  EXPECT_FALSE(bad.receiver.InFrame());
  const Bytes relayReport = EncodeFrame(Bytes{8, 1, 2, 1});  // output 2 carries a start byte
  EXPECT_EQ(Fed(relayReport).frames, (Frames{{relayReport, true}}));
  Bytes two = EncodeFrame(Bytes{0});
  two.insert(two.end(), relayReport.begin(), relayReport.end());
  EXPECT_EQ(Fed(two).frames, (Frames{{EncodeFrame(Bytes{0}), true}, {relayReport, true}}));
  // a length too short for a payload ends the frame at its third byte
  EXPECT_EQ(Fed({0x02, 0x01, 0x03, 0x02, 0x03, 0x00, 0x05}).frames,
            (Frames{{{0x02, 0x01, 0x03}, true}, {{0x02, 0x03, 0x00, 0x05}, true}}));
}

TEST(FrameTimeOut, BytesWaitingAtThePortKeepTheFrame) {
  Fed partial({0x02, 0x06});
  partial.receiver.timerTick(true);
  partial.receiver.timerTick(true);
  EXPECT_TRUE(partial.receiver.InFrame());
}

OnLineEvent dispatch(std::vector<uint8_t> payload) {
  std::optional<OnLineEvent> event = DispatchAnswer(payload);
  EXPECT_TRUE(event.has_value());
  return event.value_or(OnLineEvent{});
}

TEST(Answers, StatusCodesRaiseErrMsgWithTheirFixedTextAndUnknownOnesNothing) {
  const std::pair<int, const char*> cases[] = {
      {0, "All OK"}, {1, "Invalid CheckSum"}, {2, "Invalid Command"}, {3, "Invalid Command-Lenght"},
      {5, "Switch Not Assigned/Active"}, {7, "Load level out of range"}, {10, "Load not Available"},
      {14, "Function not available"}};
  for (const auto& [code, text] : cases) {
    const OnLineEvent e = dispatch({static_cast<uint8_t>(code)});
    EXPECT_EQ(e.kind, K::ErrMsg);
    EXPECT_EQ(e.args[0], code);
    EXPECT_EQ(e.text, text);
  }
  const OnLineEvent problem = CommunicationProblemEvent();  // a checksum error
  EXPECT_EQ(std::tuple(problem.kind, problem.args[0], problem.text), std::tuple(K::ErrMsg, 255, "Communication problem"));
  for (const Bytes& nothing : {Bytes{9}, Bytes{255, 1, 2, 3}, Bytes{}}) EXPECT_FALSE(DispatchAnswer(nothing));
}

TEST(Answers, FunctionStatesReportOnForAnyNonZeroValueExceptAudioAndDimmersAndKeysPassTheirBytes) {
  const std::pair<uint8_t, K> onOff[] = {{1, K::Relay}, {8, K::LocalMood}, {9, K::TimedLocalMood},
                                         {10, K::GeneralMood}, {15, K::FlagState}, {3, K::ProcessState},
                                         {60, K::ConditionState}};
  for (const auto& [type, kind] : onOff) {
    const OnLineEvent on = dispatch({8, type, 17, 200});
    EXPECT_EQ(on.kind, kind);
    EXPECT_EQ(on.args[0], 17);
    EXPECT_EQ(on.args[1], 1);
    EXPECT_EQ(dispatch({8, type, 17, 0}).args[1], 0);
  }
  const OnLineEvent audio = dispatch({8, 31, 4, 77});
  EXPECT_EQ(audio.kind, K::Audio);
  EXPECT_EQ(audio.args[1], 77);
  const OnLineEvent regime = dispatch({8, 14, 3, 1});
  EXPECT_EQ(regime.kind, K::RegimeState);
  EXPECT_EQ(regime.args[0], 3);
  const std::pair<uint8_t, int> dimmer[] = {{127, 50}, {3, 255}, {1, 0}, {255, 100}};
  for (const auto& [raw, percent] : dimmer) EXPECT_EQ(dispatch({8, 2, 6, raw}).args[1], percent) << int{raw};
  EXPECT_EQ(DimLevelPercent(2), 1) << "the first per cent that gives the level";
  EXPECT_EQ(DimLevelPercent(128), 0) << "no per cent gives 128";
  const OnLineEvent key = dispatch({4, 12, 3, 200});  // a key press passes its three bytes
  EXPECT_EQ(key.kind, K::TpKey);
  EXPECT_EQ(key.args, (std::array<int, 3>{12, 3, 200}));
  EXPECT_EQ(dispatch({4, 12}).args, (std::array<int, 3>{12, 0, 0})) << "bytes the frame does not carry read as zero";
}

TEST(Answers, SensorReportsAreConvertedByKindAndRaw240MeansNoValue) {
  const struct {
    uint8_t kind, raw;
    K event;
    double value;
  } cases[] = {{1, 100, K::Temperature, 10.0}, {129, 81, K::TemperatureSet, 0.5}, {2, 55, K::Humidity, 55.0},
               {3, 80, K::Light, 99.0},        {4, 80, K::Light, 99.0},           {5, 80, K::Light, 99.0},
               {131, 80, K::LightLevelSet, 99.0}, {132, 80, K::LightLevelSet, 99.0},
               {133, 80, K::LightLevelSet, 99.0}};
  for (const auto& c : cases) {
    const OnLineEvent e = dispatch({6, c.kind, 4, c.raw});
    EXPECT_EQ(e.kind, c.event) << int{c.kind};
    EXPECT_EQ(e.args[0], 4);
    EXPECT_DOUBLE_EQ(e.value, c.value) << int{c.kind};
    EXPECT_DOUBLE_EQ(dispatch({6, c.kind, 1, 240}).value, 255.0) << int{c.kind};
  }
}

TEST(LightConversion, RoundsToWholeNumbersAboveTwentyOneDecimalDownToOneAndTwoBelow) {
  const std::pair<int, double> cases[] = {{80, 99.0}, {60, 31.0} /* 30.62 */, {20, 2.2} /* 2.162 */,
                                          {28, 4.0},  {0, 0.0},   {4, 0.26} /* 0.2589 */, {12, 1.0} /* 0.9953 */};
  for (const auto& [raw, value] : cases) EXPECT_DOUBLE_EQ(LightValue(raw), value) << raw;
}

}  // namespace
}  // namespace ordalis
