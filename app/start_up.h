// The part of start-up that insists on an installation file: without one the
// program does not let the user work.
#pragma once

#include <functional>

#include "base/prompts.h"
#include "clock/clock_state.h"

namespace ordalis {

// Fixed start-up messages (Dutch in every language).
inline constexpr const char* kReadInstallationFirstMessage =
    "U moet nu eerst een NBT Vantrel bestand inlezen om met dit programma te kunnen werken";
inline constexpr const char* kInstallationReadMessage =
    "U kan nu de gegevens van het ingelezen VANTREL bestand gebruiken om verder de acties te "
    "defini\xC3\xAB" "ren";

// While InstallationPath is empty, asks the user (OK / Cancel) to read an
// installation file and runs openInstallationFile on OK, which sets
// InstallationPath when it read one. Returns false when the user cancelled:
// the program then ends at once, writing no settings. When the user was asked
// at least once and an installation is now in place, says that its data can
// be used.
bool InsistOnInstallation(const ClockState& clock, Prompts& prompts,
                          const std::function<void()>& openInstallationFile);

}  // namespace ordalis
