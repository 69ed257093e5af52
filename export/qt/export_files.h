// Writing an export to a file: the PDF of the printed pages, the iCalendar
// file, or one of the two CSV sheets. The file is replaced whole or left as
// it was.
#pragma once

#include <QDateTime>
#include <optional>
#include <string>

#include "export/export_input.h"
#include "export/qt/print_pages.h"

namespace ordalis {

enum class ExportFormat { Pdf, ICalendar, LinesCsv, FiringsCsv };

// The format named on the command line ("pdf", "ics", "csv"; "csv" with
// firings gives the firings sheet), or nullopt.
std::optional<ExportFormat> ExportFormatNamed(const std::string& name, bool firings);

struct ExportRequest {
  ExportFormat format = ExportFormat::Pdf;
  ExportRange range;     // the iCalendar RDATEs, the firings sheet, which lines
  PrintJob pages;        // what the PDF holds
  std::string path;
};

// The PDF bytes of the pages: A4 landscape.
QByteArray PdfOf(const PrintJob& job);

// Writes the file. Returns nothing on success, or the reason in the user's
// words with the file's name.
std::optional<std::string> WriteExport(const ExportRequest& request);

}  // namespace ordalis
