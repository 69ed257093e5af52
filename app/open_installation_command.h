// File > Read VANTREL file: the user picks an installation file, which is
// read into the installation tables; the clock file is named after it.
#pragma once

#include "app/program_state.h"
#include "base/prompts.h"
#include "installation/installation_file.h"

namespace ordalis {

// The open dialog's filter (Dutch in every language).
inline constexpr const char* kInstallationFileFilter =
    "Vantrel bestanden (*.nbt) |*.nbt|Alle bestanden (*.*) |*.*";

// Reads the file named by state.clock.InstallationPath into the
// installation tables (see ReadInstallationBytes). No such file: the name is
// cleared and the tables are untouched, with no message. A file that exists
// but cannot be read shows the platform's reason under the file's name and
// clears the name; the tables are untouched.
InstallationFileOutcome OpenInstallationFile(ProgramState& state, Prompts& prompts);

// Reads the installation file named by InstallationPath. The reader empties
// InstallationPath, after telling the user why, when it refuses the file.
// Returns whether an installation is in place afterwards.
bool ReadInstallationFromPath(ProgramState& state, Prompts& prompts);

// mmuFileOpenNBT_Click: asks for an installation file and reads it. A read
// file names the clock file (its base name with ".clk"); the clock table
// itself is not touched. A cancelled dialog changes nothing. Returns whether
// a file was read.
bool OpenInstallationCommand(ProgramState& state, Prompts& prompts);

}  // namespace ordalis
