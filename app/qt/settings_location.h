// Where "Vantrel.ini" lives: the user's configuration folder on Linux and
// macOS (~/.config/Vantrel.ini, or $XDG_CONFIG_HOME/Vantrel.ini), the Windows
// directory on Windows, as the companion program expects.
#pragma once

#include <string>

namespace ordalis {

std::string settingsFilePath();

}  // namespace ordalis
