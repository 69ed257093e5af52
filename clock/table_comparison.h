// Comparing two clock tables line by line, by what the lines are rather than
// by where they stand: a line of one table is matched with a line of the
// other that agrees in every field, and what is left is paired up with the
// line it shares the most with, or stays a line of one table only.
#pragma once

#include <string>
#include <vector>

#include "clock/clock_line.h"

namespace ordalis {

// The parts of a line that a comparison tells apart.
enum class LineField : uint8_t { Table, Function, Level, Time, Date, Repeat };

// "table", "function", "level", "time", "date", "repeat".
std::string LineFieldName(LineField field);

// The fields in which two lines differ, in the order above.
std::vector<LineField> DifferingFields(const ClockLine& first, const ClockLine& second);

// A line of each table that stand for one another, and where they differ.
struct ChangedLine {
  int first;   // index in the first table
  int second;  // index in the second table
  std::vector<LineField> fields;
};

struct TableDifferences {
  std::vector<int> onlyInFirst;   // indices of lines the second table lacks
  std::vector<int> onlyInSecond;  // indices of lines the first table lacks
  std::vector<ChangedLine> changed;
  bool same() const { return onlyInFirst.empty() && onlyInSecond.empty() && changed.empty(); }
};

// Compares the lines in use among lines 0..lineCount-1 of both tables.
// Equal lines pair off first; then lines that differ in one field, two, and
// at most three, each time in index order. Lines that differ from every
// line left in the other table in more fields stay lines of one table.
TableDifferences CompareClockTables(const ClockLineArray& first, const ClockLineArray& second, int lineCount);

}  // namespace ordalis
