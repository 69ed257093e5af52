// ordalis-cli week CLK --nbt NBT: the week view of a clock file as data: for
// each line in use its own moment and occurrences in the shown week, and the
// clock-line controls the week view places, with their counts, pictures and
// colours.
#include <chrono>
#include <cstdio>

#include "base/file_store.h"
#include "base/iso_text.h"
#include "app/clock_commands.h"
#include "clock/clock_file.h"
#include "clock/line_moment.h"
#include "cli/cli_clock_file.h"
#include "cli/cli_context.h"
#include "cli/cli_dates.h"
#include "cli/cli_installation.h"
#include "week/check_dates.h"
#include "week/week_view_model.h"

namespace ordalis::cli {
namespace {

using namespace std::chrono;

struct WeekOptions {
  std::string clockFile;
  std::string installationFile;
  std::string week;  // any date of the week to show, YYYY-MM-DD
  int offset = 0;    // weeks from the current week, when no --week
  std::string tables = "0,1,2,3,4";
  bool normalise = false;
};

std::string ColourText(Rgb colour) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return buffer;
}

nlohmann::json LinesDocument(const ProgramState& state) {
  nlohmann::json lines = nlohmann::json::array();
  const int capacity = std::min<int>(state.installation.Capacities.MaxClockLines, kClockTableLines);
  for (int i = 0; i < capacity; ++i) {
    const ClockLine& line = state.clock.ClockTable[static_cast<size_t>(i)];
    if (!line.inUse()) continue;
    const LineSchedule schedule =
        ScheduleLine(line, state.clock.WeekStart, state.installation.Settings.Workdays);
    nlohmann::json occurrences = nlohmann::json::array();
    for (LocalTime moment : schedule.occurrences) occurrences.push_back(IsoMoment(moment));
    lines.push_back({{"index", i},
                     {"own", schedule.own ? nlohmann::json(IsoMoment(*schedule.own)) : nlohmann::json()},
                     {"occurrences", occurrences}});
  }
  return lines;
}

nlohmann::json MarkersDocument(const WeekViewModel& model) {
  nlohmann::json markers = nlohmann::json::array();
  for (int id = 0; id < kControlCount; ++id) {
    const ClockControl& control = model.Control(id);
    const ControlLook look = model.LookOf(id);
    if (!look.visible) continue;
    markers.push_back({{"clk_index", control.ClkIndex},
                       {"left", control.left},
                       {"top", control.top},
                       {"count", control.ClkCount},
                       {"icon", look.picture},
                       {"colour", ColourText(look.colour)}});
  }
  return markers;
}

nlohmann::json NormalisedDocument(const ClockLineArray& table, const std::vector<int>& changed) {
  nlohmann::json normalised = nlohmann::json::array();
  for (int i : changed) {
    const ClockLine& line = table[static_cast<size_t>(i)];
    normalised.push_back({{"index", i}, {"day", line.Day}, {"month", line.Month}, {"year", line.Year}});
  }
  return normalised;
}

void PrintText(const nlohmann::json& document) {
  std::cout << "Week of " << document["week_start"].get<std::string>() << "\n";
  for (const auto& line : document["lines"]) {
    std::cout << "line " << line["index"].get<int>() << ": own "
              << (line["own"].is_null() ? std::string("-") : line["own"].get<std::string>());
    for (const auto& moment : line["occurrences"]) std::cout << " " << moment.get<std::string>();
    std::cout << "\n";
  }
  std::cout << document["markers"].size() << " markers\n";
}

int RunWeek(CliContext& context, const WeekOptions& options, bool weekGiven) {
  ProgramState& state = context.state;
  const auto visible = ParseTables(options.tables);
  if (!visible) {
    context.printError("--tables: expected table numbers 0-4 separated by commas, got " + options.tables);
    return kExitUsage;
  }
  std::optional<local_days> weekDate;
  if (weekGiven && !(weekDate = ParseDate(options.week))) {
    context.printError("--week: expected YYYY-MM-DD, got " + options.week);
    return kExitUsage;
  }
  if (!LoadInstallationFile(context, options.installationFile) ||
      !LoadClockFile(context, options.clockFile))
    return kExitRefused;

  WeekViewModel model(state, *context.clock);
  for (int table = 0; table < kClockTableCount; ++table) model.SetTableVisible(table, (*visible)[table]);
  const LocalTime currentMonday = MondayOfWeek(context.clock->now());
  model.SetWeekOffset(weekDate ? static_cast<int>((MondayOfWeek(*weekDate + 0s) - currentMonday) / days{7})
                               : options.offset);
  std::vector<int> normalised;
  if (options.normalise) normalised = CheckDates(state.clock.ClockTable, context.clock->now());
  model.RecomputeWeek();

  nlohmann::json document{{"week_start", IsoDate(state.clock.WeekStart)},
                          {"lines", LinesDocument(state)},
                          {"markers", MarkersDocument(model)}};
  if (options.normalise) document["normalised"] = NormalisedDocument(state.clock.ClockTable, normalised);
  if (context.json)
    context.printJson(document);
  else
    PrintText(document);
  return kExitOk;
}

}  // namespace

void addWeekCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto options = std::make_shared<WeekOptions>();
  auto* command = app.add_subcommand("week", "Show where the lines of a clock file act in one week");
  command->add_option("CLK", options->clockFile, "Clock file (.clk)")->required();
  command->add_option("--nbt", options->installationFile, "Installation file (.nbt)")->required();
  auto* week = command->add_option("--week", options->week, "Any date of the week to show, YYYY-MM-DD");
  command->add_option("--offset", options->offset, "Weeks from the current week (of --now)")->excludes(week);
  command->add_option("--tables", options->tables, "Visible tables, e.g. 0,1,2,3,4");
  command->add_flag("--normalise", options->normalise, "Normalise the reference dates first (relative to --now)");
  command->callback([&context, options, week, result] {
    *result = RunWeek(context, *options, week->count() > 0);
  });
}

}  // namespace ordalis::cli
