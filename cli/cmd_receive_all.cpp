// ordalis-cli receive-all: placeholder until its part of the core lands.
#include "cli/cli_context.h"

namespace ordalis::cli {

void addReceiveAllCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("receive-all", "(not built yet)");
  command->allow_extras();
  command->callback([&context, result] {
    context.printError("receive-all: not built yet");
    *result = kExitRefused;
  });
}

}  // namespace ordalis::cli
