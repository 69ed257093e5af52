// The block protocol, step by step:
//
//   request:  Wait(100); requestSection (r = number | A0 to write, | 80 to
//             read; two tries; echo within 4800 ms: 656 / 657; after two
//             failures the end marker 60)
//   send:     sendPacket per 15 bytes: header (sequence << 4 | n), data,
//             checksum; WaitSendDone; C0 within 800 ms (658 / 659)
//             a last packet of 15 bytes is followed by an empty one (660 / 661)
//   receive:  receivePacket: header, n data bytes, checksum, 800 ms each
//             (658); C0 when the checksum is right, else E0 and 658;
//             a packet of fewer than 15 bytes ends the section
#include "comm/block_protocol.h"

#include <algorithm>
#include <vector>

#include "comm/transfer_bytes.h"

namespace ordalis {

namespace {

using namespace std::chrono_literals;

constexpr auto kEchoTime = 4800ms;
constexpr auto kByteTime = 800ms;
constexpr int kRequestTries = 2;

TransferResult orIfTimedOut(TransferResult waited, TransferResult missing) {
  return waited == transfer::kTimedOut ? missing : waited;
}

// One try of a section request; `answerFirst` sends the C0 that a read
// request wants before the echo is read.
TransferResult requestOnce(CommSession& session, uint8_t request, bool answerFirst) {
  session.send({request});
  RETURN_IF_FAILED(session.WaitSendDone());
  RETURN_IF_FAILED(orIfTimedOut(session.WaitForInput(kEchoTime), transfer::kNoTable));
  if (answerFirst) session.send({kAck});
  uint8_t echo = session.link().readByte().value_or(0);
  return echo == request ? transfer::kOk : transfer::kWrongTable;
}

TransferResult requestSection(CommSession& session, uint8_t request, bool answerFirst) {
  RETURN_IF_FAILED(session.Wait(100ms));
  TransferResult result = transfer::kOk;
  for (int attempt = 0; attempt < kRequestTries; ++attempt) {
    result = requestOnce(session, request, answerFirst);
    if (result == transfer::kOk || result == transfer::kStoppedByUser) return result;
  }
  session.send({kEndMarker});
  return result;
}

TransferResult sendPacket(CommSession& session, int sequence, std::span<const uint8_t> data,
                          TransferResult noAck, TransferResult wrongAck) {
  uint8_t header = PacketHeader(sequence, static_cast<int>(data.size()));
  session.send({header});
  session.link().write(data);
  session.send({PacketChecksum(header, data)});
  RETURN_IF_FAILED(session.WaitSendDone());
  uint8_t ack = 0;
  RETURN_IF_FAILED(orIfTimedOut(session.ReadByte(kByteTime, ack), noAck));
  return ack == kAck ? transfer::kOk : wrongAck;
}

// Reads one packet and stores its data from `position`; `count` gets its
// number of data bytes.
TransferResult receivePacket(CommSession& session, std::span<uint8_t> area, std::size_t position, int& count) {
  uint8_t header = 0;
  RETURN_IF_FAILED(orIfTimedOut(session.ReadByte(kByteTime, header), transfer::kNoAck));
  count = header & 15;
  std::vector<uint8_t> data(count);
  for (uint8_t& byte : data) RETURN_IF_FAILED(orIfTimedOut(session.ReadByte(kByteTime, byte), transfer::kNoAck));
  uint8_t checksum = 0;
  RETURN_IF_FAILED(orIfTimedOut(session.ReadByte(kByteTime, checksum), transfer::kNoAck));
  // Bytes are stored as far as the area reaches; a central that overruns it
  // is refused like a bad packet.
  std::size_t room = position < area.size() ? area.size() - position : 0;
  std::size_t stored = std::min(data.size(), room);
  std::copy_n(data.begin(), stored, area.subspan(std::min(position, area.size())).begin());
  if (checksum != PacketChecksum(header, data) || stored < data.size()) {
    session.send({kBadChecksum});
    return transfer::kNoAck;
  }
  session.send({kAck});
  return transfer::kOk;
}

}  // namespace

TransferResult SendBlock(CommSession& session, int number, std::span<const uint8_t> data,
                         const BlockProgress& progress) {
  RETURN_IF_FAILED(requestSection(session, static_cast<uint8_t>(number | kWriteRequest), false));
  int sequence = 0;
  std::size_t position = 0;
  std::size_t lastCount = 0;
  do {
    std::size_t count = std::min<std::size_t>(kMaxPacketData, data.size() - position);
    RETURN_IF_FAILED(sendPacket(session, sequence, data.subspan(position, count), transfer::kNoAck,
                                transfer::kWrongAck));
    position += count;
    lastCount = count;
    ++sequence;
    if (progress) progress(position);
  } while (position < data.size());
  if (lastCount == kMaxPacketData) {
    RETURN_IF_FAILED(sendPacket(session, sequence, {}, transfer::kNoMessage, transfer::kWrongMessage));
  }
  return transfer::kOk;
}

TransferResult ReceiveBlock(CommSession& session, int number, std::span<uint8_t> area,
                            const BlockProgress& progress) {
  RETURN_IF_FAILED(requestSection(session, static_cast<uint8_t>(number | kReadRequest), true));
  std::size_t position = 0;
  for (;;) {
    int count = 0;
    RETURN_IF_FAILED(receivePacket(session, area, position, count));
    if (count < kMaxPacketData) {
      // The rest of the packet's 15 positions is zero, as far as the area reaches.
      std::size_t end = std::min(position + kMaxPacketData, area.size());
      std::fill(area.begin() + static_cast<std::ptrdiff_t>(position + count), area.begin() + static_cast<std::ptrdiff_t>(end), 0);
      if (progress) progress(position + count);
      return transfer::kOk;
    }
    position += count;
    if (progress) progress(position);
  }
}

}  // namespace ordalis
