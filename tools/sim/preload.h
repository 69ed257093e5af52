// The simulator's memory at start: the sections an installation file builds
// (or those of an empty installation of the model), and section 18 from a
// clock file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tools/fixtures/simulated_central.h"

namespace ordalis::sim {

// Fills `memory`. Without an installation file the central holds an empty
// installation of `model` (0 when not given); with one, its sections, and
// `model` defaults to the file's model. An empty result means success;
// otherwise it is the reason the files could not be used.
std::string PreloadMemory(const std::string& nbtPath, const std::string& clkPath, std::optional<uint8_t>& model,
                          fixtures::CentralMemory& memory);

}  // namespace ordalis::sim
