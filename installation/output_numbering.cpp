// Module groups and output numbering.
#include "installation/output_numbering.h"

namespace ordalis {

namespace {

NameText nameOf(const ModuleOutput* output) { return output ? output->Name : NameText{}; }

}  // namespace

int moduleGroupOf(uint8_t moduleType) {
  switch (moduleType) {
    case 101: case 102: case 103:
    case 111: case 112: case 113: case 114:
    case 151:
      return kRelayModuleGroup;
    case 131: case 140:
      return kDimmerModuleGroup;
    default:
      return kNoModuleGroup;
  }
}

const ModuleOutput* locateOutput(const Installation& installation, int group, int n) {
  if (n < 1) return nullptr;
  const int address = (n - 1) / kOutputsPerModule;
  for (const OutputModule& module : installation.OutputModules)
    if (moduleGroupOf(module.ModuleType) == group && module.Address == address)
      return &module.Outputs[(n - 1) % kOutputsPerModule];
  return nullptr;
}

NameText RelayName(const Installation& installation, int n) {
  return nameOf(locateOutput(installation, kRelayModuleGroup, n));
}

NameText DimmerName(const Installation& installation, int n) {
  return nameOf(locateOutput(installation, kDimmerModuleGroup, n));
}

}  // namespace ordalis
