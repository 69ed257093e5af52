// ordalis-cli receive-all --port P --model M: fetches every memory section
// from the central unit and shows the installation decoded from them.
#include "cli/transfer_cli.h"
#include "comm/transfer_flows.h"
#include "installation/installation.h"

namespace ordalis::cli {

namespace {

struct ReceiveAllOptions {
  PortOptions port;
  int model = 0;
};

int runReceiveAll(CliContext& context, const ReceiveAllOptions& options) {
  ProgramState& state = context.state;
  ResetInstallation(state.installation, state.settings.BaudRate, state.texts.LanguageOffset);
  ApplyCentralModel(state.installation, state.texts, static_cast<uint8_t>(options.model));
  CliTransfer stage(context);
  TransferTarget target;
  target.port = DeviceForPort(options.port.port);
  target.baudRate = options.port.baud != 0 ? options.port.baud : state.settings.BaudRate;
  target.connect.centralModel = state.installation.CentralModel;
  stage.start();
  TransferOutcome outcome = ReceiveWholeImage(state, stage.session(), target, stage.user(state.texts));
  stage.log(TransferLogEntryOf("receive-all", target, outcome, state.texts));
  nlohmann::json extra = nlohmann::json::object();
  if (!outcome.failed()) extra = InstallationDocuments(context);
  return stage.finish(context, outcome.result, outcome.attempts, extra);
}

}  // namespace

void addReceiveAllCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("receive-all", "Fetch the whole installation from the central unit's memory");
  auto options = std::make_shared<ReceiveAllOptions>();
  AddPortOptions(*command, options->port);
  command->add_option("--model", options->model, "The central model, 0 to 4")->required()->check(CLI::Range(0, 4));
  command->callback([&context, result, options] { *result = runReceiveAll(context, *options); });
}

}  // namespace ordalis::cli
