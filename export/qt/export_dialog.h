// The File menu's "Export...": the format, the number of weeks a PDF holds
// and the dates whose firings an iCalendar file lists or a sheet holds. The
// dialog only asks; the file name and the writing are the caller's.
#pragma once

#include <QDate>
#include <QDialog>

#include "export/qt/export_files.h"

class QComboBox;
class QDateEdit;
class QSpinBox;

namespace ordalis {

class ExportDialog : public QDialog {
  Q_OBJECT

 public:
  // Starts from the first week and a range of one year from it.
  ExportDialog(const Texts& texts, QDate firstMonday, QWidget* parent = nullptr);

  ExportFormat format() const;
  int weeks() const;
  ExportRange range() const;
  // The save dialog's filter for the chosen format, in the program's form.
  std::string fileFilter() const;

 private:
  const Texts& m_texts;
  QComboBox* m_format = nullptr;
  QSpinBox* m_weeks = nullptr;
  QDateEdit* m_from = nullptr;
  QDateEdit* m_to = nullptr;
};

// Export...: asks for the format and the file, writes it, and tells the
// user when it could not. The job's parts must outlive the call.
void RunExport(const PrintJob& job, class Prompts& prompts, QWidget* parent);

}  // namespace ordalis
