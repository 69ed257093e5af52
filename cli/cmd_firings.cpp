// ordalis-cli firings CLK --nbt NBT --from D --to D [--tables 0,1,...]: every
// moment at which the lines of a clock file act over a range of dates, with
// the function's name and the level in words as the selection panel shows
// them; as text, a JSON list, or RFC 4180 CSV.
#include <chrono>
#include <vector>

#include "base/iso_text.h"
#include "cli/cli_clock_file.h"
#include "cli/cli_context.h"
#include "cli/cli_dates.h"
#include "cli/cli_installation.h"
#include "clock/clock_table.h"
#include "clock/firings.h"
#include "export/csv_export.h"
#include "week/catalogue_texts.h"

namespace ordalis::cli {
namespace {

using namespace std::chrono;

struct FiringsOptions {
  std::string clockFile;
  std::string installationFile;
  std::string from, to;
  std::string tables = "0,1,2,3,4";
  bool csv = false;
};

struct FiringRow {
  std::string moment;
  int line;  // 1-based, as the program numbers lines
  std::string table;
  uint16_t functionCode;
  std::string function;
  int level;
  std::string levelText;
};

void PrintCsv(const std::vector<FiringRow>& rows) {
  std::cout << CsvRecord({"moment", "line", "table", "function_code", "function", "level", "level_text"});
  for (const FiringRow& r : rows)
    std::cout << CsvRecord({r.moment, std::to_string(r.line), r.table, std::to_string(r.functionCode), r.function,
                            std::to_string(r.level), r.levelText});
}

void PrintJson(const CliContext& context, const std::vector<FiringRow>& rows) {
  nlohmann::json list = nlohmann::json::array();
  for (const FiringRow& r : rows)
    list.push_back({{"moment", r.moment}, {"line", r.line}, {"table", r.table}, {"function_code", r.functionCode},
                    {"function", r.function}, {"level", r.level}, {"level_text", r.levelText}});
  context.printJson(list);
}

void PrintText(const std::vector<FiringRow>& rows) {
  for (const FiringRow& r : rows)
    std::cout << r.moment << "  line " << r.line << "  " << r.table << "  " << r.function << "  " << r.levelText << "\n";
}

int RunFirings(CliContext& context, const FiringsOptions& options) {
  ProgramState& state = context.state;
  const auto tables = ParseTables(options.tables);
  if (!tables) {
    context.printError("--tables: expected table numbers 0-4 separated by commas, got " + options.tables);
    return kExitUsage;
  }
  const auto from = ParseDate(options.from), to = ParseDate(options.to);
  if (!from || !to || *to < *from) {
    context.printError("--from, --to: expected two dates YYYY-MM-DD, the second not before the first, got " +
                       options.from + " and " + options.to);
    return kExitUsage;
  }
  if (!LoadInstallationFile(context, options.installationFile) || !LoadClockFile(context, options.clockFile))
    return kExitRefused;

  // --to names the last day of the range.
  const std::vector<Firing> firings =
      ExpandFirings(state.clock.ClockTable, state.installation.Capacities.MaxClockLines, *from + 0s,
                    *to + days{1} + 0s, *tables, state.installation.Settings.Workdays);
  const CatalogueTexts catalogue = ProgramCatalogueTexts(state.texts, state.installation);
  std::vector<FiringRow> rows;
  rows.reserve(firings.size());
  for (const Firing& f : firings) {
    const auto type = static_cast<uint8_t>(f.function >> 8), number = static_cast<uint8_t>(f.function & 0xFF);
    rows.push_back({IsoMoment(f.moment), f.line + 1, state.texts.LoadText(kTableShortTextIds[f.table]), f.function,
                    catalogue.functionName(type, number), f.level, catalogue.levelText(f.level, type)});
  }
  if (options.csv)
    PrintCsv(rows);
  else if (context.json)
    PrintJson(context, rows);
  else
    PrintText(rows);
  return kExitOk;
}

}  // namespace

void addFiringsCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto options = std::make_shared<FiringsOptions>();
  auto* command = app.add_subcommand("firings", "List every moment at which the lines of a clock file act");
  command->add_option("CLK", options->clockFile, "Clock file (.clk)")->required();
  command->add_option("--nbt", options->installationFile, "Installation file (.nbt)")->required();
  command->add_option("--from", options->from, "First day, YYYY-MM-DD")->required();
  command->add_option("--to", options->to, "Last day, YYYY-MM-DD (at most ten years after the first)")->required();
  command->add_option("--tables", options->tables, "Tables to expand, e.g. 0,1,2,3,4");
  command->add_flag("--csv", options->csv, "RFC 4180 CSV with a header row");
  command->callback([&context, options, result] { *result = RunFirings(context, *options); });
}

}  // namespace ordalis::cli
