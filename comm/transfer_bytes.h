// The bytes of the block protocol between the program and the central unit,
// shared by the transfer and the simulated central so both speak one
// protocol.
//
// Connect:  PC  F0 00 "QUARVENT"            (first access string)
//           PC  F0 FF "MIROLDAS"            (second access string)
//           CU  'K' 'V' 'B'
//           PC  F0 <model> <version 33>
//           CU  <model> <model> <version> 00 00 <challenge>
//           PC  <reply to the challenge>
//           CU  C0 (right reply) or 00 (wrong)
// Section:  PC  A0|n (write n) or 80|n (read n), CU echoes it
//           packets: header (sequence nibble << 4 | count), count data bytes,
//           checksum (header + data) & 0xFF; each answered C0 (or E0 on a
//           bad checksum); a packet of fewer than 15 bytes ends the section.
// End:      PC  60, CU 60.
#pragma once

#include <cstdint>
#include <span>

namespace ordalis {

inline constexpr uint8_t kConnectPrefix = 0xF0;
inline constexpr uint8_t kFirstAccessMark = 0x00;
inline constexpr uint8_t kSecondAccessMark = 0xFF;
inline constexpr const char* kFirstAccessString = "QUARVENT";  // also the call-back password
inline constexpr const char* kSecondAccessString = "MIROLDAS";
inline constexpr int kAccessStringLength = 8;
inline constexpr const char* kCentralGreeting = "KVB";
inline constexpr uint8_t kProtocolVersion = 33;
// Identification from the central: model, model, version, two unused bytes,
// challenge.
inline constexpr int kIdentificationLength = 6;
inline constexpr uint8_t kChallengeKey = 0x5A;

inline constexpr uint8_t kAck = 0xC0;
inline constexpr uint8_t kBadChecksum = 0xE0;
inline constexpr uint8_t kChallengeRefused = 0x00;
inline constexpr uint8_t kEndMarker = 0x60;
inline constexpr uint8_t kWriteRequest = 0xA0;  // OR the section number
inline constexpr uint8_t kReadRequest = 0x80;   // OR the section number
inline constexpr uint8_t kRequestMask = 0xE0;
inline constexpr uint8_t kSectionMask = 0x1F;
inline constexpr int kMaxPacketData = 15;

// The central model byte of a model number: 0 -> 0x88, 1 and 2 -> 0x11,
// 3 -> 0x55, 4 -> 0xCC (any other model counts as 3).
uint8_t CentralModelByte(uint8_t model);

// The answer to a challenge: XOR with the key, and when bit 7 is then set,
// shifted left by one within the byte.
constexpr uint8_t ChallengeReply(uint8_t challenge) {
  uint8_t reply = challenge ^ kChallengeKey;
  if (reply & 0x80) reply = static_cast<uint8_t>(reply << 1);
  return reply;
}

constexpr uint8_t PacketHeader(int sequence, int count) {
  return static_cast<uint8_t>((sequence & 15) << 4 | count);
}

// (header + sum of the data bytes) & 0xFF.
uint8_t PacketChecksum(uint8_t header, std::span<const uint8_t> data);

}  // namespace ordalis
