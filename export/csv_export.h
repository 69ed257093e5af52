// The clock table as CSV (RFC 4180, UTF-8, CRLF, a header row in the user's
// language) for sheets and mails: one row per line in use, or one row per
// firing of a range.
#pragma once

#include <string>
#include <vector>

#include "export/export_input.h"

namespace ordalis {

// One record: a field holding a comma, a quote or a line break is quoted,
// its quotes doubled.
std::string CsvRecord(const std::vector<std::string>& fields);

// Line, table, date, time, repeat unit, repeat count, function code,
// function, level; lines grouped by table.
std::string WriteLinesCsv(const ExportInput& input, const ExportRange& range);

// Date, time, line, table, function code, function, level; in time order.
std::string WriteFiringsCsv(const ExportInput& input, const ExportRange& range);

}  // namespace ordalis
