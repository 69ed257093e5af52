// Pseudo-terminal and byte pacing of the simulator (POSIX only).
#include "tools/sim/pty_line.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>

#include "comm/port_settings.h"

namespace ordalis::sim {

namespace {

constexpr auto kIdlePoll = std::chrono::milliseconds(200);

void makeRaw(int fd) {
  termios settings{};
  if (tcgetattr(fd, &settings) != 0) return;
  cfmakeraw(&settings);
  tcsetattr(fd, TCSANOW, &settings);
}

}  // namespace

PtyLine::PtyLine(int32_t baudRate) {
  PortSettings settings;
  settings.baudRate = baudRate;
  m_byteTime = ByteTime(settings);
  char name[256] = {};
  if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
    throw std::runtime_error("cannot open a pseudo-terminal");
  }
  makeRaw(m_slave);
  fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
  m_devicePath = name;
}

PtyLine::~PtyLine() {
  if (m_master >= 0) ::close(m_master);
  if (m_slave >= 0) ::close(m_slave);
}

void PtyLine::send(uint8_t byte) {
  SteadyTime start = std::max(std::chrono::steady_clock::now(), m_outFreeAt);
  m_outFreeAt = start + m_byteTime;
  m_outgoing.push_back({m_outFreeAt, byte});
}

void PtyLine::readWaiting(SteadyTime now) {
  uint8_t buffer[512];
  for (;;) {
    ssize_t count = ::read(m_master, buffer, sizeof buffer);
    if (count <= 0) return;  // EAGAIN, or EIO while no program has the line open
    for (ssize_t i = 0; i < count; ++i) {
      m_inFreeAt = std::max(now, m_inFreeAt) + m_byteTime;
      m_incoming.push_back({m_inFreeAt, buffer[i]});
    }
  }
}

void PtyLine::deliverDue(SteadyTime now, const std::function<void(uint8_t, SteadyTime)>& receive) {
  while (!m_incoming.empty() && m_incoming.front().due <= now) {
    TimedByte arrived = m_incoming.front();
    m_incoming.pop_front();
    if (onTraffic) onTraffic(true, arrived.byte, arrived.due);
    receive(arrived.byte, arrived.due);
  }
}

void PtyLine::writeDue(SteadyTime now) {
  while (!m_outgoing.empty() && m_outgoing.front().due <= now) {
    uint8_t byte = m_outgoing.front().byte;
    if (::write(m_master, &byte, 1) != 1) {
      // The program's input queue is full: let it read before writing on.
      pollfd writable{m_master, POLLOUT, 0};
      ::poll(&writable, 1, 10);
      return;
    }
    if (onTraffic) onTraffic(false, byte, m_outgoing.front().due);
    m_outgoing.pop_front();
  }
}

SteadyTime PtyLine::nextDue() const {
  SteadyTime due = std::chrono::steady_clock::now() + kIdlePoll;
  if (!m_incoming.empty()) due = std::min(due, m_incoming.front().due);
  if (!m_outgoing.empty()) due = std::min(due, m_outgoing.front().due);
  return due;
}

void PtyLine::run(const std::function<void(uint8_t, SteadyTime)>& receive, const std::function<bool()>& keepRunning) {
  while (keepRunning()) {
    auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(nextDue() - std::chrono::steady_clock::now());
    if (wait.count() < 0) wait = std::chrono::nanoseconds(0);
    timespec timeout{static_cast<time_t>(wait.count() / 1'000'000'000), static_cast<long>(wait.count() % 1'000'000'000)};
    pollfd watched{m_master, POLLIN, 0};
    int ready = ppoll(&watched, 1, &timeout, nullptr);
    SteadyTime now = std::chrono::steady_clock::now();
    if (ready > 0 && (watched.revents & POLLIN)) readWaiting(now);
    deliverDue(now, receive);
    writeDue(now);
  }
}

}  // namespace ordalis::sim
