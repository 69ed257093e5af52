// ordalis-cli send CLK --nbt NBT --port P: sends a clock file's table to the
// central unit, as the communication dialog's Transmit does; with --verify
// it reads the table back before hanging up and fails when it differs.
#include "base/file_store.h"
#include "cli/transfer_cli.h"
#include "clock/clock_file.h"
#include "clock/clock_table.h"
#include "comm/transfer_flows.h"

namespace ordalis::cli {

namespace {

struct SendOptions {
  std::string clockFile;
  std::string nbt;
  PortOptions port;
  bool timeSet = false;
  bool modem = false;
  std::string init = "ATZ0";
  std::string phone;
  std::string callBack;
  bool updateFile = false;
  bool verify = false;
};

TransferChoices choicesFrom(const SendOptions& options, const CliContext& context) {
  TransferChoices choices;
  const Installation& installation = context.state.installation;
  choices.target.port = DeviceForPort(options.port.port);
  choices.target.baudRate = options.port.baud != 0 ? options.port.baud : installation.Settings.BaudRate;
  choices.target.connect.centralModel = installation.CentralModel;
  choices.target.connect.modem = {options.modem, options.init, options.phone, !options.callBack.empty(), options.callBack};
  choices.timeSet = options.timeSet;
  choices.modemType = 2;  // the init string as given
  choices.verify = options.verify;
  return choices;
}

int runSend(CliContext& context, const SendOptions& options) {
  if (!LoadInstallationFile(context, options.nbt) || !LoadClockFile(context, options.clockFile)) return kExitRefused;
  CliTransfer stage(context);
  stage.start();
  const TransferChoices choices = choicesFrom(options, context);
  TransferOutcome outcome = RunSendButton(context.state, stage.session(), choices, stage.user(context.state.texts),
                                          SendAction::Transmit);
  TransferLogEntry entry = TransferLogEntryOf("send", choices.target, outcome, context.state.texts);
  entry.lines = LinesInUse(context.state.clock.ClockTable);
  stage.log(entry);
  nlohmann::json extra = {{"verified", outcome.verified}};
  if (!outcome.difference.empty()) extra["difference"] = outcome.difference;
  int exitCode = stage.finish(context, outcome.result, outcome.attempts, extra);
  if (options.updateFile && !outcome.stopped() && !SaveClockFile(context, options.clockFile)) return kExitRefused;
  return exitCode;
}

}  // namespace

void addSendCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("send", "Send a clock file's table to the central unit");
  auto options = std::make_shared<SendOptions>();
  command->add_option("CLK", options->clockFile, "The clock file")->required()->check(CLI::ExistingFile);
  command->add_option("--nbt", options->nbt, "The installation file")->required()->check(CLI::ExistingFile);
  AddPortOptions(*command, options->port);
  command->add_flag("--timeset", options->timeSet, "Set the central unit's clock from this computer");
  auto* modem = command->add_flag("--modem", options->modem, "Reach the central unit through a modem");
  command->add_option("--init", options->init, "Modem initialisation string")->needs(modem);
  command->add_option("--phone", options->phone, "Telephone number to dial")->needs(modem);
  command->add_option("--callback", options->callBack, "Number the central's modem calls back")->needs(modem);
  command->add_flag("--verify", options->verify, "Read the table back before hanging up and compare");
  command->add_flag("--update-file", options->updateFile, "Store the brought-up-to-date reference dates in CLK");
  command->callback([&context, result, options] { *result = runSend(context, *options); });
}

}  // namespace ordalis::cli
