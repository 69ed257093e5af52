// Model switching of the installation.
#include "installation/installation.h"

namespace ordalis {

void ApplyCentralModel(Installation& installation, uint8_t model) {
  installation.CentralModel = effectiveModel(model);
  installation.Capacities = capacitiesOf(installation.CentralModel);
}

}  // namespace ordalis
