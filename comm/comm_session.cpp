// The wait primitives of the transfer: Wait, WaitForInput, WaitSendDone.
#include "comm/comm_session.h"

#include <algorithm>
#include <vector>

namespace ordalis {

namespace {

std::chrono::milliseconds sliceUntil(Monotonic deadline, Monotonic now) {
  auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
  return std::clamp(left, std::chrono::milliseconds(1), kStopCheckInterval);
}

}  // namespace

void CommSession::startBlockTimer() {
  m_blockDeadline = m_clock.monotonic() + kBlockTime;
  m_blockTimerRunning = true;
}

bool CommSession::blockTimerRanOut() const {
  return m_blockTimerRunning && m_clock.monotonic() >= m_blockDeadline;
}

TransferResult CommSession::Wait(std::chrono::milliseconds duration) {
  Monotonic deadline = m_clock.monotonic() + duration;
  for (;;) {
    if (stopRequested()) return transfer::kStoppedByUser;
    Monotonic now = m_clock.monotonic();
    if (now >= deadline) return transfer::kOk;
    auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - now);
    m_clock.sleepFor(std::min<std::chrono::microseconds>(left, kStopCheckInterval));
  }
}

TransferResult CommSession::WaitForInput(std::chrono::milliseconds timeout) {
  Monotonic deadline = m_clock.monotonic() + timeout;
  for (;;) {
    if (m_link.bytesAvailable() > 0) return transfer::kOk;
    if (stopRequested()) return transfer::kStoppedByUser;
    Monotonic now = m_clock.monotonic();
    if (now >= deadline) return transfer::kTimedOut;
    m_link.waitForInput(sliceUntil(deadline, now));
  }
}

TransferResult CommSession::WaitSendDone() {
  Monotonic deadline = m_blockTimerRunning ? m_blockDeadline : m_clock.monotonic() + kBlockTime;
  for (;;) {
    Monotonic now = m_clock.monotonic();
    if (now >= deadline) return transfer::kTooLong;
    if (stopRequested()) return transfer::kStoppedByUser;
    if (m_link.bytesToWrite() == 0) return transfer::kOk;
    m_link.waitForBytesWritten(sliceUntil(deadline, now));
  }
}

TransferResult CommSession::ReadByte(std::chrono::milliseconds timeout, uint8_t& byte) {
  if (TransferResult result = WaitForInput(timeout); result != transfer::kOk) return result;
  byte = m_link.readByte().value_or(0);
  return transfer::kOk;
}

void CommSession::send(std::initializer_list<uint8_t> bytes) {
  std::vector<uint8_t> buffer(bytes);
  m_link.write(buffer);
}

}  // namespace ordalis
