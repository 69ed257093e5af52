// ordalis-cli program-modem: placeholder until its part of the core lands.
#include "cli/cli_context.h"

namespace ordalis::cli {

void addProgramModemCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("program-modem", "(not built yet)");
  command->allow_extras();
  command->callback([&context, result] {
    context.printError("program-modem: not built yet");
    *result = kExitRefused;
  });
}

}  // namespace ordalis::cli
