// One section over the block protocol: packet layout, sequence numbers,
// acknowledgements, and every failure of the send and the receive side.
#include <gtest/gtest.h>

#include <numeric>

#include "comm/block_protocol.h"
#include "comm/connect_central.h"
#include "comm/linked_central.h"
#include "comm/transfer_bytes.h"

namespace ordalis {
namespace {

using namespace std::chrono_literals;
using test::LinkedCentral;

constexpr int kSection = 5;

std::vector<uint8_t> countingBytes(std::size_t count, uint8_t first = 1) {
  std::vector<uint8_t> bytes(count);
  std::iota(bytes.begin(), bytes.end(), first);
  return bytes;
}

// A line whose central has accepted the connect; `sendStart` marks where the
// block's own bytes begin in what the PC wrote.
struct ConnectedLine : LinkedCentral {
  ConnectedLine() {
    openPort();
    EXPECT_EQ(ConnectCentral(session, ConnectOptions{}), transfer::kOk);
    sendStart = pc.written().size();
    session.startBlockTimer();
  }
  TransferResult send(const std::vector<uint8_t>& data) { return SendBlock(session, kSection, data, nullptr); }
  TransferResult receive() { return ReceiveBlock(session, kSection, area, nullptr); }
  // The packet headers the PC sent, read from the stream after the request.
  std::vector<uint8_t> headers() const {
    std::vector<uint8_t> sent = writtenSince(sendStart + 1);
    std::vector<uint8_t> found;
    for (std::size_t i = 0; i < sent.size(); i += (sent[i] & 15) + 2) found.push_back(sent[i]);
    return found;
  }
  std::size_t sendStart = 0;
  std::array<uint8_t, 10001> area{};
};

TEST(SendBlock, PacketsOfFifteenBytesWithTheirChecksumsEndWithAnEmptyOne) {
  ConnectedLine seven;
  ASSERT_EQ(seven.send(countingBytes(7)), transfer::kOk);
  EXPECT_EQ(seven.writtenSince(seven.sendStart), (std::vector<uint8_t>{0xA5, 0x07, 1, 2, 3, 4, 5, 6, 7, 0x07 + 28}));
  ConnectedLine thirty;
  ASSERT_EQ(thirty.send(countingBytes(30)), transfer::kOk);
  EXPECT_EQ(thirty.headers(), (std::vector<uint8_t>{0x0F, 0x1F, 0x20}));
  EXPECT_EQ(thirty.writtenSince(thirty.pc.written().size() - 2), (std::vector<uint8_t>{0x20, 0x20}));
  EXPECT_EQ(thirty.central.memory[kSection], countingBytes(30));
}

TEST(SendBlock, TheSequenceNumberWrapsAtTheSeventeenthPacket) {
  ConnectedLine line;
  ASSERT_EQ(line.send(countingBytes(17 * 15 + 3)), transfer::kOk);
  std::vector<uint8_t> headers = line.headers();
  ASSERT_EQ(headers.size(), 18u);
  EXPECT_EQ(headers[15], 0xFF);
  EXPECT_EQ(headers[16], 0x0F);
  EXPECT_EQ(headers[17], 0x13);
  EXPECT_EQ(line.central.memory[kSection], countingBytes(17 * 15 + 3));
}

TEST(SendBlock, AMissingEchoIsAskedTwiceThenEndedWithNoTable) {
  ConnectedLine line;
  line.central.faults.noEcho = true;
  Monotonic start = line.clock.monotonic();
  EXPECT_EQ(line.send(countingBytes(7)), transfer::kNoTable);
  EXPECT_EQ(line.writtenSince(line.sendStart), (std::vector<uint8_t>{0xA5, 0xA5, 0x60}));
  EXPECT_NEAR(line.secondsSince(start), 0.1 + 2 * 4.8, 0.01);
}

TEST(SendBlock, EachFaultOfTheCentralOrThePortEndsWithItsCode) {
  const struct {
    void (*apply)(ConnectedLine&);
    std::size_t bytes;
    TransferResult expected;
  } cases[] = {
      {[](ConnectedLine& l) { l.central.faults.wrongEcho = true; }, 7, transfer::kWrongTable},
      {[](ConnectedLine& l) { l.central.faults.dropAck = 2; }, 40, transfer::kNoAck},
      {[](ConnectedLine& l) { l.central.faults.wrongAck = 1; }, 40, transfer::kWrongAck},
      {[](ConnectedLine& l) { l.central.faults.dropAck = 3; }, 30, transfer::kNoMessage},  // the closing packet
      {[](ConnectedLine& l) { l.central.faults.wrongAck = 3; }, 30, transfer::kWrongMessage},
      {[](ConnectedLine& l) { l.pc.setStalled(true); }, 30, transfer::kTooLong},  // the block timer runs out
  };
  for (const auto& c : cases) {
    ConnectedLine line;
    c.apply(line);
    EXPECT_EQ(line.send(countingBytes(c.bytes)), c.expected);
    if (c.expected == transfer::kNoAck) { EXPECT_EQ(line.headers().size(), 2u) << "the packet is never sent again"; }
  }
}

TEST(ReceiveBlock, StoresTheSectionUpToItsShortLastPacketAndAnswersEveryPacket) {
  ConnectedLine line;
  line.central.memory[kSection] = countingBytes(40);
  ASSERT_EQ(line.receive(), transfer::kOk);
  EXPECT_TRUE(std::equal(line.area.begin(), line.area.begin() + 40, countingBytes(40).begin()));
  // request, go-ahead C0, and C0 for each of the three packets
  EXPECT_EQ(line.writtenSince(line.sendStart), (std::vector<uint8_t>{0x85, 0xC0, 0xC0, 0xC0, 0xC0}));
  line.clock.sleepFor(std::chrono::milliseconds(1));  // the last C0 reaches the central
  EXPECT_EQ(line.central.sectionsRead(), 1);
  // a packet of four bytes ends the section, followed by eleven zeros
  ConnectedLine four;
  four.area.fill(0x77);
  four.central.memory[kSection] = {9, 8, 7, 6};
  ASSERT_EQ(four.receive(), transfer::kOk);
  EXPECT_EQ(std::vector<uint8_t>(four.area.begin(), four.area.begin() + 16),
            (std::vector<uint8_t>{9, 8, 7, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x77}));
}

// A bad checksum is answered E0 and fails with NoAck; a central that never
// stops cannot overrun the receive area; a silent one is NoTable.
TEST(ReceiveBlock, ABadPacketIsAnsweredE0AndNeverOverrunsTheArea) {
  for (bool endless : {false, true}) {
    ConnectedLine line;
    if (endless) line.central.faults.endlessPackets = true;
    else line.central.memory[kSection] = countingBytes(40), line.central.faults.corruptPacket = 2;
    EXPECT_EQ(line.receive(), transfer::kNoAck);
    EXPECT_EQ(line.pc.written().back(), 0xE0);
    if (endless) { EXPECT_EQ(line.area[10000], 0x11); }  // filled to the last byte, and not one further
  }
  ConnectedLine silent;
  silent.central.faults.noEcho = true;
  EXPECT_EQ(silent.receive(), transfer::kNoTable);
}

}  // namespace
}  // namespace ordalis
