// A program state for the clock-line editor's tests: the demo installation,
// English texts and a fixed clock on Tuesday 10 March 2026, 10:15, so this
// week's Monday is 9 March and the Sunday before it 8 March.
#pragma once

#include "base/clock_source.h"
#include "app/program_state.h"
#include "support/line_builder.h"
#include "tools/fixtures/demo_installation.h"

namespace ordalis::test {

struct ClkEditProgram {
  ClkEditProgram() {
    state.texts.FillTextTables();
    state.installation = fixtures::DemoInstallation();
  }

  // Puts a line at index and selects it.
  ClockLine& putLine(int index, const ClockLine& line) {
    state.clock.ClockTable[static_cast<size_t>(index)] = line;
    state.clock.SelectedClockLine = index + 1;
    return state.clock.ClockTable[static_cast<size_t>(index)];
  }
  const ClockLine& lineAt(int index) const { return state.clock.ClockTable[static_cast<size_t>(index)]; }

  ProgramState state;
  FixedClock clock{At(2026, 3, 10, 10, 15)};
};

// Function codes of the demo installation.
constexpr int kHallCeilingRelay = 1 * 256 + 1;
constexpr int kFirstDimmer = 2 * 256 + 1;
constexpr int kLivingRoomSensorDay = 26 * 256 + 1;
constexpr int kAllOffGeneralMood = 10 * 256 + 0;

}  // namespace ordalis::test
