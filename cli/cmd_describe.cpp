// ordalis-cli describe: placeholder until its part of the core lands.
#include "cli/cli_context.h"

namespace ordalis::cli {

void addDescribeCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("describe", "(not built yet)");
  command->allow_extras();
  command->callback([&context, result] {
    context.printError("describe: not built yet");
    *result = kExitRefused;
  });
}

}  // namespace ordalis::cli
