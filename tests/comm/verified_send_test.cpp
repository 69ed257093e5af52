// Sending the clock table and reading it back before hanging up: a central
// that keeps what it was sent, one that keeps something else, and one that
// will not give the table back.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/program_state.h"
#include "comm/linked_central.h"
#include "comm/transfer_flows.h"
#include "support/line_builder.h"

namespace ordalis {
namespace {

struct VerifiedSend : test::LinkedCentral {
  VerifiedSend() {
    state.texts.FillTextTables();
    ResetInstallation(state.installation, 19200, 0);
    ApplyCentralModel(state.installation, state.texts, 0);
    choices.target.port = "/dev/ttyS1";
    choices.verify = true;
    state.clock.ClockTable[2] = test::MakeLine({2026, 3, 2, 8, 0, kContinueTable, kRepeatWeeks, 1, 1, 5, 40});
  }
  TransferOutcome press() { return RunSendButton(state, session, choices, {prompts, state.texts}, SendAction::Transmit); }

  ProgramState state;
  TransferChoices choices;
  test::CountingPrompts prompts;
};

TEST(VerifiedSend, ReadsTheTableBackInTheSameConnectionAndSaysSo) {
  VerifiedSend send;
  const TransferOutcome outcome = send.press();
  EXPECT_EQ(outcome.result, transfer::kOk);
  EXPECT_TRUE(outcome.verified);
  EXPECT_EQ(send.central.connects(), 1);
  EXPECT_EQ(send.central.sectionsRead(), 1);
  EXPECT_TRUE(send.prompts.shown.empty());
  // The bar runs once over both halves: up to about half while sending, on
  // to the end while reading back.
  EXPECT_TRUE(std::is_sorted(send.progress.begin(), send.progress.end()));
  EXPECT_TRUE(std::count_if(send.progress.begin(), send.progress.end(), [](int p) { return p > 5 && p < 52; }) > 0);
  EXPECT_TRUE(std::count_if(send.progress.begin(), send.progress.end(), [](int p) { return p > 52 && p < 100; }) > 0);
  EXPECT_EQ(send.progress.back(), 100);
}

TEST(VerifiedSend, ACentralHoldingAnotherTableFailsAtOnceNamingTheLine) {
  VerifiedSend send;
  send.central.faults.storeDifferent = true;
  const TransferOutcome outcome = send.press();
  EXPECT_EQ(outcome.result, transfer::kTableDiffers);
  EXPECT_FALSE(outcome.verified);
  EXPECT_EQ(outcome.attempts, 1);
  ASSERT_EQ(send.prompts.shown.size(), 1u);
  const std::string& message = send.prompts.shown[0].text;
  EXPECT_NE(message.find(send.state.texts.LoadText(transfer::kTableDiffers)), std::string::npos) << message;
  EXPECT_NE(message.find(": 3"), std::string::npos) << message;  // line 3 as the user counts
  EXPECT_EQ(send.progress.back(), 0);
}

TEST(VerifiedSend, ACentralThatWillNotGiveTheTableBackFailsTheSameWay) {
  for (auto refuse : {+[](fixtures::CentralFaults& f) { f.endlessPackets = true; },
                      +[](fixtures::CentralFaults& f) { f.corruptPacket = 1; }}) {
    VerifiedSend send;
    refuse(send.central.faults);
    const Monotonic start = send.clock.monotonic();
    const TransferOutcome outcome = send.press();
    EXPECT_EQ(outcome.result, transfer::kTableDiffers);
    EXPECT_EQ(outcome.attempts, 1);
    EXPECT_LT(send.secondsSince(start), 60.0);  // within the block timer, not a hang
    EXPECT_NE(outcome.difference.find(send.state.texts.LoadText(1141)), std::string::npos) << outcome.difference;
  }
}

}  // namespace
}  // namespace ordalis
