// ordalis-cli inspect FILE: what a clock file or an installation file holds.
#include "cli/cli_context.h"

namespace ordalis::cli {

void addInspectCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("inspect", "Show what a clock file (.clk) or installation file (.nbt) holds");
  auto file = std::make_shared<std::string>();
  auto all = std::make_shared<bool>(false);
  command->add_option("FILE", *file, "The file")->required();
  command->add_flag("--all", *all, "List all 100 clock lines, free ones too");
  command->callback([&context, result, file, all] {
    context.printError("inspect: not built yet");
    *result = kExitRefused;
  });
}

}  // namespace ordalis::cli
