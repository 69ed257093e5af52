// The export dialog and the Export... command.
#include "export/qt/export_dialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include "base/prompts.h"
#include "base/qt/qt_dates.h"
#include "export/export_texts.h"
#include "export/qt/week_print_preview.h"

namespace ordalis {

namespace {

constexpr int kFormatTexts[] = {kPdfFormatText, kICalendarFormatText, kLinesCsvFormatText, kFiringsCsvFormatText};
constexpr const char* kFormatExtensions[] = {"pdf", "ics", "csv", "csv"};

}  // namespace

ExportDialog::ExportDialog(const Texts& texts, QDate firstMonday, QWidget* parent)
    : QDialog(parent), m_texts(texts) {
  setObjectName("ExportDialog");
  auto text = [&texts](int id) { return QString::fromStdString(texts.LoadText(id)); };
  setWindowTitle(text(kExportTitleText));
  m_format = new QComboBox(this);
  for (int id : kFormatTexts) m_format->addItem(text(id));
  m_weeks = new QSpinBox(this);
  m_weeks->setRange(1, WeekPrintPreview::kMaxWeeks);
  m_from = new QDateEdit(firstMonday, this);
  m_to = new QDateEdit(firstMonday.addYears(1), this);
  for (QDateEdit* date : {m_from, m_to}) date->setCalendarPopup(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* form = new QFormLayout(this);
  form->addRow(text(kExportFormatText), m_format);
  form->addRow(text(kWeeksText), m_weeks);
  form->addRow(text(kFromText), m_from);
  form->addRow(text(kToText), m_to);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ExportFormat ExportDialog::format() const { return static_cast<ExportFormat>(m_format->currentIndex()); }

int ExportDialog::weeks() const { return m_weeks->value(); }

ExportRange ExportDialog::range() const {
  return ExportRange{fromQDate(m_from->date()), fromQDate(m_to->date().addDays(1)), false};
}

std::string ExportDialog::fileFilter() const {
  const int index = m_format->currentIndex();
  const std::string extension = kFormatExtensions[index];
  return m_texts.LoadText(kFormatTexts[index]) + " |*." + extension;
}

void RunExport(const PrintJob& job, Prompts& prompts, QWidget* parent) {
  ExportDialog dialog(job.parts.texts, job.firstMonday, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::optional<std::string> path = prompts.saveFileName(FileDialog{dialog.fileFilter(), "", "", false, true});
  if (!path) return;
  ExportRequest request{dialog.format(), dialog.range(), job, *path};
  request.pages.weeks = dialog.weeks();
  if (const auto failure = WriteExport(request)) prompts.tell(*failure, kErrorTitle, MessageIcon::Critical);
}

}  // namespace ordalis
