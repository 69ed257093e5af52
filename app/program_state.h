// All program-wide state in one place. The program holds one ProgramState for
// its whole run; every test makes a fresh one.
#pragma once

#include "app/settings.h"
#include "app/texts.h"
#include "clock/clock_state.h"
#include "image/memory_image.h"
#include "installation/installation.h"

namespace ordalis {

struct ProgramState {
  Texts texts;                // active language and the text tables
  Settings settings;          // what "Vantrel.ini" holds for this program
  ClockState clock;           // the clock table and its globals
  Installation installation;  // the installation tables, model and capacities
  int SelectedClockLine = 0;  // 1-based number of the selected line, 0 = none
  MemoryImage image;          // the central memory image; made anew by every build
};

}  // namespace ordalis
