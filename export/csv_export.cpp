// Writing the CSV sheets.
#include "export/csv_export.h"

#include "base/iso_text.h"
#include "clock/firings.h"
#include "export/line_words.h"
#include "export/export_texts.h"

namespace ordalis {

namespace {

std::vector<std::string> Header(const Texts& texts, const std::vector<int>& ids) {
  std::vector<std::string> header;
  for (int id : ids) header.push_back(texts.LoadText(id));
  return header;
}

}  // namespace

std::string CsvRecord(const std::vector<std::string>& fields) {
  std::string record;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) record += ',';
    const std::string& field = fields[i];
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
      record += field;
      continue;
    }
    record += '"';
    for (char c : field) record += c == '"' ? std::string("\"\"") : std::string(1, c);
    record += '"';
  }
  return record + "\r\n";
}

std::string WriteLinesCsv(const ExportInput& input, const ExportRange& range) {
  std::string sheet = CsvRecord(Header(input.texts, {kLineColumnText, kTableColumnText, kDateColumnText,
                                                     kTimeColumnText, kRepeatUnitColumnText, kRepeatCountColumnText,
                                                     kFunctionCodeColumnText, kFunctionColumnText,
                                                     kLevelColumnText}));
  // The firings matter only when the range limits the lines.
  const auto firings = range.limitsLines ? FiringsByLine(input, range) : std::map<int, std::vector<LocalTime>>{};
  for (int index : ExportedLines(input, range, firings)) {
    const LineWords words = WordsOfLine(input, index);
    sheet += CsvRecord({std::to_string(index), words.table, words.date, words.time, words.repeatUnit,
                        std::to_string(words.repeatCount),
                        std::to_string(input.lines[static_cast<size_t>(index)].functionCode()), words.functionName,
                        words.level});
  }
  return sheet;
}

std::string WriteFiringsCsv(const ExportInput& input, const ExportRange& range) {
  std::string sheet = CsvRecord(Header(input.texts, {kDateColumnText, kTimeColumnText, kLineColumnText,
                                                     kTableColumnText, kFunctionCodeColumnText,
                                                     kFunctionColumnText, kLevelColumnText}));
  std::map<int, LineWords> wordsOf;
  for (const Firing& firing :
       ExpandFirings(input.lines, input.lineCount, range.from, range.to, kAllTables, input.workdays)) {
    auto found = wordsOf.find(firing.line);
    if (found == wordsOf.end()) found = wordsOf.emplace(firing.line, WordsOfLine(input, firing.line)).first;
    const LineWords& words = found->second;
    sheet += CsvRecord({IsoDate(firing.moment), IsoTime(firing.moment), std::to_string(firing.line), words.table,
                        std::to_string(firing.function), words.functionName, words.level});
  }
  return sheet;
}

}  // namespace ordalis
