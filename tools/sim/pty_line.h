// The pseudo-terminal of ordalis-sim and the pacing of its bytes: every byte
// in either direction takes ten bit times at the configured baud rate, so a
// program talking to the simulator sees the timing of a real serial line.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

namespace ordalis::sim {

using SteadyTime = std::chrono::steady_clock::time_point;

class PtyLine {
 public:
  // Opens a pseudo-terminal in raw mode; throws std::runtime_error on failure.
  explicit PtyLine(int32_t baudRate);
  ~PtyLine();
  PtyLine(const PtyLine&) = delete;
  PtyLine& operator=(const PtyLine&) = delete;

  // The device path a program opens (e.g. /dev/pts/3).
  const std::string& devicePath() const { return m_devicePath; }

  // Queues a byte for the program; it arrives one byte time after the line
  // is free.
  void send(uint8_t byte);

  // Runs until `keepRunning` turns false: reads the program's bytes, hands
  // each to `receive` when it has fully arrived, writes queued bytes when due.
  void run(const std::function<void(uint8_t, SteadyTime)>& receive, const std::function<bool()>& keepRunning);

  // Called for every byte that leaves (`fromProgram` false) or reaches the
  // simulator, for the traffic log. May be empty.
  std::function<void(bool fromProgram, uint8_t byte, SteadyTime at)> onTraffic;

 private:
  struct TimedByte {
    SteadyTime due;
    uint8_t byte;
  };
  void readWaiting(SteadyTime now);
  void deliverDue(SteadyTime now, const std::function<void(uint8_t, SteadyTime)>& receive);
  void writeDue(SteadyTime now);
  SteadyTime nextDue() const;

  int m_master = -1;
  int m_slave = -1;  // held open so the line survives between the program's sessions
  std::string m_devicePath;
  std::chrono::nanoseconds m_byteTime;
  std::deque<TimedByte> m_incoming;
  std::deque<TimedByte> m_outgoing;
  SteadyTime m_inFreeAt{};
  SteadyTime m_outFreeAt{};
};

}  // namespace ordalis::sim
