// ordalis-cli functions NBT: the installation's functions as the clock-line
// editor lists them: every entry of the type list with the functions of its
// second list (style 2, not tabbed, full detail) and their previews.
#include "cli/cli_context.h"
#include "cli/cli_documents.h"
#include "cli/cli_installation.h"
#include "editor/function_catalogue.h"
#include "editor/function_preview.h"
#include "functions/function_text.h"

namespace ordalis::cli {

nlohmann::json catalogueJson(const ProgramState& state) {
  ItemList types;
  FillFunctionTypeList(state.texts, types);
  nlohmann::json result = nlohmann::json::array();
  for (const ListEntry& type : types.Entries) {
    ItemList functions;
    FillFunctionList(state.texts, state.installation, functions, type.ItemData, kNumberAndName,
                     false, kFullDetail);
    nlohmann::json listed = nlohmann::json::array();
    for (const ListEntry& function : functions.Entries) {
      const int number = function.ItemData & 0xFF;
      listed.push_back({{"code", function.ItemData},
                        {"text", function.Text},
                        {"preview", FunctionPreviewText(state.texts, state.installation,
                                                        type.ItemData, number)}});
    }
    result.push_back({{"code", type.ItemData}, {"text", type.Text}, {"functions", listed}});
  }
  return {{"types", result}};
}

namespace {

void printCatalogue(const nlohmann::json& catalogue) {
  for (const auto& type : catalogue["types"]) {
    std::cout << type["text"].get<std::string>() << " (" << type["code"] << ")\n";
    for (const auto& function : type["functions"]) {
      std::cout << "  " << function["code"] << "\t" << function["text"].get<std::string>() << "\n";
      std::string preview = function["preview"];
      for (size_t start = 0; !preview.empty() && start <= preview.size();) {
        const size_t end = preview.find("\r\n", start);
        std::cout << "      " << preview.substr(start, end - start) << "\n";
        if (end == std::string::npos) break;
        start = end + 2;
      }
    }
  }
}

}  // namespace

void addFunctionsCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto* command =
      app.add_subcommand("functions", "List the functions of an installation file as the editor offers them");
  auto file = std::make_shared<std::string>();
  command->add_option("NBT", *file, "The installation file (.nbt)")->required();
  command->callback([&context, result, file] {
    if (!LoadInstallationFile(context, *file)) {
      *result = kExitRefused;
      return;
    }
    const nlohmann::json catalogue = catalogueJson(context.state);
    if (context.json) {
      context.printJson(catalogue);
    } else {
      printCatalogue(catalogue);
    }
    *result = kExitOk;
  });
}

}  // namespace ordalis::cli
