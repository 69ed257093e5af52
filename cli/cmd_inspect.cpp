// ordalis-cli inspect FILE: what a clock file or an installation file holds.
// An installation file is known by its magic "Q&Z" or its extension ".nbt"
// (so that a damaged one still gets the installation reader's message); a
// clock file by its magic "KVB".
#include <cstdio>
#include <cstring>

#include "base/file_store.h"
#include "base/iso_text.h"
#include "cli/cli_context.h"
#include "cli/cli_documents.h"
#include "cli/inspect_installation.h"
#include "app/clock_commands.h"
#include "clock/clock_file.h"
#include "clock/clock_state.h"
#include "clock/clock_table.h"
#include "clock/line_moment.h"
#include "installation/model_capacities.h"

namespace ordalis::cli {

namespace {

bool startsWith(const std::vector<uint8_t>& bytes, const char* magic) {
  size_t length = std::strlen(magic);
  return bytes.size() >= length && std::memcmp(bytes.data(), magic, length) == 0;
}

// The lines to show: those in use, or every line the file holds with --all.
std::vector<int> shownLines(const ClockFileDecoded& decoded, bool all) {
  std::vector<int> shown;
  for (int i = 0; i < decoded.linesRead; ++i)
    if (all || decoded.content.lines[static_cast<size_t>(i)].inUse()) shown.push_back(i);
  return shown;
}


std::string modelName(const Texts& texts, uint8_t model) {
  return texts.CentralModelNames[effectiveModel(model)];
}

nlohmann::ordered_json clockFileJson(const Texts& texts, const ClockFileDecoded& decoded, bool all) {
  nlohmann::ordered_json lines = nlohmann::ordered_json::array();
  for (int i : shownLines(decoded, all)) lines.push_back(clockLineJson(i, decoded.content.lines[static_cast<size_t>(i)]));
  return {{"kind", "clock_file"},
          {"format", decoded.content.format},
          {"model", decoded.content.model},
          {"model_name", modelName(texts, decoded.content.model)},
          {"magic_ok", decoded.magicOk},
          {"trailer_ok", decoded.trailerOk},
          {"lines", lines}};
}

std::string tableName(const Texts& texts, uint8_t table) {
  return table < kClockTableCount ? texts.LoadText(kTableLongTextIds[table]) : "?" + std::to_string(table);
}

std::string repeatText(const ClockLine& line) {
  if (line.RepeatUnit >= kRepeatUnitCount) return "?" + std::to_string(line.RepeatUnit);
  if (line.RepeatUnit == kRepeatOnce) return kRepeatUnitNames[kRepeatOnce];
  return std::to_string(line.RepeatCount) + " " + kRepeatUnitNames[line.RepeatUnit];
}

void printClockFileTable(std::ostream& out, const Texts& texts, const std::string& path,
                         const ClockFileDecoded& decoded, bool all) {
  const std::vector<int> shown = shownLines(decoded, all);
  out << path << ": clock file, format " << int{decoded.content.format} << ", model "
      << int{decoded.content.model} << " (" << modelName(texts, decoded.content.model) << "), "
      << LinesInUse(decoded.content.lines) << " lines in use\n";
  char row[256];
  std::snprintf(row, sizeof row, "%4s  %-16s  %-22s  %-20s  %-8s  %5s\n", "line", "moment", "table",
                "repeat", "function", "level");
  out << row;
  for (int i : shown) {
    const ClockLine& line = decoded.content.lines[static_cast<size_t>(i)];
    char function[16];
    std::snprintf(function, sizeof function, "%3d/%-3d", line.FunctionHigh, line.FunctionLow);
    std::snprintf(row, sizeof row, "%4d  %-16s  %-22s  %-20s  %-8s  %5d\n", i,
                  IsoMoment(LineMoment(line)).c_str(), tableName(texts, line.Table).c_str(),
                  repeatText(line).c_str(), function, line.Level);
    out << row;
  }
}

int inspectClockFile(CliContext& context, const std::string& path, const std::vector<uint8_t>& bytes,
                     bool all) {
  const ClockFileDecoded decoded = DecodeClockFile(bytes);
  if (!decoded.trailerOk) context.printError(kClockReadErrorMessage);
  if (context.json)  // keys in the order a reader expects them
    std::cout << clockFileJson(context.state.texts, decoded, all).dump(2) << "\n";
  else
    printClockFileTable(std::cout, context.state.texts, path, decoded, all);
  return decoded.trailerOk ? kExitOk : kExitRefused;
}

int inspect(CliContext& context, const std::string& path, bool all) {
  if (looksLikeInstallationFile(path)) return inspectInstallationFile(context, path);
  const FileBytes file = readFileBytes(path);
  if (!file.ok) {
    context.printError(path + ": " + file.error);
    return kExitRefused;
  }
  if (startsWith(file.bytes, kClockMagic)) return inspectClockFile(context, path, file.bytes, all);
  context.printError(kNotAClockFileMessage);
  return kExitRefused;
}

}  // namespace

nlohmann::ordered_json clockLineJson(int index, const ClockLine& line) {
  return {{"index", index},
          {"minute", line.Minute},
          {"hour", line.Hour},
          {"day", line.Day},
          {"month", line.Month},
          {"year", line.Year},
          {"table", line.Table},
          {"repeat_unit", line.RepeatUnit},
          {"repeat_count", line.RepeatCount},
          {"function_high", line.FunctionHigh},
          {"function_low", line.FunctionLow},
          {"level", line.Level},
          {"next_line", line.NextLine},
          {"first_line", line.FirstLine},
          {"moment", IsoMoment(LineMoment(line))}};
}

void addInspectCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand(
      "inspect", "Show what a clock file (.clk) or installation file (.nbt) holds");
  auto file = std::make_shared<std::string>();
  auto all = std::make_shared<bool>(false);
  command->add_option("FILE", *file, "The file")->required();
  command->add_flag("--all", *all, "List all 100 clock lines, free ones too");
  command->callback([&context, result, file, all] { *result = inspect(context, *file, *all); });
}

}  // namespace ordalis::cli
