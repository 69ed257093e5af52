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

TEST(SendImage, SendsTheSectionWithProgressFromConnectThroughTheBytesAndEndsWithTheEndMarker) {
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
  ASSERT_GT(d.progress.size(), 8u);
  EXPECT_EQ(std::vector<int>(d.progress.begin(), d.progress.begin() + 6), (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(d.progress[6], TransferPercent(15, 1312));
  EXPECT_EQ(d.progress[d.progress.size() - 2], 99);  // all bytes: 94 + 5
  EXPECT_EQ(d.progress.back(), 100);
  EXPECT_TRUE(std::is_sorted(d.progress.begin(), d.progress.end()));
  // halves round to the even neighbour (5.5, 6.5, 7.5); nothing to send is no division by zero
  const int percents[][3] = {{1, 188, 6}, {3, 188, 6}, {5, 188, 8}, {188, 188, 99}, {1, 1, 99}, {7, 0, 5}};
  for (const auto& c : percents) EXPECT_EQ(TransferPercent(c[0], c[1]), c[2]) << c[0] << "/" << c[1];
}

// A send or a receive that fails every time is tried four times, then beeps
// five times and shows the message.
TEST(ImageTransfer, RetriesThreeTimesThenBeepsFiveTimesAndShowsTheMessage) {
  for (bool receiving : {false, true}) {
    Driver d;
    d.prepareSend(30);
    d.central.faults.wrongModel = !receiving;
    d.central.faults.endlessPackets = receiving;
    TransferOutcome outcome = receiving ? d.receive(kClockSection, 1312) : d.sendClocks();
    EXPECT_EQ(outcome.result, receiving ? transfer::kNoAck : transfer::kWrongCentral);
    EXPECT_EQ(outcome.attempts, 4);
    EXPECT_EQ(d.prompts.beeps, receiving ? 9 : 5);
    ASSERT_EQ(d.prompts.shown.size(), 1u);
    EXPECT_EQ(d.prompts.shown[0].text, receiving ? "Communication problem:\nNo Ack" : "Communication problem:\nWrong central");
    EXPECT_EQ(d.prompts.shown[0].title, "HALVERON Domotic systems");
    EXPECT_EQ(d.prompts.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(d.progress.back(), 0);
    EXPECT_FALSE(d.pc.isOpen());
  }
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

TEST(SendImage, NoOrAWrongAnswerToTheEndMarkerIsNoOrWrongEnding) {
  for (bool wrong : {false, true}) {
    Driver d;
    d.prepareSend(10);
    (wrong ? d.central.faults.badEnd : d.central.faults.noEnd) = true;
    EXPECT_EQ(d.sendClocks().result, wrong ? transfer::kWrongEnding : transfer::kNoEnding);
  }
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

TEST(ReceiveImage, RequestsEverySectionButElevenAndEighteenAndSectionEighteenTooFromModelFour) {
  Driver d;
  d.central.memory[0] = {7, 7, 7};
  ASSERT_FALSE(d.receive(std::nullopt).failed());
  EXPECT_EQ(d.central.sectionsRead(), 19);
  EXPECT_EQ(d.image.block(0)->Receive.Data[2], 7);
  EXPECT_EQ(d.progress.back(), 100);
  Driver four(4);
  ASSERT_FALSE(four.receive(std::nullopt).failed());
  EXPECT_EQ(four.central.sectionsRead(), 20);
  // one section's progress goes by its bytes and never past one hundred
  Driver one;
  one.central.memory[kClockSection] = std::vector<uint8_t>(1312, 5);
  ASSERT_FALSE(one.receive(kClockSection, 1312).failed());
  EXPECT_TRUE(std::all_of(one.progress.begin(), one.progress.end(), [](int p) { return p >= 0 && p <= 100; }));
  EXPECT_EQ(one.progress[one.progress.size() - 2], 99);
}

}  // namespace
}  // namespace ordalis
