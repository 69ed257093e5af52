// What every ordalis-cli subcommand shares: the common options, the program
// state it works on, and the way results and errors leave the process.
#pragma once

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "base/clock_source.h"
#include "app/program_state.h"

namespace ordalis::cli {

// Exit codes: success, refused input or failed transfer, usage error.
constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

struct CliContext {
  bool json = false;
  std::string lang = "en";
  std::string now;  // YYYY-MM-DDTHH:MM, empty = the real clock

  // Set up after parsing: the language applied, the clock chosen.
  ProgramState state;
  std::unique_ptr<Clock> clock;

  // Prints one JSON document on stdout.
  void printJson(const nlohmann::json& document) const { std::cout << document.dump(2) << "\n"; }
  // Prints an error in the system's own text on stderr.
  void printError(const std::string& text) const { std::cerr << text << "\n"; }
};

// The language offset for --lang (en, nl, fr, de, es, it, pt), or nullopt.
std::optional<int> languageOffsetOf(const std::string& code);
// "YYYY-MM-DDTHH:MM" as a local time, or nullopt.
std::optional<LocalTime> parseMoment(const std::string& text);

// Each subcommand registers itself; its callback stores its exit code.
using CommandResult = std::shared_ptr<int>;
// One per file cli/cmd_<name>.cpp.
void addInspectCommand(CLI::App& app, CliContext& context, CommandResult result);
void addFunctionsCommand(CLI::App& app, CliContext& context, CommandResult result);
void addDescribeCommand(CLI::App& app, CliContext& context, CommandResult result);
void addWeekCommand(CLI::App& app, CliContext& context, CommandResult result);
void addLanesCommand(CLI::App& app, CliContext& context, CommandResult result);
void addImageCommand(CLI::App& app, CliContext& context, CommandResult result);
void addSendCommand(CLI::App& app, CliContext& context, CommandResult result);
void addReceiveCommand(CLI::App& app, CliContext& context, CommandResult result);
void addReceiveAllCommand(CLI::App& app, CliContext& context, CommandResult result);
void addProgramModemCommand(CLI::App& app, CliContext& context, CommandResult result);
void addOnlineCommand(CLI::App& app, CliContext& context, CommandResult result);
void addCompareCommand(CLI::App& app, CliContext& context, CommandResult result);  // cmd_compare.cpp
void addDiffCommand(CLI::App& app, CliContext& context, CommandResult result);     // cmd_compare.cpp
void addFiringsCommand(CLI::App& app, CliContext& context, CommandResult result);
void addCheckCommand(CLI::App& app, CliContext& context, CommandResult result);
void addExportCommand(CLI::App& app, CliContext& context, CommandResult result);

}  // namespace ordalis::cli
