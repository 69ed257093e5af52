// Gives the main window its communication: the on-line control HVOcx (on the
// program's serial port, mapped through the settings file) with "Test
// On-Line", and the communication dialog for Receive and Send.
#pragma once

#include <string>

#include "base/clock_source.h"
#include "app/program_state.h"
#include "base/prompts.h"

namespace ordalis {

class FrmKlokken;

// Everything passed must outlive the window; `settingsPath` is the settings
// file whose section "Ports" maps port numbers to devices.
void InstallCommunication(FrmKlokken& window, ProgramState& state, Prompts& prompts, const Clock& clock,
                          const std::string& settingsPath);

}  // namespace ordalis
