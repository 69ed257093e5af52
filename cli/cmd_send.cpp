// ordalis-cli send: placeholder until its part of the core lands.
#include "cli/cli_context.h"

namespace ordalis::cli {

void addSendCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("send", "(not built yet)");
  command->allow_extras();
  command->callback([&context, result] {
    context.printError("send: not built yet");
    *result = kExitRefused;
  });
}

}  // namespace ordalis::cli
