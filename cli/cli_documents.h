// JSON documents that more than one subcommand prints: receive-all shows the
// received installation with the same documents as inspect and functions.
#pragma once

#include <nlohmann/json.hpp>

#include "app/program_state.h"

namespace ordalis::cli {

// The installation's function catalogue, as `functions` prints it
// (cmd_functions.cpp).
nlohmann::json catalogueJson(const ProgramState& state);

// The installation, as `inspect` prints an installation file
// (inspect_installation.cpp).
nlohmann::ordered_json installationJson(const ProgramState& state);

}  // namespace ordalis::cli
