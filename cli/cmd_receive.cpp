// ordalis-cli receive OUT.clk --nbt NBT --port P: fetches the clock table
// from the central unit and saves it as a clock file.
#include "cli/transfer_cli.h"
#include "clock/clock_table.h"
#include "comm/transfer_flows.h"

namespace ordalis::cli {

namespace {

struct ReceiveOptions {
  std::string output;
  std::string nbt;
  PortOptions port;
};

int runReceive(CliContext& context, const ReceiveOptions& options) {
  if (!LoadInstallationFile(context, options.nbt)) return kExitRefused;
  CliTransfer stage(context);
  const TransferChoices choices = FetchChoices(context, options.port);
  stage.start();
  TransferOutcome outcome = RunSendButton(context.state, stage.session(), choices,
                                          stage.user(context.state.texts), SendAction::Receive);
  TransferLogEntry entry = TransferLogEntryOf("receive", choices.target, outcome, context.state.texts);
  entry.lines = outcome.failed() ? 0 : LinesInUse(context.state.clock.ClockTable);
  stage.log(entry);
  if (!outcome.failed() && !SaveClockFile(context, options.output)) return kExitRefused;
  return stage.finish(context, outcome.result, outcome.attempts);
}

}  // namespace

void addReceiveCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("receive", "Fetch the clock table from the central unit into a clock file");
  auto options = std::make_shared<ReceiveOptions>();
  command->add_option("OUT", options->output, "The clock file to write")->required();
  command->add_option("--nbt", options->nbt, "The installation file")->required()->check(CLI::ExistingFile);
  AddPortOptions(*command, options->port);
  command->callback([&context, result, options] { *result = runReceive(context, *options); });
}

}  // namespace ordalis::cli
