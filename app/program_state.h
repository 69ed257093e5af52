// All program-wide state in one place. The program holds one ProgramState for
// its whole run; every test makes a fresh one.
#pragma once

#include "base/settings.h"
#include "base/texts.h"
#include "clock/clock_state.h"
#include "comm/transfer_parts.h"
#include "image/memory_image.h"
#include "installation/installation.h"
#include "installation/installation_file.h"
#include "week/clock_parts.h"

namespace ordalis {

struct ProgramState {
  Texts texts;                // active language and the text tables
  Settings settings;          // what "Vantrel.ini" holds for this program
  ClockState clock;           // the clock table and its globals
  Installation installation;  // the installation tables, model and capacities
  MemoryImage image;          // the central memory image; made anew by every build

  // The parts that the week view, the line editor and the transfers work on.
  operator ClockParts() { return {clock, installation, texts}; }
  operator TransferParts() { return {clock, installation, image, settings, texts}; }
  operator InstallationTarget() { return {installation, texts, clock.InstallationPath, settings.BaudRate}; }
};

}  // namespace ordalis
