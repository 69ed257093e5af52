// ordalis-cli online: placeholder until its part of the core lands.
#include "cli/cli_context.h"

namespace ordalis::cli {

void addOnlineCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("online", "(not built yet)");
  command->allow_extras();
  command->callback([&context, result] {
    context.printError("online: not built yet");
    *result = kExitRefused;
  });
}

}  // namespace ordalis::cli
