// ordalis-cli inspect FILE.nbt: what an installation file holds.
#pragma once

#include <string>

#include "cli/cli_context.h"

namespace ordalis::cli {

// True when the file is to be inspected as an installation file: it starts
// with "Q&Z" or its name ends in ".nbt" (any case).
bool looksLikeInstallationFile(const std::string& path);

// Reads the file as the program does and prints version, model, capacities,
// workdays, language, baud rate and modem settings. A refused file: the
// reader's message on stderr and kExitRefused.
int inspectInstallationFile(CliContext& context, const std::string& path);

}  // namespace ordalis::cli
