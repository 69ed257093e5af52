// The on-line commands: their payloads and every argument check.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "comm/online_commands.h"

namespace ordalis {
namespace {

using Bytes = std::vector<uint8_t>;

void expectSent(const OnLineCommand& command, const Bytes& payload) {
  EXPECT_EQ(command.result, 0);
  EXPECT_EQ(command.payload, payload);
}

void expectRefused(const OnLineCommand& command, int result) {
  EXPECT_EQ(command.result, result);
  EXPECT_TRUE(command.payload.empty());
}

TEST(SetCommands, SendClassTypeOutputAndState) {
  expectSent(SetRelay(5, 1), {1, 1, 5, 1});
  expectSent(SetDimmer(1, 255), {1, 2, 1, 255});
  expectSent(SetLocalMood(99, 0), {1, 8, 99, 0});
  expectSent(SetTimedLocalMood(9, 255), {1, 9, 9, 255});
  expectSent(SetGeneralMood(19), {1, 10, 19, 255});
  expectSent(KeyPress(100, 8), {1, 52, 100, 8});
  expectSent(SetFunction(2, 7, 127), {1, 2, 7, 127});
}

TEST(GetCommands, SendClassTypeAndOutputOnly) {
  expectSent(GetRelayState(255), {2, 1, 255});
  expectSent(GetDimmerLevel(120), {2, 2, 120});
  expectSent(GetFunctionState(15, 144), {2, 15, 144});
}

TEST(KeyPressChecks, PanelThenKey) {
  expectRefused(KeyPress(101, 1), -2);
  expectRefused(KeyPress(-1, 1), -2);
  expectRefused(KeyPress(100, 0), -3);
  expectRefused(KeyPress(0, 9), -3);
  expectSent(KeyPress(0, 1), {1, 52, 0, 1});
}

TEST(SetFunctionChecks, OutputThenStateButNeverTheFunction) {
  expectRefused(SetFunction(1, 145, 0), -2);
  expectRefused(SetFunction(1, -1, 0), -2);
  expectRefused(SetFunction(1, 0, 256), -3);
  expectRefused(SetFunction(1, 0, -1), -3);
  expectSent(SetFunction(200, 0, 255), {1, 200, 0, 255});
}

TEST(SetFunctionChecks, TheFirstFailingCheckDecides) { expectRefused(SetFunction(1, 145, 300), -2); }

TEST(SetDimmerChecks, OutputsOneTo120AndPerCentOr255) {
  expectRefused(SetDimmer(0, 50), -2);
  expectRefused(SetDimmer(121, 50), -2);
  expectRefused(SetDimmer(1, 101), -3);
  expectRefused(SetDimmer(1, 254), -3);
  expectSent(SetDimmer(120, 0), {1, 2, 120, 0});
  expectSent(SetDimmer(1, 100), {1, 2, 1, 100});
}

TEST(SetRelayChecks, OutputsOneTo144AndOffOnOr255) {
  expectSent(SetRelay(144, 255), {1, 1, 144, 255});
  expectRefused(SetRelay(145, 1), -2);
  expectRefused(SetRelay(0, 1), -2);
  expectRefused(SetRelay(1, 2), -3);
}

TEST(MoodChecks, LocalTimedAndGeneralMoodsHaveTheirOwnRanges) {
  expectRefused(SetLocalMood(100, 1), -2);
  expectRefused(SetLocalMood(-1, 1), -2);
  expectRefused(SetLocalMood(0, 2), -3);
  expectRefused(SetTimedLocalMood(10, 1), -2);
  expectRefused(SetTimedLocalMood(0, 254), -3);
  expectSent(SetTimedLocalMood(0, 1), {1, 9, 0, 1});
  expectRefused(SetGeneralMood(20), -2);
  expectRefused(SetGeneralMood(-1), -2);
  expectSent(SetGeneralMood(0), {1, 10, 0, 255});
}

TEST(GetChecks, OutputsFromOneOr255ForAll) {
  expectRefused(GetRelayState(0), -2);
  expectRefused(GetRelayState(145), -2);
  expectRefused(GetDimmerLevel(121), -2);
  expectRefused(GetDimmerLevel(0), -2);
  expectSent(GetDimmerLevel(255), {2, 2, 255});
  expectRefused(GetFunctionState(1, 0), -2);
  expectRefused(GetFunctionState(1, 254), -2);
}

TEST(TestOnLine, SendsADimmersLevelInPerCentAndOtherLevelsAsTheyAre) {
  EXPECT_EQ(TestOnLineState(2, 127), 50);
  EXPECT_EQ(TestOnLineState(2, 255), 100);
  EXPECT_EQ(TestOnLineState(2, 3), 105);
  EXPECT_EQ(TestOnLineState(1, 255), 255);
  EXPECT_EQ(TestOnLineState(8, 0), 0);
}

}  // namespace
}  // namespace ordalis
