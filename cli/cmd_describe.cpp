// ordalis-cli describe: the one-line description of a function code of an
// installation, whether the installation has that function, and the text of
// a level for it.
#include "cli/cli_context.h"
#include "cli/cli_installation.h"
#include "functions/function_text.h"
#include "functions/value_text.h"

namespace ordalis::cli {

namespace {

struct DescribeOptions {
  std::string nbt;
  int type = 0;
  int number = 0;
  int style = kNameOnly;
  std::optional<int> level;
};

nlohmann::json describe(const ProgramState& state, const DescribeOptions& options) {
  const Texts& texts = state.texts;
  const Installation& installation = state.installation;
  nlohmann::json document = {
      {"function_text",
       FunctionText(texts, installation, options.type, options.number, options.style, false)},
      {"exists", FunctionExists(texts, installation, options.type, options.number)},
      {"value_text", nullptr}};
  if (options.level)
    document["value_text"] = ValueText(texts, kLevelFormat, static_cast<float>(*options.level),
                                       static_cast<uint8_t>(options.type));
  return document;
}

}  // namespace

void addDescribeCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command = app.add_subcommand("describe", "Describe one function code of an installation");
  auto options = std::make_shared<DescribeOptions>();
  command->add_option("--nbt", options->nbt, "The installation file (.nbt)")->required();
  command->add_option("--type", options->type, "Function type, 0 to 255")
      ->required()
      ->check(CLI::Range(0, 255));
  command->add_option("--number", options->number, "Function number, -1 to 255")
      ->required()
      ->check(CLI::Range(-1, 255));
  command->add_option("--style", options->style,
                      "0 name, 1 code and name, 2 number and name, 3 code, number and name")
      ->check(CLI::Range(0, 3));
  command->add_option("--level", options->level, "Raw level byte, 0 to 255")->check(CLI::Range(0, 255));
  command->callback([&context, result, options] {
    if (!LoadInstallationFile(context, options->nbt)) {
      *result = kExitRefused;
      return;
    }
    const nlohmann::json document = describe(context.state, *options);
    if (context.json) {
      context.printJson(document);
    } else {
      std::cout << document["function_text"].get<std::string>() << "\n"
                << (document["exists"].get<bool>() ? "exists" : "does not exist") << "\n";
      if (!document["value_text"].is_null())
        std::cout << document["value_text"].get<std::string>() << "\n";
    }
    *result = kExitOk;
  });
}

}  // namespace ordalis::cli
