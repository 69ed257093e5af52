// The simulated central's on-line side: switching and reporting states, and
// the status answers of a real central.
#include <gtest/gtest.h>

#include "comm/online_events.h"
#include "comm/online_frame.h"
#include "tools/fixtures/simulated_online.h"

namespace ordalis::fixtures {
namespace {

using Bytes = std::vector<uint8_t>;

// The event the PC raises for the first answer frame.
OnLineEvent answerTo(SimulatedOnLine& central, const Bytes& payload) {
  const Bytes reply = central.answer(EncodeFrame(payload));
  EXPECT_GE(reply.size(), kFrameOverhead + 1);
  const std::span<const uint8_t> replyPayload(reply.data() + kFramePayloadOffset, reply.size() - kFrameOverhead);
  return DispatchAnswer(replyPayload).value_or(OnLineEvent{});
}

int statusOf(SimulatedOnLine& central, const Bytes& payload) { return answerTo(central, payload).args[0]; }

TEST(SimulatedOnLine, SwitchesARelayAndReportsItsState) {
  SimulatedOnLine central;
  EXPECT_EQ(statusOf(central, {1, 1, 5, 1}), 0);
  const OnLineEvent report = answerTo(central, {2, 1, 5});
  EXPECT_EQ(report.kind, OnLineEventKind::Relay);
  EXPECT_EQ(report.args, (std::array<int, 3>{5, 1, 0}));
}

TEST(SimulatedOnLine, State255TogglesARelay) {
  SimulatedOnLine central;
  statusOf(central, {1, 1, 7, 255});
  EXPECT_EQ(central.state(1, 7), 1);
  statusOf(central, {1, 1, 7, 255});
  EXPECT_EQ(central.state(1, 7), 0);
}

TEST(SimulatedOnLine, ADimmerKeepsItsPerCentAndReportsItBack) {
  SimulatedOnLine central;
  EXPECT_EQ(statusOf(central, {1, 2, 6, 50}), 0);
  const OnLineEvent report = answerTo(central, {2, 2, 6});
  EXPECT_EQ(report.kind, OnLineEventKind::Dimmer);
  EXPECT_EQ(report.args[1], 50);
}

TEST(SimulatedOnLine, GivesTheStatusAnswersOfARealCentral) {
  SimulatedOnLine central;
  EXPECT_EQ(statusOf(central, {1, 1, 145, 1}), 5);   // Switch Not Assigned/Active
  EXPECT_EQ(statusOf(central, {1, 2, 6, 150}), 7);   // Load level out of range
  EXPECT_EQ(statusOf(central, {1, 77, 1, 1}), 14);   // Function not available
  EXPECT_EQ(statusOf(central, {9, 1, 1}), 2);        // Invalid Command
  EXPECT_EQ(statusOf(central, {1, 1, 5}), 3);        // Invalid Command-Lenght
  Bytes corrupt = EncodeFrame(Bytes{1, 1, 5, 1});
  corrupt.back() ^= 0xFF;
  EXPECT_EQ(central.answer(corrupt), EncodeFrame(Bytes{1}));  // Invalid CheckSum
}

}  // namespace
}  // namespace ordalis::fixtures
