// Reading an installation file chosen by the user.
#include "mainwindow/open_installation_command.h"

#include "clock/clock_commands.h"
#include "installation/installation_file.h"

namespace ordalis {

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
