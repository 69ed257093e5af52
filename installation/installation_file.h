// Reading the installation file (*.nbt) of the configuration program into
// the installation tables. The program only ever reads these files.
//
// Versions 60 and 40 are read; every other version from 10 on is refused
// with "Wrong version" (the tables stay reset, the name stays set), versions
// below 10 with "Old version, use V2.32 or V2.15 for conversion".
#pragma once

#include <cstdint>
#include <span>

#include <string>

#include "base/prompts.h"
#include "base/texts.h"
#include "installation/installation.h"

namespace ordalis {

enum class InstallationFileOutcome {
  Loaded,                 // read whole, end marker found
  NotFound,               // no such file: name cleared, tables untouched
  Unreadable,             // exists but cannot be read: the platform's reason shown, name cleared, tables untouched
  NotAnInstallationFile,  // "No VANTREL file!" at the magic (or a file too short for its header)
  OldVersion,             // version below 10
  WrongVersion,           // a version from 10 on that is not read
  BadEndMarker,           // "No VANTREL file!" at the end marker: the tables keep what was read
};

// What reading an installation file changes: the tables, the active
// language (the file's language becomes active) and the file's name, which is
// cleared when the file is refused. The tables are reset with `baudRate`.
struct InstallationTarget {
  Installation& installation;
  Texts& texts;
  std::string& path;
  int32_t baudRate;
};

// Reads the bytes of an installation file into target.installation, telling
// the user through prompts when it refuses the file; clears target.path when
// the file cannot be used. After a read (also after "Wrong version" and a
// failed end marker) the file's language offset, made valid, becomes the
// active language offset, and the model is applied once more over the loaded
// tables.
InstallationFileOutcome ReadInstallationBytes(std::span<const uint8_t> bytes, InstallationTarget target,
                                              Prompts& prompts);

// No file this program reads is longer than this; bytes after it are never
// looked at.
constexpr std::size_t kMaxInstallationFileBytes = 1 << 18;

}  // namespace ordalis
