// The frame of the on-line protocol, the same in both directions:
//
//   offset 0            start byte 0x02
//   offset 1            length: the number of frame bytes before the checksum
//                       (payload count + 2)
//   offset 2..length-1  payload: command class or answer code, then arguments
//   offset length       checksum: sum of bytes 0..length-1 (start and length
//                       included) modulo 256
//
// A payload of n bytes is n + 3 bytes on the wire. FrameReceiver is the
// receive state machine that finds frames in the byte stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace ordalis {

inline constexpr uint8_t kFrameStart = 0x02;
inline constexpr std::size_t kFrameStartOffset = 0;
inline constexpr std::size_t kFrameLengthOffset = 1;
inline constexpr std::size_t kFramePayloadOffset = 2;
// Start byte, length byte and checksum around the payload.
inline constexpr std::size_t kFrameOverhead = 1 + 1 + 1;
// The receive buffer holds this many bytes of one frame; a longer frame is
// outside the protocol and dropped.
inline constexpr std::size_t kReceiveBufferEntries = 5024;

// The checksum of the bytes that precede it in a frame.
uint8_t FrameChecksum(std::span<const uint8_t> bytesBeforeChecksum);

// The bytes on the wire for one payload (at most 253 bytes, so that the
// length fits its byte).
std::vector<uint8_t> EncodeFrame(std::span<const uint8_t> payload);

// The receive state machine. Bytes before a start byte are dropped; from a
// start byte on, bytes are collected until the length byte says the frame is
// complete (a 0x02 inside a frame is data). A complete frame goes to the
// handler with its checksum verdict.
class FrameReceiver {
 public:
  // `frame` holds every byte from the start byte to the checksum.
  using FrameHandler = std::function<void(std::span<const uint8_t> frame, bool checksumMatches)>;

  explicit FrameReceiver(FrameHandler handler) : m_handler(std::move(handler)) {}

  // One byte read from the port.
  void receive(uint8_t byte);
  // The frame time-out: the 1000 ms timer ticked. A frame that received no
  // byte since the previous tick, with nothing waiting at the port, has
  // stopped arriving and is abandoned.
  void timerTick(bool inputWaiting);
  // Back to waiting for a start byte.
  void reset();

  bool InFrame() const { return m_inFrame; }
  // Bytes of the current frame stored so far.
  std::size_t receivedCount() const { return m_buffer.size(); }

 private:
  void completeFrame();

  FrameHandler m_handler;
  std::vector<uint8_t> m_buffer;
  bool m_inFrame = false;
  bool m_byteSinceTick = false;
};

}  // namespace ordalis
