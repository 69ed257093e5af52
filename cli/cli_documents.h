// JSON documents that more than one subcommand prints: receive-all shows the
// received installation with the same documents as inspect and functions,
// compare and diff show lines as inspect does.
#pragma once

#include <nlohmann/json.hpp>

#include "app/program_state.h"
#include "clock/clock_line.h"

namespace ordalis::cli {

// The installation's function catalogue, as `functions` prints it
// (cmd_functions.cpp).
nlohmann::json catalogueJson(const ProgramState& state);

// The installation, as `inspect` prints an installation file
// (inspect_installation.cpp).
nlohmann::ordered_json installationJson(const ProgramState& state);

// One clock line with its index, as `inspect` lists it (cmd_inspect.cpp).
nlohmann::ordered_json clockLineJson(int index, const ClockLine& line);

}  // namespace ordalis::cli
