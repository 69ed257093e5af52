// ordalis-cli functions: placeholder until its part of the core lands.
#include "cli/cli_context.h"

namespace ordalis::cli {

void addFunctionsCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("functions", "(not built yet)");
  command->allow_extras();
  command->callback([&context, result] {
    context.printError("functions: not built yet");
    *result = kExitRefused;
  });
}

}  // namespace ordalis::cli
