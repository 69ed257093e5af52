// Describing the differences of two clock tables for the user.
#include "week/difference_texts.h"

#include "clock/clock_table.h"

namespace ordalis {

namespace {

constexpr int kDiffersInText = 1152;   // "Differs in"
constexpr int kFirstFieldText = 1153;  // "table", then function, level, time, date, repeat

std::string fieldNames(const std::vector<LineField>& fields, const Texts& texts) {
  std::string names;
  for (LineField field : fields)
    names += (names.empty() ? "" : ", ") + texts.LoadText(kFirstFieldText + static_cast<int>(field));
  return names;
}

}  // namespace

std::string DescribeLine(const ClockLineArray& table, int index, const CatalogueTexts& catalogue, const Texts& texts) {
  const PanelSlot slot = MakePanelSlot(table, index, catalogue);
  const uint8_t code = table[static_cast<std::size_t>(index)].Table;
  const std::string tableName = code < kClockTableCount ? texts.LoadText(kTableLongTextIds[code]) : "?";
  return slot.functionText + " - " + tableName + " - " + slot.momentText;
}

DifferenceTexts DescribeDifferences(const TableDifferences& differences, const ClockLineArray& program,
                                    const ClockLineArray& central, const CatalogueTexts& catalogue,
                                    const Texts& texts) {
  DifferenceTexts described;
  for (int i : differences.onlyInFirst) described.onlyInProgram.push_back(DescribeLine(program, i, catalogue, texts));
  for (int i : differences.onlyInSecond) described.onlyInCentral.push_back(DescribeLine(central, i, catalogue, texts));
  for (const ChangedLine& pair : differences.changed)
    described.changed.push_back(DescribeLine(program, pair.first, catalogue, texts) + "  /  " +
                                DescribeLine(central, pair.second, catalogue, texts) + "  (" +
                                texts.LoadText(kDiffersInText) + ": " + fieldNames(pair.fields, texts) + ")");
  return described;
}

}  // namespace ordalis
