// Framing of the on-line protocol and the receive state machine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comm/online_frame.h"

namespace ordalis {
namespace {

using Bytes = std::vector<uint8_t>;

struct Received {
  Bytes frame;
  bool checksumMatches;
};

// A receiver that keeps every frame it completes.
struct Collector {
  std::vector<Received> frames;
  FrameReceiver receiver{[this](std::span<const uint8_t> frame, bool matches) {
    frames.push_back({Bytes(frame.begin(), frame.end()), matches});
  }};
  void feed(const Bytes& bytes) {
    for (uint8_t byte : bytes) receiver.receive(byte);
  }
};

TEST(Frame, AFrameIsStartLengthPayloadAndTheSumOfEverythingBefore) {
  EXPECT_EQ(EncodeFrame(Bytes{1, 1, 5, 1}), (Bytes{0x02, 0x06, 0x01, 0x01, 0x05, 0x01, 0x10}));
}

TEST(Frame, TheChecksumKeepsOnlyTheLowByteOfTheSum) {
  EXPECT_EQ(EncodeFrame(Bytes{1, 2, 120, 255}), (Bytes{0x02, 0x06, 1, 2, 120, 255, (2 + 6 + 1 + 2 + 120 + 255) & 0xFF}));
}

TEST(FrameReceiver, AStatusAnswerIsOneFrameWithAMatchingChecksum) {
  Collector c;
  c.feed({0x02, 0x03, 0x00, 0x05});
  ASSERT_EQ(c.frames.size(), 1u);
  EXPECT_EQ(c.frames[0].frame, (Bytes{0x02, 0x03, 0x00, 0x05}));
  EXPECT_TRUE(c.frames[0].checksumMatches);
  EXPECT_FALSE(c.receiver.InFrame());
}

TEST(FrameReceiver, AWrongChecksumStillEndsTheFrame) {
  Collector c;
  c.feed({0x02, 0x03, 0x00, 0x06});
  ASSERT_EQ(c.frames.size(), 1u);
  EXPECT_FALSE(c.frames[0].checksumMatches);
  EXPECT_FALSE(c.receiver.InFrame());
}

TEST(FrameReceiver, AStartByteInsideAFrameIsData) {
  Collector c;
  const Bytes relayReport = EncodeFrame(Bytes{8, 1, 2, 1});  // output 2 carries a 0x02
  c.feed(relayReport);
  ASSERT_EQ(c.frames.size(), 1u);
  EXPECT_EQ(c.frames[0].frame, relayReport);
  EXPECT_TRUE(c.frames[0].checksumMatches);
}

TEST(FrameReceiver, FramesFollowingEachOtherAreEachComplete) {
  Collector c;
  Bytes two = EncodeFrame(Bytes{0});
  const Bytes second = EncodeFrame(Bytes{8, 1, 5, 1});
  two.insert(two.end(), second.begin(), second.end());
  c.feed(two);
  ASSERT_EQ(c.frames.size(), 2u);
  EXPECT_EQ(c.frames[1].frame, second);
}

TEST(FrameReceiver, ALengthTooShortForAPayloadEndsTheFrameAtItsThirdByte) {
  Collector c;
  c.feed({0x02, 0x01, 0x03, 0x02, 0x03, 0x00, 0x05});
  ASSERT_EQ(c.frames.size(), 2u);
  EXPECT_EQ(c.frames[0].frame, (Bytes{0x02, 0x01, 0x03}));
  EXPECT_TRUE(c.frames[0].checksumMatches);
  EXPECT_EQ(c.frames[1].frame, (Bytes{0x02, 0x03, 0x00, 0x05}));
}

TEST(FrameTimeOut, APartialFrameSurvivesATickRightAfterItsLastByte) {
  Collector c;
  c.feed({0x02, 0x06, 0x08});
  c.receiver.timerTick(false);
  EXPECT_TRUE(c.receiver.InFrame());
  c.feed({0x01, 0x05, 0x01, 0x17});
  ASSERT_EQ(c.frames.size(), 1u);
  EXPECT_TRUE(c.frames[0].checksumMatches);
}

TEST(FrameTimeOut, BytesWaitingAtThePortKeepTheFrame) {
  Collector c;
  c.feed({0x02, 0x06});
  c.receiver.timerTick(true);
  c.receiver.timerTick(true);
  EXPECT_TRUE(c.receiver.InFrame());
}

}  // namespace
}  // namespace ordalis
