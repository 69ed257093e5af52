// The wait primitives: time-outs in virtual time, the block timer, and the
// user's stop at every kind of wait.
#include <gtest/gtest.h>

#include "comm/linked_central.h"

namespace ordalis {
namespace {

using namespace std::chrono_literals;
using test::LinkedCentral;

// A wait for input times out with the internal code; a stalled output ends
// as TooLong after fifty seconds, with or without the block timer.
TEST(Waits, EndAtTheirTimeOuts) {
  LinkedCentral quiet;
  quiet.openPort();
  EXPECT_EQ(quiet.session.WaitForInput(4800ms), transfer::kTimedOut);
  EXPECT_DOUBLE_EQ(quiet.secondsSince(Monotonic{}), 4.8);
  for (bool blockTimer : {true, false}) {
    LinkedCentral line;
    line.openPort();
    line.pc.setStalled(true);
    if (blockTimer) line.session.startBlockTimer();
    line.pc.writeByte(0xA0);
    Monotonic start = line.clock.monotonic();
    EXPECT_EQ(line.session.WaitSendDone(), transfer::kTooLong);
    EXPECT_DOUBLE_EQ(line.secondsSince(start), 50.0);
  }
}

// The user's stop ends every kind of wait within 100 ms of the press.
TEST(Waits, CancelEndsEveryKindOfWaitPromptly) {
  const std::pair<std::chrono::milliseconds, TransferResult (*)(LinkedCentral&)> waits[] = {
      {330ms, [](LinkedCentral& l) { return l.session.Wait(1000ms); }},
      {2017ms, [](LinkedCentral& l) { return l.session.WaitForInput(4800ms); }},
      {12345ms, [](LinkedCentral& l) {
         l.pc.setStalled(true);
         l.pc.writeByte(0xA0);
         l.session.startBlockTimer();
         return l.session.WaitSendDone();
       }}};
  for (const auto& [after, wait] : waits) {
    LinkedCentral line;
    line.openPort();
    line.cancelAfter(after);
    const Monotonic pressed = line.clock.monotonic() + after;
    EXPECT_EQ(wait(line), transfer::kStoppedByUser);
    EXPECT_LE(line.clock.monotonic() - pressed, 100ms);
  }
}

}  // namespace
}  // namespace ordalis
