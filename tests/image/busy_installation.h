// Installations for the image tests: a reset one, what a decode starts from,
// and a busy one, whose every stored field holds a value of its own.
#pragma once

#include <cstdint>

#include "installation/installation.h"
#include "tests/installation/patterned_installation.h"

namespace ordalis::testing {

inline Installation resetInstallation(uint8_t model) {
  Installation installation;
  installation.CentralModel = model;
  installation.Capacities = capacitiesOf(model);
  ResetInstallation(installation, 19200, 0);
  return installation;
}

inline Installation busyInstallation(uint8_t model) { return test::patternedInstallation(model); }

}  // namespace ordalis::testing
