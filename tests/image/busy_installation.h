// An installation in which every field that the memory image carries holds
// a value of its own, for one model: what round trips and layout tests
// build from.
#pragma once

#include <cstdint>

#include "installation/installation.h"

namespace ordalis::testing {

// Tables reset, then every carried entry of every table filled with values
// that differ from entry to entry (16-bit values include negative ones).
// Output modules alternate relay (111) and dimmer (131) modules so that
// dimmer outputs are connected. Every name is set.
Installation busyInstallation(uint8_t model);

// A fresh, reset installation of the same model: what a decode starts from.
Installation resetInstallation(uint8_t model);

}  // namespace ordalis::testing
