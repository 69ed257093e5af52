// A PC end and a simulated central joined by an in-memory line on a virtual
// clock: the stage of every protocol test.
#pragma once

#include <atomic>
#include <chrono>
#include <vector>

#include "base/virtual_clock.h"
#include "comm/comm_session.h"
#include "support/scripted_prompts.h"
#include "tools/fixtures/memory_link.h"
#include "tools/fixtures/simulated_central.h"

namespace ordalis::test {

struct LinkedCentral {
  explicit LinkedCentral(uint8_t model = 0)
      : central(model, [this](uint8_t byte) { far.writeByte(byte); }) {
    fixtures::MemoryLink::connect(pc, far);
    far.openAt(19200);
    far.setReceiver([this](uint8_t byte) { central.receive(byte, clock.monotonic()); });
    session.onProgress = [this](int percent) { progress.push_back(percent); };
  }

  // Opens the PC end as a transfer driver would.
  void openPort() { pc.open("/dev/ttyS1", "19200,n,8,1"); }
  // The user presses Cancel `after` from now.
  void cancelAfter(std::chrono::milliseconds after) {
    clock.scheduleAfter(after, [this] { stopComm = true; });
  }
  double secondsSince(Monotonic start) const {
    return std::chrono::duration<double>(clock.monotonic() - start).count();
  }
  // The bytes the PC wrote from position `from` on.
  std::vector<uint8_t> writtenSince(std::size_t from) const {
    return {pc.written().begin() + static_cast<std::ptrdiff_t>(from), pc.written().end()};
  }

  VirtualClock clock;
  fixtures::MemoryLink pc{clock};
  fixtures::MemoryLink far{clock};
  fixtures::SimulatedCentral central;
  std::atomic<bool> stopComm{false};
  CommSession session{pc, clock, stopComm};
  std::vector<int> progress;
};

// Prompts that also count the beeps.
class CountingPrompts : public ScriptedPrompts {
 public:
  int beeps = 0;
  void beep() override { ++beeps; }
};

}  // namespace ordalis::test
