// Reading the installation file (*.nbt) of the configuration program into
// the installation tables. The program only ever reads these files.
//
// Versions 60 and 40 are read; every other version from 10 on is refused
// with "Wrong version" (the tables stay reset, the name stays set), versions
// below 10 with "Old version, use V2.32 or V2.15 for conversion".
#pragma once

#include <cstdint>
#include <span>

#include "app/program_state.h"
#include "app/prompts.h"

namespace ordalis {

enum class InstallationFileOutcome {
  Loaded,                 // read whole, end marker found
  NotFound,               // no such file: name cleared, tables untouched
  NotAnInstallationFile,  // "No VANTREL file!" at the magic (or a file too short for its header)
  OldVersion,             // version below 10
  WrongVersion,           // a version from 10 on that is not read
  BadEndMarker,           // "No VANTREL file!" at the end marker: the tables keep what was read
};

// Reads the file named by state.clock.InstallationPath into
// state.installation, telling the user through prompts when it refuses the
// file; clears InstallationPath when the file cannot be used. After a read
// (also after "Wrong version" and a failed end marker) the file's language
// offset, made valid, becomes the active language offset, and the model is
// applied once more over the loaded tables.
InstallationFileOutcome OpenInstallationFile(ProgramState& state, Prompts& prompts);

// The same steps over the bytes of a file that exists: what
// OpenInstallationFile does once it has the file's contents.
InstallationFileOutcome ReadInstallationBytes(std::span<const uint8_t> bytes, ProgramState& state,
                                              Prompts& prompts);

// No file this program reads is longer than this; bytes after it are never
// looked at.
constexpr std::size_t kMaxInstallationFileBytes = 1 << 18;

}  // namespace ordalis
