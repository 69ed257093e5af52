// Reading an installation file for a CLI subcommand: the reader's refusal
// goes to stderr, and the language chosen with --lang stays active (reading
// a file would otherwise switch to the file's language).
#pragma once

#include <string>

#include "cli/cli_context.h"

namespace ordalis::cli {

// Reads path into context.state.installation (workday flags, model,
// capacities, every table). Returns false when the file cannot be used,
// after the reader's message (or, for a missing file, the system's error)
// has gone to stderr.
bool LoadInstallationFile(CliContext& context, const std::string& path);

}  // namespace ordalis::cli
