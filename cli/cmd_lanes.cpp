// ordalis-cli lanes CLK --nbt NBT --week YYYY-MM-DD: the Functions view as
// data: for each function that a line of the shown tables switches, its
// state at the start of the week, every firing, the intervals of each state
// and the conflicts, in the catalogue's order.
#include <chrono>

#include "base/iso_text.h"
#include "cli/cli_clock_file.h"
#include "cli/cli_context.h"
#include "cli/cli_installation.h"
#include "cli/cli_dates.h"
#include "clock/line_moment.h"
#include "editor/lane_catalogue.h"
#include "functions/value_text.h"
#include "week/lane_texts.h"

namespace ordalis::cli {
namespace {

using namespace std::chrono;

struct LanesOptions {
  std::string clockFile;
  std::string installationFile;
  std::string week;
  std::string tables = "0,1,2,3,4";
};

const char* KindName(LaneKind kind) {
  switch (kind) {
    case LaneKind::Relay: return "relay";
    case LaneKind::Dimmer: return "dimmer";
    case LaneKind::Ticks: break;
  }
  return "ticks";
}

const char* StateName(LaneStateKind kind) {
  switch (kind) {
    case LaneStateKind::Off: return "off";
    case LaneStateKind::On: return "on";
    case LaneStateKind::Uncoupled: return "uncoupled";
    case LaneStateKind::Dimmed: return "dimmed";
    case LaneStateKind::Unknown: break;
  }
  return "unknown";
}

// A ticking lane has no state: null.
nlohmann::json StateDocument(const FunctionLane& lane, const LaneState& state) {
  if (lane.kind == LaneKind::Ticks) return nullptr;
  nlohmann::json document{{"state", StateName(state.kind)}};
  if (state.kind == LaneStateKind::Dimmed) document["percent"] = state.percent;
  return document;
}

nlohmann::json LaneDocument(const Texts& texts, const FunctionLane& lane) {
  nlohmann::json changes = nlohmann::json::array(), intervals = nlohmann::json::array(),
                 conflicts = nlohmann::json::array();
  const auto type = static_cast<uint8_t>(lane.function >> 8);
  for (const LaneChange& change : lane.changes)
    changes.push_back({{"moment", IsoMoment(change.moment)}, {"line", change.line}, {"table", change.table},
                       {"level", change.level},
                       {"level_text", ValueText(texts, kLevelFormat, change.level, type)},
                       {"after", StateDocument(lane, change.after)}, {"conflict", change.conflict}});
  for (const LaneInterval& interval : lane.intervals)
    intervals.push_back({{"from", IsoMoment(interval.from)}, {"to", IsoMoment(interval.to)},
                         {"state", StateDocument(lane, interval.state)}});
  for (const LaneConflict& conflict : lane.conflicts)
    conflicts.push_back({{"moment", IsoMoment(conflict.moment)}, {"lines", conflict.lines}});
  return {{"function", lane.function}, {"type", type}, {"number", lane.function & 0xFF},
          {"name", lane.name}, {"kind", KindName(lane.kind)},
          {"carried_in", StateDocument(lane, lane.carriedIn)}, {"changes", changes},
          {"intervals", intervals}, {"conflicts", conflicts}};
}

void PrintLane(const Texts& texts, const FunctionLane& lane) {
  std::cout << lane.name << " (" << KindName(lane.kind) << ")";
  if (lane.kind != LaneKind::Ticks) std::cout << ", from before the week: " << LaneStateText(texts, lane.carriedIn);
  std::cout << "\n";
  for (const LaneInterval& interval : lane.intervals)
    std::cout << "  " << IsoMoment(interval.from) << " - " << IsoMoment(interval.to) << "  "
              << LaneStateText(texts, interval.state) << "\n";
  const auto type = static_cast<uint8_t>(lane.function >> 8);
  for (const LaneChange& change : lane.changes)
    std::cout << "  " << IsoMoment(change.moment) << "  line " << change.line << ": "
              << ValueText(texts, kLevelFormat, change.level, type) << (change.conflict ? "  (conflict)" : "") << "\n";
}

int RunLanes(CliContext& context, const LanesOptions& options) {
  ProgramState& state = context.state;
  const auto tables = ParseTables(options.tables);
  if (!tables) {
    context.printError("--tables: expected table numbers 0-4 separated by commas, got " + options.tables);
    return kExitUsage;
  }
  const auto weekDate = ParseDate(options.week);
  if (!weekDate) {
    context.printError("--week: expected YYYY-MM-DD, got " + options.week);
    return kExitUsage;
  }
  if (!LoadInstallationFile(context, options.installationFile) || !LoadClockFile(context, options.clockFile))
    return kExitRefused;

  const LaneSource source{state.clock.ClockTable, state.installation.Capacities.MaxClockLines,
                          MondayOfWeek(*weekDate + 0s), *tables, state.installation.Settings.Workdays};
  const WeekLanes lanes = BuildWeekLanes(source, ProgramLaneCatalogue(state.texts, state.installation));
  if (context.json) {
    nlohmann::json list = nlohmann::json::array();
    for (const FunctionLane& lane : lanes.lanes) list.push_back(LaneDocument(state.texts, lane));
    context.printJson({{"week_start", IsoDate(lanes.weekStart)}, {"lanes", list}});
  } else {
    std::cout << "Week of " << IsoDate(lanes.weekStart) << "\n";
    for (const FunctionLane& lane : lanes.lanes) PrintLane(state.texts, lane);
  }
  return kExitOk;
}

}  // namespace

void addLanesCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto options = std::make_shared<LanesOptions>();
  auto* command = app.add_subcommand("lanes", "Show what each function does over one week");
  command->add_option("CLK", options->clockFile, "Clock file (.clk)")->required();
  command->add_option("--nbt", options->installationFile, "Installation file (.nbt)")->required();
  command->add_option("--week", options->week, "Any date of the week to show, YYYY-MM-DD")->required();
  command->add_option("--tables", options->tables, "Shown tables, e.g. 0,1,2,3,4");
  command->callback([&context, options, result] { *result = RunLanes(context, *options); });
}

}  // namespace ordalis::cli
