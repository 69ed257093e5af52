// What every step of a transfer works with: the port, the clock, the user's
// stop flag, the block timer and the progress report; and the three wait
// primitives built on them.
//
// Every wait blocks in the port or the clock in slices of at most
// kStopCheckInterval and looks at the stop flag between slices, so Cancel
// ends any wait within that interval, and nothing spins.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "base/clock_source.h"
#include "comm/byte_link.h"
#include "comm/transfer_result.h"

namespace ordalis {

inline constexpr std::chrono::milliseconds kStopCheckInterval{50};

// Passes a failed step's code up unchanged: every step of the protocol reads
// "do this; on failure return its code".
#define RETURN_IF_FAILED(expression)                                        \
  do {                                                                      \
    if (::ordalis::TransferResult r_ = (expression); r_ != 0) return r_;    \
  } while (false)
// The block timer (comtimer2): restarted for every memory section.
inline constexpr std::chrono::milliseconds kBlockTime{50000};

class CommSession {
 public:
  // All three must outlive the session. `stopComm` may be set from another
  // thread (the dialog's Cancel).
  CommSession(ByteLink& link, Clock& clock, const std::atomic<bool>& stopComm)
      : m_link(link), m_clock(clock), m_stopComm(stopComm) {}

  ByteLink& link() { return m_link; }
  Clock& clock() { return m_clock; }
  bool stopRequested() const { return m_stopComm.load(); }

  // Progress in percent (0 to 100) goes to this callback, when set.
  std::function<void(int)> onProgress;
  void showProgress(int percent) {
    if (onProgress) onProgress(percent);
  }

  // The block timer: started with 50000 ms before every section.
  void startBlockTimer();
  void stopBlockTimer() { m_blockTimerRunning = false; }
  bool blockTimerRanOut() const;

  // Waits `duration`; 665 when the stop flag is set meanwhile, else 0.
  TransferResult Wait(std::chrono::milliseconds duration);
  // Waits until a byte has arrived: 0; 664 when `timeout` passes first; 665
  // when the stop flag is set meanwhile.
  TransferResult WaitForInput(std::chrono::milliseconds timeout);
  // Waits until the output buffer is empty: 0; 651 when the block timer runs
  // out first (without a running block timer: after 50000 ms of waiting);
  // 665 when the stop flag is set.
  TransferResult WaitSendDone();
  // WaitForInput, then the byte into `byte`.
  TransferResult ReadByte(std::chrono::milliseconds timeout, uint8_t& byte);

  // Writes bytes or text to the port (a closed port loses them).
  void send(std::initializer_list<uint8_t> bytes);
  void send(const std::string& text) { m_link.writeText(text); }

 private:
  ByteLink& m_link;
  Clock& m_clock;
  const std::atomic<bool>& m_stopComm;
  Monotonic m_blockDeadline{};
  bool m_blockTimerRunning = false;
};

}  // namespace ordalis
