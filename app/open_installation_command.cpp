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
  if (!file.ok) {
    prompts.tell(FileErrorMessage(name, file.error), kErrorTitle, MessageIcon::Critical);
    name.clear();
    return InstallationFileOutcome::Unreadable;
  }
  return ReadInstallationBytes(file.bytes, state, prompts);
}

bool ReadInstallationFromPath(ProgramState& state, Prompts& prompts) {
  if (state.clock.InstallationPath.empty()) return false;
  // The lines now name other functions: none of them stays selected.
  state.clock.SelectedClockLine = 0;
  OpenInstallationFile(state, prompts);
  return !state.clock.InstallationPath.empty();
}

bool OpenInstallationCommand(ProgramState& state, Prompts& prompts) {
  FileDialog dialog;
  dialog.filter = kInstallationFileFilter;
  dialog.mustExist = true;
  const std::optional<std::string> chosen = prompts.openFileName(dialog);
  if (!chosen) return false;
  prompts.setBusy(true);
  state.clock.InstallationPath = *chosen;
  const bool read = ReadInstallationFromPath(state, prompts);
  // A refused file leaves the clock file's name alone: naming it ".clk"
  // would send the next save to a file nobody chose.
  if (read) NameClockFileAfterInstallation(state.clock);
  prompts.setBusy(false);
  return read;
}

}  // namespace ordalis
