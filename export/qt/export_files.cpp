// The four export formats to a file.
#include "export/qt/export_files.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

#include "base/file_store.h"
#include "export/csv_export.h"
#include "export/export_texts.h"
#include "export/ical_export.h"

namespace ordalis {

namespace {

constexpr int kPdfResolution = 300;
constexpr qreal kPageMarginMillimetres = 10;

std::chrono::sys_seconds UtcOf(const QDateTime& moment) {
  return std::chrono::sys_seconds{std::chrono::seconds{moment.toSecsSinceEpoch()}};
}

std::string ContentOf(const ExportRequest& request) {
  const ExportInput input = ExportInputOf(request.pages.parts);
  switch (request.format) {
    case ExportFormat::ICalendar: return WriteICalendar(input, request.range, UtcOf(request.pages.printedAt));
    case ExportFormat::LinesCsv: return WriteLinesCsv(input, request.range);
    case ExportFormat::FiringsCsv: return WriteFiringsCsv(input, request.range);
    case ExportFormat::Pdf: break;
  }
  return PdfOf(request.pages).toStdString();
}

}  // namespace

std::optional<ExportFormat> ExportFormatNamed(const std::string& name, bool firings) {
  if (name == "pdf" && !firings) return ExportFormat::Pdf;
  if (name == "ics" && !firings) return ExportFormat::ICalendar;
  if (name == "csv") return firings ? ExportFormat::FiringsCsv : ExportFormat::LinesCsv;
  return std::nullopt;
}

QByteArray PdfOf(const PrintJob& job) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(kPdfResolution);
  writer.setCreator("Ordalis");
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                   QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                             kPageMarginMillimetres, kPageMarginMillimetres),
                                   QPageLayout::Millimeter));
  PaintPrintJob(writer, job);
  return bytes;
}

std::optional<std::string> WriteExport(const ExportRequest& request) {
  const std::string content = ContentOf(request);
  const FileWriteResult written =
      replaceFileBytes(request.path, std::vector<uint8_t>(content.begin(), content.end()));
  if (written.ok) return std::nullopt;
  return request.pages.parts.texts.LoadText(kExportFailedText) + " " + request.path + " (" + written.error + ")";
}

}  // namespace ordalis
