// ordalis-cli: the program's core for scripts (inspect files, list functions,
// compute a week, build the memory image, send and receive).
#include <CLI/CLI.hpp>

#include "cli/cli_context.h"
#include "ordalis_version.h"

using namespace ordalis;
using namespace ordalis::cli;

int main(int argc, char** argv) {
  CLI::App app{"Ordalis: clock tables of a KVB central unit, for scripts"};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("ordalis-cli ") + ORDALIS_VERSION);
  app.set_help_all_flag("--help-all", "Print this help with every command's options");
  app.footer("Exit status: 0 success, 1 refused input or a failed transfer, 2 a usage error.\n"
             "diff, compare and check: 0 no difference or finding, 1 differences or findings,\n"
             "2 trouble.");
  CliContext context;
  app.add_flag("--json", context.json, "Print one JSON document on stdout");
  app.add_option("--lang", context.lang, "Language: en, nl, fr, de, es, it, pt")
      ->check(CLI::IsMember({"en", "nl", "fr", "de", "es", "it", "pt"}));
  app.add_option("--now", context.now, "Present moment, YYYY-MM-DDTHH:MM (default: the clock)");

  auto result = std::make_shared<int>(kExitOk);
  addInspectCommand(app, context, result);
  addFunctionsCommand(app, context, result);
  addDescribeCommand(app, context, result);
  addWeekCommand(app, context, result);
  addLanesCommand(app, context, result);
  addImageCommand(app, context, result);
  addSendCommand(app, context, result);
  addReceiveCommand(app, context, result);
  addReceiveAllCommand(app, context, result);
  addProgramModemCommand(app, context, result);
  addOnlineCommand(app, context, result);
  addCompareCommand(app, context, result);
  addDiffCommand(app, context, result);
  addFiringsCommand(app, context, result);
  addCheckCommand(app, context, result);
  addExportCommand(app, context, result);
  for (CLI::App* sub : app.get_subcommands({})) sub->fallthrough();

  // Common options are applied before any subcommand runs.
  app.parse_complete_callback([&] {
    context.state.texts.LanguageOffset = *languageOffsetOf(context.lang);
    context.state.settings.LanguageSetting = context.state.texts.LanguageOffset;
    context.state.texts.FillTextTables();
    if (context.now.empty()) {
      context.clock = std::make_unique<SystemClock>();
    } else if (auto moment = parseMoment(context.now)) {
      context.clock = std::make_unique<FixedClock>(*moment);
    } else {
      throw CLI::ValidationError("--now", "expected YYYY-MM-DDTHH:MM, got " + context.now);
    }
  });

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kExitUsage;
  }
  return *result;
}
