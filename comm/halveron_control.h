// HalveronControl: the on-line control's logic. It opens and closes the port,
// frames each command (SendFrame), reads the central's answer frames as they
// arrive and turns every answer into an event, and keeps the 1000 ms timer
// that abandons a frame which stopped arriving.
//
//   InitComm(port, baud) -> open, timer running
//   command (SetRelay, ...) -> check arguments -> SendFrame -> not awaited
//   ServicePort() -> bytes -> FrameReceiver -> DispatchAnswer -> onEvent
//   EndComm() -> closed
//
// The owner calls ServicePort() whenever bytes may be waiting (the widget on
// a short timer, the CLI through Listen, which blocks in the port). The timer
// runs on the Clock, so the frame time-out is tested in virtual time.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "base/clock_source.h"
#include "comm/byte_link.h"
#include "comm/online_commands.h"
#include "comm/online_events.h"
#include "comm/online_frame.h"

namespace ordalis {

// InitComm's results.
inline constexpr int kPortOpen = 0;
inline constexpr int kPortDidNotOpen = -1;
inline constexpr int kPortNumberNotTaken = -2;
inline constexpr int kSettingsNotTaken = -3;

// The interval of the control's timer: the frame time-out and the longest a
// send waits for its bytes to leave.
inline constexpr std::chrono::milliseconds kOnLineTimerInterval{1000};

class HalveronControl {
 public:
  // The device of port number n ("COMn"); empty when there is none.
  using PortDevice = std::function<std::string(int port)>;
  using EventHandler = std::function<void(const OnLineEvent&)>;

  // `link` and `clock` must outlive the control.
  HalveronControl(ByteLink& link, const Clock& clock, PortDevice portDevice);
  // Ends the communication, as EndComm.
  ~HalveronControl();
  HalveronControl(const HalveronControl&) = delete;
  HalveronControl& operator=(const HalveronControl&) = delete;

  // Receives every event; may be empty.
  EventHandler onEvent;

  // Opens port number `port` at `baudRate` with ",n,8,1": 0 when open; -1
  // when the port did not open; -2 when the port number has no device; -3
  // when the settings are not valid. On failure the port stays closed.
  int InitComm(int port, int baudRate);
  // Stops the timer and closes the port; 0.
  int EndComm();
  bool isOpen() const { return m_link.isOpen(); }

  // The commands: 0 when the frame was sent (also to a closed port, where it
  // is lost), -2 or -3 for an argument out of range (nothing sent).
  int KeyPress(int tp, int key);
  int SetFunction(int fnc, int outp, int state);
  int SetDimmer(int outp, int state);
  int SetRelay(int outp, int state);
  int SetLocalMood(int outp, int state);
  int SetTimedLocalMood(int outp, int state);
  int SetGeneralMood(int outp);
  int GetRelayState(int outp);
  int GetDimmerLevel(int outp);
  int GetFunctionState(int fnc, int outp);

  // The receive handler and the timer: reads every waiting byte and raises
  // the events of complete frames, then runs the timer ticks that are due.
  void ServicePort();
  // Services the port for `duration`, blocking in the port between bytes.
  void Listen(std::chrono::milliseconds duration);
  // As Listen, but returns as soon as an event has been raised; true then.
  bool AwaitEvent(std::chrono::milliseconds timeout);

  bool InFrame() const { return m_receiver.InFrame(); }
  double lastLightValue() const { return m_lastLightValue; }

 private:
  int send(const OnLineCommand& command);
  // Frames the payload and writes it; waits until it has left the port or
  // one timer interval has passed. The answer is not awaited. Returns 0.
  int SendFrame(std::span<const uint8_t> payload);
  void onFrame(std::span<const uint8_t> frame, bool checksumMatches);
  void raise(const OnLineEvent& event);
  void timerTick();
  // Services the port until `deadline` or until `done` holds.
  void serviceUntil(Monotonic deadline, const std::function<bool()>& done);

  ByteLink& m_link;
  const Clock& m_clock;
  PortDevice m_portDevice;
  FrameReceiver m_receiver;
  bool m_timerEnabled = false;
  Monotonic m_nextTick{};
  double m_lastLightValue = 0;
  uint64_t m_eventsRaised = 0;
};

// "<executable base name> version <major>.<minor>.<revision>".
std::string GetVersion(const std::string& executablePath, int major, int minor, int revision);

}  // namespace ordalis
