// The on-line control: port, commands, answers and the frame timer.
#include "comm/halveron_control.h"

#include <algorithm>

#include "comm/port_settings.h"

namespace ordalis {

namespace {

constexpr int kHighestPortNumber = 255;

std::chrono::milliseconds waitUntil(Monotonic from, Monotonic until) {
  return std::max(std::chrono::milliseconds(1), std::chrono::ceil<std::chrono::milliseconds>(until - from));
}

}  // namespace

HalveronControl::HalveronControl(ByteLink& link, const Clock& clock, PortDevice portDevice)
    : m_link(link),
      m_clock(clock),
      m_portDevice(std::move(portDevice)),
      m_receiver([this](std::span<const uint8_t> frame, bool matches) { onFrame(frame, matches); }) {}

HalveronControl::~HalveronControl() { EndComm(); }

int HalveronControl::InitComm(int port, int baudRate) {
  EndComm();
  const std::string device =
      port >= 1 && port <= kHighestPortNumber && m_portDevice ? m_portDevice(port) : std::string();
  if (device.empty()) return kPortNumberNotTaken;
  const std::string settings = PortSettingsText(baudRate);
  if (!ParsePortSettings(settings)) return kSettingsNotTaken;
  if (!m_link.open(device, settings)) return kPortDidNotOpen;
  m_receiver.reset();
  m_timerEnabled = true;
  m_nextTick = m_clock.monotonic() + kOnLineTimerInterval;
  return kPortOpen;
}

int HalveronControl::EndComm() {
  m_timerEnabled = false;
  m_link.close();
  m_receiver.reset();
  return 0;
}

int HalveronControl::KeyPress(int tp, int key) { return send(ordalis::KeyPress(tp, key)); }
int HalveronControl::SetFunction(int fnc, int outp, int state) {
  return send(ordalis::SetFunction(fnc, outp, state));
}
int HalveronControl::SetDimmer(int outp, int state) { return send(ordalis::SetDimmer(outp, state)); }
int HalveronControl::SetRelay(int outp, int state) { return send(ordalis::SetRelay(outp, state)); }
int HalveronControl::SetLocalMood(int outp, int state) { return send(ordalis::SetLocalMood(outp, state)); }
int HalveronControl::SetTimedLocalMood(int outp, int state) {
  return send(ordalis::SetTimedLocalMood(outp, state));
}
int HalveronControl::SetGeneralMood(int outp) { return send(ordalis::SetGeneralMood(outp)); }
int HalveronControl::GetRelayState(int outp) { return send(ordalis::GetRelayState(outp)); }
int HalveronControl::GetDimmerLevel(int outp) { return send(ordalis::GetDimmerLevel(outp)); }
int HalveronControl::GetFunctionState(int fnc, int outp) { return send(ordalis::GetFunctionState(fnc, outp)); }

int HalveronControl::send(const OnLineCommand& command) {
  if (command.result != kCommandSent) return command.result;
  return SendFrame(command.payload);
}

int HalveronControl::SendFrame(std::span<const uint8_t> payload) {
  if (!m_link.write(EncodeFrame(payload))) return 0;  // a closed port loses the frame
  m_link.waitForBytesWritten(kOnLineTimerInterval);
  return 0;
}

void HalveronControl::ServicePort() {
  while (std::optional<uint8_t> byte = m_link.readByte()) m_receiver.receive(*byte);
  // Like any timer, a late one ticks once, not once for every missed interval.
  const Monotonic now = m_clock.monotonic();
  if (!m_timerEnabled || now < m_nextTick) return;
  timerTick();
  const auto missed = (now - m_nextTick) / kOnLineTimerInterval;
  m_nextTick += (missed + 1) * kOnLineTimerInterval;
}

void HalveronControl::timerTick() { m_receiver.timerTick(m_link.bytesAvailable() > 0); }

void HalveronControl::onFrame(std::span<const uint8_t> frame, bool checksumMatches) {
  if (!checksumMatches) {
    raise(CommunicationProblemEvent());
    return;
  }
  const std::size_t payloadEnd = frame.size() - 1;  // before the checksum
  const std::span<const uint8_t> payload =
      payloadEnd > kFramePayloadOffset ? frame.subspan(kFramePayloadOffset, payloadEnd - kFramePayloadOffset)
                                       : std::span<const uint8_t>();
  if (std::optional<OnLineEvent> event = DispatchAnswer(payload)) {
    if (event->kind == OnLineEventKind::Light || event->kind == OnLineEventKind::LightLevelSet)
      m_lastLightValue = event->value;
    raise(*event);
  }
}

void HalveronControl::raise(const OnLineEvent& event) {
  ++m_eventsRaised;
  if (onEvent) onEvent(event);
}

void HalveronControl::serviceUntil(Monotonic deadline, const std::function<bool()>& done) {
  for (;;) {
    ServicePort();
    const Monotonic now = m_clock.monotonic();
    if (done() || now >= deadline || !m_link.isOpen()) return;
    const Monotonic wakeUp = m_timerEnabled ? std::min(deadline, m_nextTick) : deadline;
    m_link.waitForInput(waitUntil(now, wakeUp));
  }
}

void HalveronControl::Listen(std::chrono::milliseconds duration) {
  serviceUntil(m_clock.monotonic() + duration, [] { return false; });
}

bool HalveronControl::AwaitEvent(std::chrono::milliseconds timeout) {
  const uint64_t before = m_eventsRaised;
  serviceUntil(m_clock.monotonic() + timeout, [&] { return m_eventsRaised != before; });
  return m_eventsRaised != before;
}

std::string GetVersion(const std::string& executablePath, int major, int minor, int revision) {
  const std::size_t slash = executablePath.find_last_of("/\\");
  std::string name = slash == std::string::npos ? executablePath : executablePath.substr(slash + 1);
  if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.erase(dot);
  return name + " version " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

}  // namespace ordalis
