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

TEST(SendBlock, ThirtyBytesGoAsTwoFullPacketsAndAClosingEmptyOne) {
  ConnectedLine line;
  ASSERT_EQ(line.send(countingBytes(30)), transfer::kOk);
  EXPECT_EQ(line.writtenSince(line.sendStart)[0], 0xA5);
  EXPECT_EQ(line.headers(), (std::vector<uint8_t>{0x0F, 0x1F, 0x20}));
  std::vector<uint8_t> tail = line.writtenSince(line.pc.written().size() - 2);
  EXPECT_EQ(tail, (std::vector<uint8_t>{0x20, 0x20}));  // header and checksum
  EXPECT_EQ(line.central.memory[kSection], countingBytes(30));
}

TEST(SendBlock, SevenBytesAreOnePacketWithItsChecksum) {
  ConnectedLine line;
  ASSERT_EQ(line.send(countingBytes(7)), transfer::kOk);
  std::vector<uint8_t> expected{0xA5, 0x07, 1, 2, 3, 4, 5, 6, 7, (0x07 + 28) & 0xFF};
  EXPECT_EQ(line.writtenSince(line.sendStart), expected);
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

TEST(SendBlock, AWrongEchoIsWrongTable) {
  ConnectedLine line;
  line.central.faults.wrongEcho = true;
  EXPECT_EQ(line.send(countingBytes(7)), transfer::kWrongTable);
}

TEST(SendBlock, AMissingAcknowledgementIsNoAck) {
  ConnectedLine line;
  line.central.faults.dropAck = 2;
  EXPECT_EQ(line.send(countingBytes(40)), transfer::kNoAck);
  EXPECT_EQ(line.headers().size(), 2u);  // the packet is never sent again
}

TEST(SendBlock, ARefusedPacketIsWrongAck) {
  ConnectedLine line;
  line.central.faults.wrongAck = 1;
  EXPECT_EQ(line.send(countingBytes(40)), transfer::kWrongAck);
}

TEST(SendBlock, AMissingAcknowledgementOfTheClosingPacketIsNoMessage) {
  ConnectedLine line;
  line.central.faults.dropAck = 3;
  EXPECT_EQ(line.send(countingBytes(30)), transfer::kNoMessage);
}

TEST(SendBlock, ARefusedClosingPacketIsWrongMessage) {
  ConnectedLine line;
  line.central.faults.wrongAck = 3;
  EXPECT_EQ(line.send(countingBytes(30)), transfer::kWrongMessage);
}

TEST(SendBlock, AStalledPortIsTooLongWhenTheBlockTimerRunsOut) {
  ConnectedLine line;
  line.pc.setStalled(true);
  EXPECT_EQ(line.send(countingBytes(30)), transfer::kTooLong);
}

TEST(ReceiveBlock, StoresTheSectionAndAnswersEveryPacket) {
  ConnectedLine line;
  line.central.memory[kSection] = countingBytes(40);
  ASSERT_EQ(line.receive(), transfer::kOk);
  EXPECT_TRUE(std::equal(line.area.begin(), line.area.begin() + 40, countingBytes(40).begin()));
  // request, go-ahead C0, and C0 for each of the three packets
  EXPECT_EQ(line.writtenSince(line.sendStart), (std::vector<uint8_t>{0x85, 0xC0, 0xC0, 0xC0, 0xC0}));
  line.clock.sleepFor(std::chrono::milliseconds(1));  // the last C0 reaches the central
  EXPECT_EQ(line.central.sectionsRead(), 1);
}

TEST(ReceiveBlock, APacketOfFourBytesEndsTheSectionFollowedByElevenZeros) {
  ConnectedLine line;
  line.area.fill(0x77);
  line.central.memory[kSection] = {9, 8, 7, 6};
  ASSERT_EQ(line.receive(), transfer::kOk);
  EXPECT_EQ(std::vector<uint8_t>(line.area.begin(), line.area.begin() + 4), (std::vector<uint8_t>{9, 8, 7, 6}));
  EXPECT_TRUE(std::all_of(line.area.begin() + 4, line.area.begin() + 15, [](uint8_t b) { return b == 0; }));
  EXPECT_EQ(line.area[15], 0x77);
}

TEST(ReceiveBlock, ABadChecksumIsAnsweredE0AndFailsWithNoAck) {
  ConnectedLine line;
  line.central.memory[kSection] = countingBytes(40);
  line.central.faults.corruptPacket = 2;
  EXPECT_EQ(line.receive(), transfer::kNoAck);
  EXPECT_EQ(line.pc.written().back(), 0xE0);
}

TEST(ReceiveBlock, ACentralThatNeverStopsCannotOverrunTheReceiveArea) {
  ConnectedLine line;
  line.central.faults.endlessPackets = true;
  EXPECT_EQ(line.receive(), transfer::kNoAck);
  EXPECT_EQ(line.pc.written().back(), 0xE0);
  EXPECT_EQ(line.area[10000], 0x11);  // filled to the last byte, and not one further
}

TEST(ReceiveBlock, ASilentCentralIsNoTable) {
  ConnectedLine line;
  line.central.faults.noEcho = true;
  EXPECT_EQ(line.receive(), transfer::kNoTable);
}

TEST(ReceiveBlock, ACancelWhileWaitingForAPacketStops) {
  ConnectedLine line;
  line.central.memory[kSection] = countingBytes(40);
  line.central.faults.dropAck = 0;
  line.far.setReceiver([](uint8_t) {});  // the central falls silent
  line.cancelAfter(300ms);
  Monotonic pressed = line.clock.monotonic() + 300ms;
  EXPECT_EQ(line.receive(), transfer::kStoppedByUser);
  EXPECT_LE(line.clock.monotonic() - pressed, 100ms);
}

}  // namespace
}  // namespace ordalis
