// Showing the differences of two clock tables.
#include "cli/differences_output.h"

#include "base/iso_text.h"
#include "cli/cli_documents.h"
#include "clock/line_moment.h"
#include "functions/function_text.h"

namespace ordalis::cli {

namespace {

nlohmann::ordered_json lineJson(const CliContext& context, const ClockLineArray& table, int index,
                                const Installation* installation) {
  const ClockLine& line = table[static_cast<std::size_t>(index)];
  nlohmann::ordered_json json = clockLineJson(index, line);
  if (installation)
    json["function_name"] = FunctionText(context.state.texts, *installation, line.FunctionHigh, line.FunctionLow,
                                         kNameOnly, false);
  return json;
}

std::string lineText(const ClockLine& line) {
  return IsoMoment(LineMoment(line)) + " table " + std::to_string(line.Table) + " repeat " +
         std::to_string(line.RepeatUnit) + "/" + std::to_string(line.RepeatCount) + " function " +
         std::to_string(line.FunctionHigh) + "/" + std::to_string(line.FunctionLow) + " level " +
         std::to_string(line.Level);
}

}  // namespace

nlohmann::ordered_json DifferencesJson(const CliContext& context, const ComparedTables& tables,
                                       const TableDifferences& differences) {
  nlohmann::ordered_json onlyFirst = nlohmann::ordered_json::array();
  nlohmann::ordered_json onlySecond = nlohmann::ordered_json::array();
  nlohmann::ordered_json changed = nlohmann::ordered_json::array();
  for (int i : differences.onlyInFirst) onlyFirst.push_back(lineJson(context, tables.first, i, tables.installation));
  for (int i : differences.onlyInSecond) onlySecond.push_back(lineJson(context, tables.second, i, tables.installation));
  for (const ChangedLine& pair : differences.changed) {
    nlohmann::ordered_json fields = nlohmann::ordered_json::array();
    for (LineField field : pair.fields) fields.push_back(LineFieldName(field));
    changed.push_back({{"first", lineJson(context, tables.first, pair.first, tables.installation)},
                       {"second", lineJson(context, tables.second, pair.second, tables.installation)},
                       {"fields", fields}});
  }
  return {{"same", differences.same()},
          {"only_in_first", onlyFirst},
          {"only_in_second", onlySecond},
          {"changed", changed}};
}

int ReportDifferences(const CliContext& context, const ComparedTables& tables, const TableDifferences& differences) {
  if (context.json) {
    std::cout << DifferencesJson(context, tables, differences).dump(2) << "\n";
  } else if (differences.same()) {
    std::cout << "same\n";
  } else {
    for (int i : differences.onlyInFirst)
      std::cout << "< line " << i << ": " << lineText(tables.first[static_cast<std::size_t>(i)]) << "\n";
    for (int i : differences.onlyInSecond)
      std::cout << "> line " << i << ": " << lineText(tables.second[static_cast<std::size_t>(i)]) << "\n";
    for (const ChangedLine& pair : differences.changed) {
      std::cout << "~ line " << pair.first << " / line " << pair.second << " differ in";
      for (LineField field : pair.fields) std::cout << " " << LineFieldName(field);
      std::cout << "\n  < " << lineText(tables.first[static_cast<std::size_t>(pair.first)]) << "\n  > "
                << lineText(tables.second[static_cast<std::size_t>(pair.second)]) << "\n";
    }
  }
  return differences.same() ? kExitOk : kExitRefused;
}

}  // namespace ordalis::cli
