// ordalis-cli compare CLK --nbt NBT --port P: fetches the central unit's
// clock table and compares it with a clock file's; ordalis-cli diff A B
// [--nbt NBT]: compares two clock files. Lines count as the same when the
// central would act the same on them. Exit codes as diff has them: 0 the
// same, 1 different, 2 trouble (usage, an unreadable file, a failed fetch).
#include "cli/differences_output.h"
#include "cli/transfer_cli.h"
#include "clock/clock_table.h"
#include "comm/acting_comparison.h"

namespace ordalis::cli {

namespace {

constexpr int kExitTrouble = kExitUsage;

struct CompareOptions {
  std::string clockFile;
  std::string nbt;
  PortOptions port;
};

struct DiffOptions {
  std::string first, second;
  std::string nbt;
};

int runCompare(CliContext& context, const CompareOptions& options) {
  if (!LoadInstallationFile(context, options.nbt) || !LoadClockFile(context, options.clockFile)) return kExitTrouble;
  CliTransfer stage(context);
  const TransferChoices choices = FetchChoices(context, options.port);
  ClockLineArray central{};
  stage.start();
  const LocalTime now = stage.clock().now();
  TransferOutcome outcome = FetchCentralClockTable(context.state, stage.session(), choices,
                                                   stage.user(context.state.texts), central);
  TransferLogEntry entry = TransferLogEntryOf("compare", choices.target, outcome, context.state.texts);
  entry.lines = outcome.failed() ? 0 : LinesInUse(central);
  stage.log(entry);
  if (outcome.failed()) {
    stage.finish(context, outcome.result, outcome.attempts);
    return kExitTrouble;
  }
  const Installation& installation = context.state.installation;
  const ClockLineArray& file = context.state.clock.ClockTable;
  return ReportDifferences(context, {file, central, &installation},
                           CompareActingTables(file, central, installation.Capacities.MaxClockLines, now));
}

// The installation first: reading it starts an empty clock table.
int runDiff(CliContext& context, const DiffOptions& options) {
  int lineCount = kClockTableLines;
  const Installation* installation = nullptr;
  if (!options.nbt.empty()) {
    if (!LoadInstallationFile(context, options.nbt)) return kExitTrouble;
    installation = &context.state.installation;
    lineCount = installation->Capacities.MaxClockLines;
  }
  if (!LoadClockFile(context, options.first)) return kExitTrouble;
  const ClockLineArray first = context.state.clock.ClockTable;
  if (!LoadClockFile(context, options.second)) return kExitTrouble;
  const ClockLineArray& second = context.state.clock.ClockTable;
  return ReportDifferences(context, {first, second, installation},
                           CompareActingTables(first, second, lineCount, context.clock->now()));
}

}  // namespace

void addCompareCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("compare", "Compare the central unit's clock table with a clock file's");
  auto options = std::make_shared<CompareOptions>();
  command->add_option("CLK", options->clockFile, "The clock file")->required()->check(CLI::ExistingFile);
  command->add_option("--nbt", options->nbt, "The installation file")->required()->check(CLI::ExistingFile);
  AddPortOptions(*command, options->port);
  command->callback([&context, result, options] { *result = runCompare(context, *options); });
}

void addDiffCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("diff", "Compare the clock tables of two clock files");
  auto options = std::make_shared<DiffOptions>();
  command->add_option("A", options->first, "The first clock file")->required()->check(CLI::ExistingFile);
  command->add_option("B", options->second, "The second clock file")->required()->check(CLI::ExistingFile);
  command->add_option("--nbt", options->nbt, "The installation file, for function names")->check(CLI::ExistingFile);
  command->callback([&context, result, options] { *result = runDiff(context, *options); });
}

}  // namespace ordalis::cli
