// The print preview of the schedule: the week pages and the line list, with
// a box on its tool bar for the number of weeks from the first one. Print
// from it goes to any printer Qt offers, PDF included.
#pragma once

#include <QPrintPreviewDialog>
#include <QPrinter>

#include "export/qt/print_pages.h"

class QSpinBox;

namespace ordalis {

class WeekPrintPreview : public QPrintPreviewDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxWeeks = 53;

  // The printer (turned to landscape here) and the job's parts must outlive
  // the dialog.
  WeekPrintPreview(QPrinter& printer, const PrintJob& job, QWidget* parent = nullptr);

  QSpinBox* weeksBox() const { return m_weeks; }
  // Pages of the last painting.
  int paintedPages() const { return m_paintedPages; }

 private:
  void paintPages(QPrinter* printer);

  PrintJob m_job;
  QSpinBox* m_weeks = nullptr;
  int m_paintedPages = 0;
};

}  // namespace ordalis
