// Painting the legend and showing its tooltips.
#include "mainwindow/qt/legend_strip.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "editor/qt/function_pictures.h"
#include "export/qt/week_painting.h"

namespace ordalis {

LegendStrip::LegendStrip(QWidget* parent) : StrayClickWidget(parent) {
  setObjectName("Legend");
  setFixedHeight(kHeight);
  setMinimumWidth(0);
}

void LegendStrip::setCaptions(const QStringList& captions, const QStringList& toolTips) {
  m_captions = captions;
  m_toolTips = toolTips;
  update();
}

int LegendStrip::entryAt(QPoint point) const {
  const int k = (point.x() + weekpaint::kLegendIconOffset) / weekpaint::kLegendSpacing;
  return k >= 1 && k <= kFunctionPictureCount ? k : 0;
}

bool LegendStrip::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return StrayClickWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const int k = entryAt(help->pos());
  if (k >= 1 && k <= m_toolTips.size())
    QToolTip::showText(help->globalPos(), m_toolTips[k - 1], this);
  else
    QToolTip::hideText();
  return true;
}

// The strip starts where the legend's icons do in the window's body.
void LegendStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.translate(0, -weekpaint::kLegendIconTop);
  weekpaint::PaintLegend(painter, m_captions, font(), palette().color(QPalette::WindowText), devicePixelRatioF());
}

}  // namespace ordalis
