// How compare and diff show the differences of two clock tables: one JSON
// document, or one line of text per difference, and the exit code that says
// whether the tables are the same.
#pragma once

#include <optional>

#include "cli/cli_context.h"
#include "clock/table_comparison.h"

namespace ordalis::cli {

// The tables compared, as given (before the update that the comparison
// applies), and the installation whose function names the lines get, if any.
struct ComparedTables {
  const ClockLineArray& first;
  const ClockLineArray& second;
  const Installation* installation = nullptr;
};

// {"same", "only_in_first", "only_in_second", "changed": [{"first",
// "second", "fields"}]}, each line as inspect shows it plus "function_name"
// with an installation.
nlohmann::ordered_json DifferencesJson(const CliContext& context, const ComparedTables& tables,
                                       const TableDifferences& differences);

// Prints the differences (JSON with --json) and gives 0 when the tables are
// the same, 1 when they differ.
int ReportDifferences(const CliContext& context, const ComparedTables& tables, const TableDifferences& differences);

}  // namespace ordalis::cli
