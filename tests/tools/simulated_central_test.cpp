// The simulated central's answers that the transfer tests do not reach: the
// on-line frames and the modem lines.
#include <gtest/gtest.h>

#include "tools/fixtures/simulated_central.h"

namespace ordalis::fixtures {
namespace {

struct Central {
  Central() : central(0, [this](uint8_t byte) { answer.push_back(byte); }) {}
  void feed(std::initializer_list<uint8_t> bytes) {
    for (uint8_t byte : bytes) central.receive(byte, Monotonic{});
  }
  void feed(const std::string& text) {
    for (char c : text) central.receive(static_cast<uint8_t>(c), Monotonic{});
  }
  std::vector<uint8_t> answer;
  SimulatedCentral central;
};

TEST(SimulatedCentral, AnswersAValidFrameWithAllOk) {
  Central c;
  c.feed({0x02, 0x06, 0x01, 0x01, 0x05, 0x01, 0x10});  // set relay 5 on
  EXPECT_EQ(c.answer, (std::vector<uint8_t>{0x02, 0x03, 0x00, 0x05}));
  EXPECT_EQ(c.central.framesAnswered(), 1);
}

TEST(SimulatedCentral, AnswersAFrameWithABadChecksumWithInvalidChecksum) {
  Central c;
  c.feed({0x02, 0x06, 0x01, 0x01, 0x05, 0x01, 0x11});
  EXPECT_EQ(c.answer, (std::vector<uint8_t>{0x02, 0x03, 0x01, 0x06}));
}

TEST(SimulatedCentral, IgnoresBytesBeforeAFrameAndFramesWithoutPayload) {
  Central c;
  c.feed({0x55, 0x02, 0x01});
  EXPECT_TRUE(c.answer.empty());
  c.feed({0x02, 0x05, 0x02, 0x01, 0xFF, 0x09});
  EXPECT_EQ(c.answer, (std::vector<uint8_t>{0x02, 0x03, 0x00, 0x05}));
}

TEST(SimulatedCentral, AnswersAtLinesOkOrErrorAsConfigured) {
  Central c;
  c.central.faults.modemErrorOn = "ATS200";
  c.feed("ATZ0\n\r");
  c.feed("ATS200=16\n\r");
  c.feed("hello\n\r");
  EXPECT_EQ(std::string(c.answer.begin(), c.answer.end()), "\r\nOK\r\n\r\nERROR\r\n");
  EXPECT_EQ(c.central.modemLines(), (std::vector<std::string>{"ATZ0", "ATS200=16", "hello"}));
}

TEST(SimulatedCentral, IgnoresSectionRequestsBeforeALogin) {
  Central c;
  c.feed({0xA5, 0x85, 0x60});
  EXPECT_TRUE(c.answer.empty());
}

}  // namespace
}  // namespace ordalis::fixtures
