// ordalis-cli check CLK --nbt NBT [--from D --to D]: the dry run's findings
// for a clock file (by default from now for one year). Exits 0 when nothing
// above information is found, 1 with findings, 2 on trouble.
#include <chrono>

#include "base/iso_text.h"
#include "cli/cli_clock_file.h"
#include "cli/cli_context.h"
#include "cli/cli_dates.h"
#include "cli/cli_installation.h"
#include "clock/line_moment.h"
#include "editor/clock_check.h"

namespace ordalis::cli {
namespace {

using namespace std::chrono;

struct CheckOptions {
  std::string clockFile;
  std::string installationFile;
  std::string from, to;
};

nlohmann::json FindingsDocument(const std::vector<Finding>& findings) {
  nlohmann::json list = nlohmann::json::array();
  for (const Finding& f : findings) {
    nlohmann::json lines = nlohmann::json::array();
    for (int line : f.lines) lines.push_back(line + 1);
    list.push_back({{"kind", FindingKindName(f.kind)},
                    {"severity", f.informational() ? "information" : "warning"},
                    {"lines", lines},
                    {"moment", f.moment ? nlohmann::json(IsoMoment(*f.moment)) : nlohmann::json()},
                    {"text", f.text}});
  }
  return list;
}

int RunCheck(CliContext& context, const CheckOptions& options, bool fromGiven, bool toGiven) {
  ProgramState& state = context.state;
  std::optional<local_days> fromDay, toDay;
  if ((fromGiven && !(fromDay = ParseDate(options.from))) || (toGiven && !(toDay = ParseDate(options.to)))) {
    context.printError("--from, --to: expected dates YYYY-MM-DD, got " + options.from + " and " + options.to);
    return kExitUsage;
  }
  const LocalTime from = fromDay ? *fromDay + 0s : context.clock->now();
  const LocalTime to = toDay ? *toDay + days{1} + 0s : AddMonths(from, 12);
  if (to <= from) {
    context.printError("--to: the last day lies before the first");
    return kExitUsage;
  }
  if (!LoadInstallationFile(context, options.installationFile) || !LoadClockFile(context, options.clockFile))
    return kExitUsage;

  const std::vector<Finding> findings =
      CheckClockTable(state.clock.ClockTable, state.installation, state.texts, from, to);
  if (context.json) {
    context.printJson(FindingsDocument(findings));
  } else {
    for (const Finding& f : findings)
      std::cout << SeverityText(f, state.texts) << " ("
                << FindingKindName(f.kind) << "): " << f.text << "\n";
  }
  const bool serious = std::any_of(findings.begin(), findings.end(), [](const Finding& f) { return !f.informational(); });
  return serious ? kExitRefused : kExitOk;
}

}  // namespace

void addCheckCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto options = std::make_shared<CheckOptions>();
  auto* command = app.add_subcommand("check", "Find lines that never act, contradict each other or switch missing functions");
  command->add_option("CLK", options->clockFile, "Clock file (.clk)")->required();
  command->add_option("--nbt", options->installationFile, "Installation file (.nbt)")->required();
  auto* from = command->add_option("--from", options->from, "First day, YYYY-MM-DD (default: now)");
  auto* to = command->add_option("--to", options->to, "Last day, YYYY-MM-DD (default: one year on)");
  command->callback([&context, options, from, to, result] {
    *result = RunCheck(context, *options, from->count() > 0, to->count() > 0);
  });
}

}  // namespace ordalis::cli
