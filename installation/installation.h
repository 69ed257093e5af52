// The installation: central model, capacities and the installation tables.
// (The full set of tables arrives with the installation file reader.)
#pragma once

#include <array>
#include <cstdint>

#include "installation/model_capacities.h"

namespace ordalis {

struct InstallationSettings {
  // Monday first; 1 = workday, anything else a weekend day.
  std::array<uint8_t, 7> Workdays{1, 1, 1, 1, 1, 0, 0};
};

struct Installation {
  uint8_t CentralModel = 0;
  ModelCapacities Capacities = capacitiesOf(0);
  InstallationSettings Settings;
};

// Sets the model and its capacities. A model byte above 4 is taken as 3.
void ApplyCentralModel(Installation& installation, uint8_t model);

}  // namespace ordalis
