// Framing and the receive state machine of the on-line protocol.
#include "comm/online_frame.h"

#include <numeric>

namespace ordalis {

uint8_t FrameChecksum(std::span<const uint8_t> bytesBeforeChecksum) {
  const unsigned sum = std::accumulate(bytesBeforeChecksum.begin(), bytesBeforeChecksum.end(), 0u);
  return static_cast<uint8_t>(sum & 0xFF);
}

std::vector<uint8_t> EncodeFrame(std::span<const uint8_t> payload) {
  std::vector<uint8_t> frame;
  frame.reserve(payload.size() + kFrameOverhead);
  frame.push_back(kFrameStart);
  frame.push_back(static_cast<uint8_t>(payload.size() + kFramePayloadOffset));
  frame.insert(frame.end(), payload.begin(), payload.end());
  frame.push_back(FrameChecksum(frame));
  return frame;
}

void FrameReceiver::receive(uint8_t byte) {
  m_byteSinceTick = true;
  if (!m_inFrame) {
    if (byte != kFrameStart) return;
    m_inFrame = true;
    m_buffer.assign(1, byte);
    return;
  }
  if (m_buffer.size() == kReceiveBufferEntries) {
    reset();
    return;
  }
  m_buffer.push_back(byte);
  // Complete when the byte after the length's worth has arrived: the checksum.
  const std::size_t length = m_buffer[kFrameLengthOffset];
  if (m_buffer.size() > kFramePayloadOffset && m_buffer.size() > length) completeFrame();
}

void FrameReceiver::completeFrame() {
  std::vector<uint8_t> frame;
  frame.swap(m_buffer);
  m_inFrame = false;
  const std::span<const uint8_t> beforeChecksum(frame.data(), frame.size() - 1);
  m_handler(frame, FrameChecksum(beforeChecksum) == frame.back());
}

void FrameReceiver::timerTick(bool inputWaiting) {
  if (!inputWaiting && !m_byteSinceTick) reset();
  m_byteSinceTick = false;
}

void FrameReceiver::reset() {
  m_inFrame = false;
  m_buffer.clear();
}

}  // namespace ordalis
