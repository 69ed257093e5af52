// The texts of the differences dialog: each line described as the selection
// panel describes it (function name and level, table, moment and repeat),
// and for a line in both tables the two descriptions with the names of the
// fields in which they differ.
#pragma once

#include <string>
#include <vector>

#include "base/texts.h"
#include "clock/table_comparison.h"
#include "week/selection_panel.h"

namespace ordalis {

struct DifferenceTexts {
  std::vector<std::string> onlyInProgram;
  std::vector<std::string> onlyInCentral;
  std::vector<std::string> changed;
};

// "Switch 5 40% - Continue table - 02/03 08:00 Elke 1 Week(en)".
std::string DescribeLine(const ClockLineArray& table, int index, const CatalogueTexts& catalogue, const Texts& texts);

// The three lists for differences between the program's table (first) and
// the central's (second).
DifferenceTexts DescribeDifferences(const TableDifferences& differences, const ClockLineArray& program,
                                    const ClockLineArray& central, const CatalogueTexts& catalogue,
                                    const Texts& texts);

}  // namespace ordalis
