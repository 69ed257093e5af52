// Reading an installation file chosen by the user.
#include "app/open_installation_command.h"

#include <filesystem>
#include <system_error>

#include "app/clock_commands.h"
#include "base/file_store.h"

namespace ordalis {

InstallationFileOutcome OpenInstallationFile(ProgramState& state, Prompts& prompts) {
  std::string& name = state.clock.InstallationPath;
  std::error_code error;
  if (name.empty() || !std::filesystem::exists(name, error)) {
    name.clear();
    return InstallationFileOutcome::NotFound;
  }
  FileBytes file = readFileBytes(name, kMaxInstallationFileBytes);
  return ReadInstallationBytes(file.bytes, state, prompts);
}

bool ReadInstallationFromPath(ProgramState& state, Prompts& prompts) {
  if (state.clock.InstallationPath.empty()) return false;
  OpenInstallationFile(state, prompts);
  return !state.clock.InstallationPath.empty();
}

bool OpenInstallationCommand(ProgramState& state, Prompts& prompts) {
  FileDialog dialog;
  dialog.filter = kInstallationFileFilter;
  dialog.mustExist = true;
  prompts.setBusy(true);
  const std::optional<std::string> chosen = prompts.openFileName(dialog);
  if (!chosen) {
    prompts.setBusy(false);
    return false;
  }
  state.clock.InstallationPath = *chosen;
  const bool read = ReadInstallationFromPath(state, prompts);
  // A refused file leaves the clock file's name alone: naming it ".clk"
  // would send the next save to a file nobody chose.
  if (read) state.clock.ClockFileName = NewClockFileName(state.clock.InstallationPath);
  prompts.setBusy(false);
  return read;
}

}  // namespace ordalis
