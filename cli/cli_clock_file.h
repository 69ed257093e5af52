// Reading a clock file for a CLI subcommand: the refusal goes to stderr.
#pragma once

#include <string>

#include "cli/cli_context.h"

namespace ordalis::cli {

// Reads the clock file at path into the state (its table, format and name)
// and applies its central model, as opening it in the program does. Returns
// false, after printing the system's message, when the file cannot be read,
// is no clock file or is cut short; the state is then unchanged.
bool LoadClockFile(CliContext& context, const std::string& path);

}  // namespace ordalis::cli
