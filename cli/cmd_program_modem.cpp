// ordalis-cli program-modem --port P [--callback N]: prepares the modem of
// the central unit while it is connected to this computer's serial port.
#include "cli/transfer_cli.h"
#include "comm/program_modem.h"

namespace ordalis::cli {

namespace {

struct ProgramModemOptions {
  PortOptions port;
  std::string callBack;
};

int runProgramModem(CliContext& context, const ProgramModemOptions& options) {
  CliTransfer stage(context);
  ModemProgramming request{DeviceForPort(options.port.port), options.port.baud != 0 ? options.port.baud : context.state.settings.BaudRate,
                           !options.callBack.empty(), options.callBack};
  stage.start();
  bool programmed = ProgramModem(stage.session(), request, stage.prompts, context.state.texts);
  TransferOutcome outcome;
  outcome.result = programmed ? transfer::kOk : transfer::kModemConnected;
  outcome.attempts = 1;
  TransferTarget target;
  target.port = request.port;
  target.baudRate = request.baudRate;
  stage.log(TransferLogEntryOf("program-modem", target, outcome, context.state.texts));
  return stage.finish(context, outcome.result, outcome.attempts);
}

}  // namespace

void addProgramModemCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("program-modem", "Program the modem of the central unit for remote access");
  auto options = std::make_shared<ProgramModemOptions>();
  AddPortOptions(*command, options->port);
  command->add_option("--callback", options->callBack, "Number the modem calls back (empty: no call-back)");
  command->callback([&context, result, options] { *result = runProgramModem(context, *options); });
}

}  // namespace ordalis::cli
