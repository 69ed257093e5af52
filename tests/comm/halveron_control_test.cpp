// The on-line control on an in-memory line: opening the port, frames on the
// wire, answers as events, and the frame time-out in virtual time.
#include <gtest/gtest.h>

#include <vector>

#include "base/virtual_clock.h"
#include "comm/halveron_control.h"
#include "tools/fixtures/memory_link.h"
#include "tools/fixtures/simulated_central.h"

namespace ordalis {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

// The control's port joined to a far end; the far end is the central when
// `answering`, else the test writes its bytes itself.
struct OnLineLine {
  explicit OnLineLine(bool answering = false) {
    fixtures::MemoryLink::connect(pc, far);
    far.openAt(19200);
    if (answering) far.setReceiver([this](uint8_t byte) { central.receive(byte, clock.monotonic()); });
    control.onEvent = [this](const OnLineEvent& event) { events.push_back(event); };
  }
  void farSends(const Bytes& bytes) { far.write(bytes); }

  VirtualClock clock;
  fixtures::MemoryLink pc{clock};
  fixtures::MemoryLink far{clock};
  fixtures::SimulatedCentral central{0, [this](uint8_t byte) { far.writeByte(byte); }};
  HalveronControl control{pc, clock, [](int port) { return "/dev/ttyS" + std::to_string(port - 1); }};
  std::vector<OnLineEvent> events;
};

TEST(InitComm, OpensTheDeviceOfThePortWithTheBaudRateAndNoParity) {
  OnLineLine line;
  EXPECT_EQ(line.control.InitComm(2, 9600), 0);
  EXPECT_TRUE(line.control.isOpen());
  EXPECT_EQ(line.pc.portName(), "/dev/ttyS1");
}

TEST(InitComm, APortNumberWithoutADeviceIsNotTakenAndNeverOpened) {
  OnLineLine line;
  EXPECT_EQ(line.control.InitComm(0, 19200), -2);
  EXPECT_EQ(line.control.InitComm(256, 19200), -2);
  HalveronControl noDevices(line.pc, line.clock, [](int) { return std::string(); });
  EXPECT_EQ(noDevices.InitComm(1, 19200), -2);
  EXPECT_EQ(line.pc.openCount(), 0);
}

TEST(InitComm, ABaudRateThatMakesNoSettingsIsNotTakenAndNeverOpened) {
  OnLineLine line;
  EXPECT_EQ(line.control.InitComm(1, 0), -3);
  EXPECT_EQ(line.control.InitComm(1, -9600), -3);
  EXPECT_EQ(line.pc.openCount(), 0);
}

TEST(EndComm, ClosesThePortAndSoDoesTheControlsEnd) {
  OnLineLine line;
  line.control.InitComm(1, 19200);
  EXPECT_EQ(line.control.EndComm(), 0);
  EXPECT_FALSE(line.pc.isOpen());
  {
    HalveronControl second(line.pc, line.clock, [](int) { return std::string("/dev/ttyS0"); });
    second.InitComm(1, 19200);
    EXPECT_TRUE(line.pc.isOpen());
  }
  EXPECT_FALSE(line.pc.isOpen());
}

TEST(Commands, EveryCommandFramesItsPayload) {
  OnLineLine line;
  line.control.InitComm(1, 19200);
  line.control.GetRelayState(255);
  line.control.KeyPress(3, 4);
  line.control.SetFunction(2, 7, 127);
  EXPECT_EQ(line.pc.written(), (Bytes{0x02, 0x05, 2, 1, 255, 0x09,               //
                                      0x02, 0x06, 1, 52, 3, 4, 0x44,             //
                                      0x02, 0x06, 1, 2, 7, 127, 0x91}));
}

TEST(Commands, ArgumentsOutOfRangeSendNothing) {
  OnLineLine line;
  line.control.InitComm(1, 19200);
  EXPECT_EQ(line.control.SetDimmer(0, 50), -2);
  EXPECT_EQ(line.control.SetDimmer(1, 101), -3);
  EXPECT_EQ(line.control.GetRelayState(0), -2);
  EXPECT_TRUE(line.pc.written().empty());
}

TEST(Answers, TheCentralsAnswerArrivesAsErrMsg) {
  OnLineLine line(true);
  line.control.InitComm(1, 19200);
  line.control.SetRelay(5, 1);
  EXPECT_TRUE(line.control.AwaitEvent(1000ms));
  ASSERT_EQ(line.events.size(), 1u);
  EXPECT_EQ(line.events[0].kind, OnLineEventKind::ErrMsg);
  EXPECT_EQ(line.events[0].args[0], 0);
  EXPECT_EQ(line.events[0].text, "All OK");
}

TEST(Answers, AwaitingGivesUpAfterItsTimeWhenNothingComes) {
  OnLineLine line;
  line.control.InitComm(1, 19200);
  const Monotonic start = line.clock.monotonic();
  EXPECT_FALSE(line.control.AwaitEvent(1500ms));
  EXPECT_EQ(line.clock.monotonic() - start, 1500ms);
}

TEST(Answers, ListeningCollectsEveryReport) {
  OnLineLine line;
  line.control.InitComm(1, 19200);
  line.farSends({0x00, 0x02, 0x03, 0x00, 0x05});               // noise, then "All OK"
  line.farSends(EncodeFrame(Bytes{8, 2, 6, 127}));              // dimmer 6 at 50 %
  line.farSends(EncodeFrame(Bytes{6, 3, 1, 20}));               // light sensor 1
  line.control.Listen(500ms);
  ASSERT_EQ(line.events.size(), 3u);
  EXPECT_EQ(line.events[1].kind, OnLineEventKind::Dimmer);
  EXPECT_EQ(line.events[1].args, (std::array<int, 3>{6, 50, 0}));
  EXPECT_DOUBLE_EQ(line.events[2].value, 2.2);
  EXPECT_DOUBLE_EQ(line.control.lastLightValue(), 2.2);
}

TEST(FrameTimeOut, AFrameThatStopsArrivingIsAbandonedWithinTwoTicks) {
  OnLineLine line;
  line.control.InitComm(1, 19200);
  line.farSends({0x02, 0x06, 0x08});
  line.control.Listen(100ms);
  EXPECT_TRUE(line.control.InFrame());
  line.control.Listen(2000ms);
  EXPECT_FALSE(line.control.InFrame());
  line.farSends({0x01, 0x05, 0x01, 0x17});  // the rest comes too late
  line.control.Listen(100ms);
  EXPECT_TRUE(line.events.empty());
}

TEST(FrameTimeOut, AFrameWhoseRestComesWithinTheIntervalIsComplete) {
  OnLineLine line;
  line.control.InitComm(1, 19200);
  line.farSends({0x02, 0x06, 0x08});
  line.control.Listen(900ms);
  line.farSends({0x01, 0x05, 0x01, 0x17});
  line.control.Listen(900ms);
  ASSERT_EQ(line.events.size(), 1u);
  EXPECT_EQ(line.events[0].kind, OnLineEventKind::Relay);
}

TEST(FrameTimeOut, AFrameInProgressIsForgottenWhenThePortCloses) {
  OnLineLine line;
  line.control.InitComm(1, 19200);
  line.farSends({0x02, 0x06});
  line.control.Listen(10ms);
  line.control.EndComm();
  EXPECT_FALSE(line.control.InFrame());
}

TEST(Version, NamesTheExecutableWithoutFolderOrExtension) {
  EXPECT_EQ(GetVersion("/usr/bin/ordalis", 1, 0, 3), "ordalis version 1.0.3");
  EXPECT_EQ(GetVersion("C:\\Programs\\Ordalis.exe", 2, 1, 0), "Ordalis version 2.1.0");
}

}  // namespace
}  // namespace ordalis
