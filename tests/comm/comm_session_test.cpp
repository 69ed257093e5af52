// The wait primitives: time-outs in virtual time, the block timer, and the
// user's stop at every kind of wait.
#include <gtest/gtest.h>

#include "comm/linked_central.h"

namespace ordalis {
namespace {

using namespace std::chrono_literals;
using test::LinkedCentral;

TEST(Waits, WaitForInputTimesOutWithTheInternalCode) {
  LinkedCentral line;
  line.openPort();
  Monotonic start = line.clock.monotonic();
  EXPECT_EQ(line.session.WaitForInput(4800ms), transfer::kTimedOut);
  EXPECT_DOUBLE_EQ(line.secondsSince(start), 4.8);
}

TEST(Waits, WaitSendDoneSucceedsWhenTheOutputDrains) {
  LinkedCentral line;
  line.openPort();
  line.session.startBlockTimer();
  line.pc.writeText("QUARVENT");
  EXPECT_EQ(line.session.WaitSendDone(), transfer::kOk);
  EXPECT_EQ(line.pc.bytesToWrite(), 0u);
}

TEST(Waits, AStalledOutputRunsIntoTheBlockTimerAsTooLong) {
  LinkedCentral line;
  line.openPort();
  line.pc.setStalled(true);
  line.session.startBlockTimer();
  line.pc.writeByte(0xA0);
  Monotonic start = line.clock.monotonic();
  EXPECT_EQ(line.session.WaitSendDone(), transfer::kTooLong);
  EXPECT_DOUBLE_EQ(line.secondsSince(start), 50.0);
}

TEST(Waits, AStalledOutputWithoutBlockTimerStillEndsAfterFiftySeconds) {
  LinkedCentral line;
  line.openPort();
  line.pc.setStalled(true);
  line.pc.writeByte(0xF0);
  EXPECT_EQ(line.session.WaitSendDone(), transfer::kTooLong);
}

class CancelDuringWait : public ::testing::Test {
 protected:
  void SetUp() override { line.openPort(); }
  // The stop must end the wait within 100 ms of the press.
  void expectStoppedPromptly(TransferResult result, Monotonic pressed) {
    EXPECT_EQ(result, transfer::kStoppedByUser);
    EXPECT_LE(line.clock.monotonic() - pressed, std::chrono::milliseconds(100));
  }
  LinkedCentral line;
};

TEST_F(CancelDuringWait, EndsAPlainWait) {
  line.cancelAfter(330ms);
  Monotonic pressed = line.clock.monotonic() + 330ms;
  expectStoppedPromptly(line.session.Wait(1000ms), pressed);
}

TEST_F(CancelDuringWait, EndsAWaitForInput) {
  line.cancelAfter(2017ms);
  Monotonic pressed = line.clock.monotonic() + 2017ms;
  expectStoppedPromptly(line.session.WaitForInput(4800ms), pressed);
}

TEST_F(CancelDuringWait, EndsAWaitForTheOutput) {
  line.pc.setStalled(true);
  line.pc.writeByte(0xA0);
  line.session.startBlockTimer();
  line.cancelAfter(12345ms);
  Monotonic pressed = line.clock.monotonic() + 12345ms;
  expectStoppedPromptly(line.session.WaitSendDone(), pressed);
}

}  // namespace
}  // namespace ordalis
