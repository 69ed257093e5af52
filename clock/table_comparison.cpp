// Pairing the lines of two clock tables.
#include "clock/table_comparison.h"

#include <algorithm>
#include <array>

namespace ordalis {

namespace {

// Two lines stand for one another when at most this many fields differ.
constexpr std::size_t kMostFieldsChanged = 3;

bool sameField(const ClockLine& a, const ClockLine& b, LineField field) {
  switch (field) {
    case LineField::Table: return a.Table == b.Table;
    case LineField::Function: return a.functionCode() == b.functionCode();
    case LineField::Level: return a.Level == b.Level;
    case LineField::Time: return a.Hour == b.Hour && a.Minute == b.Minute;
    case LineField::Date: return a.Day == b.Day && a.Month == b.Month && a.Year == b.Year;
    case LineField::Repeat: return a.RepeatUnit == b.RepeatUnit && a.RepeatCount == b.RepeatCount;
  }
  return false;
}

constexpr std::array kAllFields{LineField::Table, LineField::Function, LineField::Level,
                                LineField::Time,  LineField::Date,     LineField::Repeat};

std::vector<int> linesInUse(const ClockLineArray& table, int lineCount) {
  std::vector<int> used;
  for (int i = 0; i < std::min(lineCount, kClockTableLines); ++i)
    if (table[static_cast<std::size_t>(i)].inUse()) used.push_back(i);
  return used;
}

}  // namespace

std::string LineFieldName(LineField field) {
  switch (field) {
    case LineField::Table: return "table";
    case LineField::Function: return "function";
    case LineField::Level: return "level";
    case LineField::Time: return "time";
    case LineField::Date: return "date";
    case LineField::Repeat: return "repeat";
  }
  return "?";
}

std::vector<LineField> DifferingFields(const ClockLine& first, const ClockLine& second) {
  std::vector<LineField> fields;
  for (LineField field : kAllFields)
    if (!sameField(first, second, field)) fields.push_back(field);
  return fields;
}

TableDifferences CompareClockTables(const ClockLineArray& first, const ClockLineArray& second, int lineCount) {
  std::vector<int> left = linesInUse(first, lineCount);
  std::vector<int> right = linesInUse(second, lineCount);
  TableDifferences differences;
  for (std::size_t allowed = 0; allowed <= kMostFieldsChanged; ++allowed) {
    for (auto a = left.begin(); a != left.end();) {
      const ClockLine& line = first[static_cast<std::size_t>(*a)];
      auto partner = std::find_if(right.begin(), right.end(), [&](int b) {
        return DifferingFields(line, second[static_cast<std::size_t>(b)]).size() == allowed;
      });
      if (partner == right.end()) {
        ++a;
        continue;
      }
      if (allowed > 0)
        differences.changed.push_back({*a, *partner, DifferingFields(line, second[static_cast<std::size_t>(*partner)])});
      right.erase(partner);
      a = left.erase(a);
    }
  }
  differences.onlyInFirst = left;
  differences.onlyInSecond = right;
  std::sort(differences.changed.begin(), differences.changed.end(),
            [](const ChangedLine& x, const ChangedLine& y) { return x.first < y.first; });
  return differences;
}

}  // namespace ordalis
