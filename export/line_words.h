// How lists, sheets and calendars word one clock line: its fields as texts,
// and the two labels the selection panel shows for it.
#pragma once

#include <string>

#include "base/clock_source.h"
#include "export/export_input.h"

namespace ordalis {

struct LineWords {
  int index = 0;
  std::string table;          // the table's long name
  std::string date;           // of the line's own moment, YYYY-MM-DD
  std::string time;           // HH:MM
  std::string repeatUnit;     // the unit's fixed name ("Dag(en)")
  int repeatCount = 0;
  std::string repeatRule;     // "Eenmalig", "Elke 2 Dag(en)"
  std::string functionName;
  std::string level;          // the level in words
  std::string panelFunction;  // the panel's first label: name and level
  std::string panelMoment;    // the panel's second label: moment and repeat rule
};

LineWords WordsOfLine(const ExportInput& input, int index);

}  // namespace ordalis
