// ordalis-cli receive: placeholder until its part of the core lands.
#include "cli/cli_context.h"

namespace ordalis::cli {

void addReceiveCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("receive", "(not built yet)");
  command->allow_extras();
  command->callback([&context, result] {
    context.printError("receive: not built yet");
    *result = kExitRefused;
  });
}

}  // namespace ordalis::cli
