// The drivers: attempts, the failure message with its beeps, the progress
// figure, the end marker, and Cancel.
#include <gtest/gtest.h>

#include <numeric>

#include "comm/image_transfer.h"
#include "comm/linked_central.h"

namespace ordalis {
namespace {

using namespace std::chrono_literals;
using test::CountingPrompts;
using test::LinkedCentral;

struct Driver : LinkedCentral {
  explicit Driver(uint8_t model = 0) : LinkedCentral(model) {
    target.port = "/dev/ttyS1";
    target.connect.centralModel = model;
  }
  // Section 18 holds `count` counting bytes, ready to send.
  void prepareSend(std::size_t count) {
    ImageArea& send = image.block(kClockSection)->Send;
    std::iota(send.Data.begin(), send.Data.begin() + static_cast<std::ptrdiff_t>(count), uint8_t{1});
    send.Count = static_cast<uint16_t>(count);
    image.ImageTotal = send.Count;
  }
  TransferOutcome sendClocks() { return SendImage(session, image, target, {prompts, texts}, kClockSection); }
  TransferOutcome receive(std::optional<int> number, int length = 0) {
    return ReceiveImage(session, image, target, {prompts, texts}, number, length);
  }
  MemoryImage image;
  TransferTarget target;
  CountingPrompts prompts;
  Texts texts;
};

TEST(SendImage, SendsTheSectionAndEndsWithTheEndMarker) {
  Driver d;
  d.prepareSend(1312);
  TransferOutcome outcome = d.sendClocks();
  EXPECT_FALSE(outcome.failed());
  EXPECT_EQ(outcome.attempts, 1);
  EXPECT_EQ(d.central.memory[kClockSection].size(), 1312u);
  EXPECT_EQ(d.pc.written().back(), 0x60);
  EXPECT_EQ(d.prompts.beeps, 1);  // connected
  EXPECT_TRUE(d.prompts.shown.empty());
  EXPECT_FALSE(d.pc.isOpen());
}

TEST(SendImage, ProgressRunsFromConnectThroughTheBytesToOneHundred) {
  Driver d;
  d.prepareSend(1312);
  ASSERT_FALSE(d.sendClocks().failed());
  std::vector<int> expectedStart{0, 1, 2, 3, 4, 5};
  ASSERT_GT(d.progress.size(), 8u);
  EXPECT_EQ(std::vector<int>(d.progress.begin(), d.progress.begin() + 6), expectedStart);
  EXPECT_EQ(d.progress[6], TransferPercent(15, 1312));
  EXPECT_EQ(d.progress[d.progress.size() - 2], 99);  // all bytes: 94 + 5
  EXPECT_EQ(d.progress.back(), 100);
  EXPECT_TRUE(std::is_sorted(d.progress.begin(), d.progress.end()));
}

TEST(TransferPercent, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(TransferPercent(1, 188), 6);  // 5.5
  EXPECT_EQ(TransferPercent(3, 188), 6);  // 6.5
  EXPECT_EQ(TransferPercent(5, 188), 8);  // 7.5
  EXPECT_EQ(TransferPercent(188, 188), 99);
  EXPECT_EQ(TransferPercent(1, 1), 99);
  EXPECT_EQ(TransferPercent(7, 0), 5);    // nothing to send: no division by zero
}

TEST(SendImage, RetriesThreeTimesThenBeepsFiveTimesAndShowsTheMessage) {
  Driver d;
  d.prepareSend(30);
  d.central.faults.wrongModel = true;
  TransferOutcome outcome = d.sendClocks();
  EXPECT_EQ(outcome.result, transfer::kWrongCentral);
  EXPECT_EQ(outcome.attempts, 4);
  EXPECT_EQ(d.prompts.beeps, 5);
  ASSERT_EQ(d.prompts.shown.size(), 1u);
  EXPECT_EQ(d.prompts.shown[0].text, "Communication problem:\nWrong central");
  EXPECT_EQ(d.prompts.shown[0].title, "HALVERON Domotic systems");
  EXPECT_EQ(d.prompts.shown[0].icon, MessageIcon::Critical);
  EXPECT_EQ(d.progress.back(), 0);
  EXPECT_FALSE(d.pc.isOpen());
}

// The whole image goes section by section, leaving out the unused section 11
// and the clock table, which has a transfer of its own.
TEST(SendImage, TheWholeImageLeavesOutSectionsElevenAndEighteen) {
  Driver d;
  for (int n = 0; n <= kLastImageBlock; ++n) {
    ImageArea& send = d.image.block(n)->Send;
    send.Data[0] = static_cast<uint8_t>(n + 1);
    send.Count = 1;
  }
  d.image.ImageTotal = kLastImageBlock + 1;
  ASSERT_FALSE(SendImage(d.session, d.image, d.target, {d.prompts, d.texts}, std::nullopt).failed());
  EXPECT_EQ(d.central.sectionsWritten(), kLastImageBlock - 1);
  EXPECT_TRUE(d.central.memory[11].empty());
  EXPECT_TRUE(d.central.memory[kClockSection].empty());
  EXPECT_EQ(d.central.memory[0], std::vector<uint8_t>{1});
  EXPECT_EQ(d.central.memory[kLastImageBlock], std::vector<uint8_t>{kLastImageBlock + 1});
}

TEST(SendImage, NoAnswerToTheEndMarkerIsNoEnding) {
  Driver d;
  d.prepareSend(10);
  d.central.faults.noEnd = true;
  EXPECT_EQ(d.sendClocks().result, transfer::kNoEnding);
}

TEST(SendImage, AWrongAnswerToTheEndMarkerIsWrongEnding) {
  Driver d;
  d.prepareSend(10);
  d.central.faults.badEnd = true;
  EXPECT_EQ(d.sendClocks().result, transfer::kWrongEnding);
}

TEST(SendImage, CancelEndsTheTransferWithoutRetryOrMessage) {
  Driver d;
  d.prepareSend(1312);
  d.cancelAfter(3500ms);  // connected, sending packets
  TransferOutcome outcome = d.sendClocks();
  EXPECT_TRUE(outcome.stopped());
  EXPECT_EQ(outcome.attempts, 1);
  EXPECT_TRUE(d.prompts.shown.empty());
  EXPECT_EQ(d.prompts.beeps, 1);
  EXPECT_EQ(d.progress.back(), 0);
  EXPECT_FALSE(d.pc.isOpen());
  EXPECT_LE(d.clock.monotonic() - (Monotonic{} + 3500ms), 100ms);
}

TEST(SendImage, APortThatDoesNotOpenIsReportedOnce) {
  Driver d;
  d.pc.setRefuseOpen(true);
  TransferOutcome outcome = d.sendClocks();
  EXPECT_EQ(outcome.result, transfer::kCommunicationProblem);
  EXPECT_EQ(outcome.attempts, 0);
  ASSERT_EQ(d.prompts.shown.size(), 1u);
  EXPECT_EQ(d.prompts.shown[0].text, "Communication problem");
}

TEST(ReceiveImage, RequestsEverySectionButElevenAndEighteenFromModelZero) {
  Driver d;
  d.central.memory[0] = {7, 7, 7};
  ASSERT_FALSE(d.receive(std::nullopt).failed());
  EXPECT_EQ(d.central.sectionsRead(), 19);
  EXPECT_EQ(d.image.block(0)->Receive.Data[2], 7);
  EXPECT_EQ(d.progress.back(), 100);
}

TEST(ReceiveImage, RequestsSectionEighteenTooFromModelFour) {
  Driver d(4);
  ASSERT_FALSE(d.receive(std::nullopt).failed());
  EXPECT_EQ(d.central.sectionsRead(), 20);
}

TEST(ReceiveImage, ShowsOneSectionsProgressByBytesAndNeverPastOneHundred) {
  Driver d;
  d.central.memory[kClockSection] = std::vector<uint8_t>(1312, 5);
  ASSERT_FALSE(d.receive(kClockSection, 1312).failed());
  EXPECT_TRUE(std::all_of(d.progress.begin(), d.progress.end(), [](int p) { return p >= 0 && p <= 100; }));
  EXPECT_EQ(d.progress[d.progress.size() - 2], 99);
}

TEST(ReceiveImage, ABadPacketEveryTimeEndsWithNoAckAfterFourAttempts) {
  Driver d;
  d.central.faults.endlessPackets = true;
  TransferOutcome outcome = d.receive(kClockSection, 1312);
  EXPECT_EQ(outcome.result, transfer::kNoAck);
  EXPECT_EQ(outcome.attempts, 4);
  EXPECT_EQ(d.prompts.shown[0].text, "Communication problem:\nNo Ack");
}

}  // namespace
}  // namespace ordalis
