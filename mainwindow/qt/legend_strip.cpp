// Painting the legend and showing its tooltips.
#include "mainwindow/qt/legend_strip.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "editor/qt/function_pictures.h"
#include "mainwindow/qt/klokken_body.h"

namespace ordalis {

namespace {

constexpr int kPointSize = 6;
constexpr int kSpacing = 90;
constexpr int kIconOffset = 80;     // icon k at 90 k - 80
constexpr int kCaptionOffset = 67;  // caption k at 90 k - 67
// In the strip's own coordinates: the strip starts where the legend's icons do.
constexpr int kIconTop = 0;
constexpr int kCaptionTop = KlokkenBody::kLegendCaptionTop - KlokkenBody::kLegendIconTop;

}  // namespace

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
  const int k = (point.x() + kIconOffset) / kSpacing;
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

// The pictures are drawn at the screen's pixel ratio, so they stay sharp
// when the window moves to a screen with another scale.
void LegendStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (int k = 1; k <= kFunctionPictureCount; ++k)
    painter.drawPixmap(kSpacing * k - kIconOffset, kIconTop, FunctionPicture(k, devicePixelRatioF()));
  QFont font = painter.font();
  font.setPointSize(kPointSize);
  painter.setFont(font);
  painter.setPen(palette().color(QPalette::WindowText));
  for (int k = 1; k <= m_captions.size() && k <= kFunctionPictureCount; ++k) {
    const QRect caption(kSpacing * k - kCaptionOffset, kCaptionTop, kSpacing - kFunctionPictureSize - 2,
                        painter.fontMetrics().height());
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop, m_captions[k - 1]);
  }
}

}  // namespace ordalis
