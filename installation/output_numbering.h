// Module groups and output numbers: which output module output a switch
// (relay) or dimming function number n means.
//
// Output n (counted from 1) is output (n - 1) mod 8 of the first module, in
// table order, that is in the right group (relay modules for switch
// functions, dimmer modules for dimming functions) and whose address byte is
// (n - 1) div 8. No such module: the output is not connected.
#pragma once

#include <cstdint>
#include <string>

#include "installation/installation.h"

namespace ordalis {

// The numbers of ModuleGroupNames that output modules fall into.
constexpr int kNoModuleGroup = 0;
constexpr int kRelayModuleGroup = 2;
constexpr int kDimmerModuleGroup = 3;

// Relay modules: 101 to 103 (the PELVAN's own outputs), 111 to 114 and 151;
// dimmer modules: 131 and 140. Any other type (0 = empty entry): no group.
int moduleGroupOf(uint8_t moduleType);

// The output that output number n of the group means, or nullptr when it is
// not connected (also for n < 1).
const ModuleOutput* locateOutput(const Installation& installation, int group, int n);

// The 50-character name of relay (dimmer) output n; 50 spaces when the
// output is not connected.
NameText RelayName(const Installation& installation, int n);
NameText DimmerName(const Installation& installation, int n);

}  // namespace ordalis
