// ordalis-cli image: placeholder until its part of the core lands.
#include "cli/cli_context.h"

namespace ordalis::cli {

void addImageCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("image", "(not built yet)");
  command->allow_extras();
  command->callback([&context, result] {
    context.printError("image: not built yet");
    *result = kExitRefused;
  });
}

}  // namespace ordalis::cli
