// ordalis-cli week: placeholder until its part of the core lands.
#include "cli/cli_context.h"

namespace ordalis::cli {

void addWeekCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("week", "(not built yet)");
  command->allow_extras();
  command->callback([&context, result] {
    context.printError("week: not built yet");
    *result = kExitRefused;
  });
}

}  // namespace ordalis::cli
