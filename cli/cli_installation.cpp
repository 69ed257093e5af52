// Installation files for the CLI.
#include "cli/cli_installation.h"

#include "base/file_store.h"
#include "cli/cli_prompts.h"
#include "app/open_installation_command.h"

namespace ordalis::cli {

bool LoadInstallationFile(CliContext& context, const std::string& path) {
  CliPrompts prompts;
  context.state.clock.InstallationPath = path;
  const int32_t language = context.state.texts.LanguageOffset;
  const InstallationFileOutcome outcome = OpenInstallationFile(context.state, prompts);
  context.state.texts.LanguageOffset = language;
  if (outcome == InstallationFileOutcome::NotFound)
    context.printError(path + ": " + readFileBytes(path).error);
  return outcome == InstallationFileOutcome::Loaded;
}

}  // namespace ordalis::cli
