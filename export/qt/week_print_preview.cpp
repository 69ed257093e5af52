// The print preview and its weeks box.
#include "export/qt/week_print_preview.h"

#include <QLabel>
#include <QPrintPreviewWidget>
#include <QSpinBox>
#include <QToolBar>

#include "export/export_texts.h"

namespace ordalis {

namespace {

QPrinter* Landscape(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Landscape);
  return &printer;
}

}  // namespace

WeekPrintPreview::WeekPrintPreview(QPrinter& printer, const PrintJob& job, QWidget* parent)
    : QPrintPreviewDialog(Landscape(printer), parent), m_job(job) {
  setObjectName("WeekPrintPreview");
  m_weeks = new QSpinBox(this);
  m_weeks->setObjectName("weeks");
  m_weeks->setRange(1, kMaxWeeks);
  m_weeks->setValue(std::clamp(job.weeks, 1, kMaxWeeks));
  if (auto* bar = findChild<QToolBar*>()) {
    bar->addSeparator();
    bar->addWidget(new QLabel(QString::fromStdString(job.parts.texts.LoadText(kWeeksText)) + " ", this));
    bar->addWidget(m_weeks);
  }
  connect(this, &QPrintPreviewDialog::paintRequested, this, &WeekPrintPreview::paintPages);
  connect(m_weeks, &QSpinBox::valueChanged, this, [this] {
    if (auto* preview = findChild<QPrintPreviewWidget*>()) preview->updatePreview();
  });
}

void WeekPrintPreview::paintPages(QPrinter* printer) {
  m_job.weeks = m_weeks->value();
  m_paintedPages = PaintPrintJob(*printer, m_job);
}

}  // namespace ordalis
