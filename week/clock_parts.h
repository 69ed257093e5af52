// The parts of the program's state that the week view and the line editor
// work on: the clock table with its globals, and the installation and texts
// that name its functions. The referenced objects must outlive the parts.
#pragma once

#include "base/texts.h"
#include "clock/clock_state.h"
#include "installation/installation.h"

namespace ordalis {

struct ClockParts {
  ClockState& clock;
  const Installation& installation;
  const Texts& texts;
};

}  // namespace ordalis
