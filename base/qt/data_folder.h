// Where the program keeps what it writes for the user besides the settings:
// the program's data folder (QStandardPaths::AppDataLocation of "Ordalis",
// ~/.local/share/Ordalis on Linux), the same for the program and the CLI.
#pragma once

#include <filesystem>

namespace ordalis {

// The transfer log, "transfers.log" in the data folder.
std::filesystem::path transferLogPath();

}  // namespace ordalis
