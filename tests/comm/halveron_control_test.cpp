// The on-line control on an in-memory line: opening the port, frames on the
// wire, answers as events, and the frame time-out in virtual time.
#include <gtest/gtest.h>

#include <vector>

#include "base/virtual_clock.h"
#include "comm/halveron_control.h"
#include "tools/fixtures/memory_link.h"

namespace ordalis {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

// The control's port joined to a far end whose bytes the test writes.
struct OnLineLine {
  OnLineLine() {
    fixtures::MemoryLink::connect(pc, far);
    far.openAt(19200);
    control.onEvent = [this](const OnLineEvent& event) { events.push_back(event); };
  }
  void farSends(const Bytes& bytes) { far.write(bytes); }

  VirtualClock clock;
  fixtures::MemoryLink pc{clock};
  fixtures::MemoryLink far{clock};
  HalveronControl control{pc, clock, [](int port) { return "/dev/ttyS" + std::to_string(port - 1); }};
  std::vector<OnLineEvent> events;
};

TEST(InitComm, OpensThePortsDeviceNeverForABadPortOrBaudRateAndEndCommCloses) {
  OnLineLine line;
  const int refused[][3] = {{0, 19200, -2}, {256, 19200, -2}, {1, 0, -3}, {1, -9600, -3}};
  for (const auto& c : refused) EXPECT_EQ(line.control.InitComm(c[0], c[1]), c[2]) << c[0] << " " << c[1];
  HalveronControl noDevices(line.pc, line.clock, [](int) { return std::string(); });
  EXPECT_EQ(noDevices.InitComm(1, 19200), -2);
  EXPECT_EQ(line.pc.openCount(), 0);
  EXPECT_EQ(line.control.InitComm(2, 9600), 0);
  EXPECT_TRUE(line.control.isOpen());
  EXPECT_EQ(line.pc.portName(), "/dev/ttyS1");
  EXPECT_EQ(line.control.EndComm(), 0);
  EXPECT_FALSE(line.pc.isOpen());
  {
    HalveronControl second(line.pc, line.clock, [](int) { return std::string("/dev/ttyS0"); });
    second.InitComm(1, 19200);
    EXPECT_TRUE(line.pc.isOpen());
  }
  EXPECT_FALSE(line.pc.isOpen()) << "the control's end closes the port";
}

TEST(Commands, EveryCommandFramesItsPayloadAndARefusedOneSendsNothing) {
  OnLineLine line;
  line.control.InitComm(1, 19200);
  EXPECT_EQ(line.control.GetRelayState(255), 0) << "a sent command answers 0";
  line.control.KeyPress(3, 4);
  EXPECT_EQ(line.control.SetDimmer(1, 101), -3);
  line.control.SetFunction(2, 7, 127);
  EXPECT_EQ(line.pc.written(), (Bytes{0x02, 0x05, 2, 1, 255, 0x09,               //
                                      0x02, 0x06, 1, 52, 3, 4, 0x44,             //
                                      0x02, 0x06, 1, 2, 7, 127, 0x91}));
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

// A frame whose rest comes within the interval is complete; one that stops
// arriving is abandoned within two ticks and its late rest raises nothing.
TEST(FrameTimeOut, AFrameThatStopsArrivingIsAbandonedWithinTwoTicks) {
  for (bool late : {false, true}) {
    OnLineLine line;
    line.control.InitComm(1, 19200);
    line.farSends({0x02, 0x06, 0x08});
    line.control.Listen(late ? 100ms : 900ms);
    EXPECT_TRUE(line.control.InFrame());
    if (late) line.control.Listen(2000ms);
    EXPECT_EQ(line.control.InFrame(), !late);
    line.farSends({0x01, 0x05, 0x01, 0x17});
    line.control.Listen(late ? 100ms : 900ms);
    ASSERT_EQ(line.events.size(), late ? 0u : 1u);
    if (!late) { EXPECT_EQ(line.events[0].kind, OnLineEventKind::Relay); }
  }
}

TEST(FrameTimeOut, AFrameInProgressIsForgottenWhenThePortCloses) {
  OnLineLine line;
  line.control.InitComm(1, 19200);
  line.farSends({0x02, 0x06});
  line.control.Listen(10ms);
  line.control.EndComm();
  EXPECT_FALSE(line.control.InFrame());
}

}  // namespace
}  // namespace ordalis
