// Day names, dates and the legend of the main window.
#include "mainwindow/qt/klokken_body.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "editor/qt/function_pictures.h"
#include "week/week_geometry.h"

namespace ordalis {

namespace {

constexpr int kDayRows = 7;
constexpr int kDayNameLeft = 5;
constexpr int kDayNameTopInRow = 60;  // window y of row d's name: 70 d + 60
constexpr int kDayNamePointSize = 10;
constexpr int kLegendPointSize = 6;
constexpr int kLegendSpacing = 90;
constexpr int kLegendIconOffset = 80;     // icon k at 90 k - 80
constexpr int kLegendCaptionOffset = 67;  // caption k at 90 k - 67

QFont withPointSize(QFont font, int size) {
  font.setPointSize(size);
  return font;
}

}  // namespace

KlokkenBody::KlokkenBody(QWidget* parent) : QWidget(parent) {}

void KlokkenBody::setWeekStart(QDate monday, QDate today) {
  if (monday == m_weekStart && today == m_today) return;
  m_weekStart = monday;
  m_today = today;
  update(0, 0, kAreaLeft, height());
}

void KlokkenBody::setLegendCaptions(const QStringList& captions, const QStringList& toolTips) {
  m_legendCaptions = captions;
  m_legendToolTips = toolTips;
  update();
}

int KlokkenBody::legendEntryAt(QPoint point) const {
  if (point.y() < kLegendIconTop || point.y() >= kLegendIconTop + kFunctionPictureSize + 12) return 0;
  const int k = (point.x() + kLegendIconOffset) / kLegendSpacing;
  return k >= 1 && k <= kFunctionPictureCount ? k : 0;
}

bool KlokkenBody::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const int k = legendEntryAt(help->pos());
  if (k >= 1 && k <= m_legendToolTips.size())
    QToolTip::showText(help->globalPos(), m_legendToolTips[k - 1], this);
  else
    QToolTip::hideText();
  return true;
}

QString KlokkenBody::dayName(int row) const {
  const QDate date = m_weekStart.addDays(row);
  return QLocale::system().dayName(date.dayOfWeek(), QLocale::LongFormat) + ":";
}

QString KlokkenBody::dayDate(int row) const { return m_weekStart.addDays(row).toString("dd-MM-yyyy"); }

void KlokkenBody::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintDayNames(painter);
  paintLegend(painter);
}

void KlokkenBody::paintDayNames(QPainter& painter) const {
  if (!m_weekStart.isValid()) return;
  // The names must fit the 75 pixels left of the clock area in every
  // language ("Wednesday:", "Donnerstag:"), so the face is narrowed a little.
  QFont dayFont = withPointSize(font(), kDayNamePointSize);
  dayFont.setStretch(QFont::SemiCondensed);
  painter.setFont(dayFont);
  painter.setPen(palette().color(QPalette::WindowText));
  const int lineHeight = painter.fontMetrics().height();
  QFont todayFont = dayFont;
  todayFont.setBold(true);
  for (int row = 0; row < kDayRows; ++row) {
    painter.setFont(m_weekStart.addDays(row) == m_today ? todayFont : dayFont);
    const QRect name(kDayNameLeft, week::kRowHeight * row + kDayNameTopInRow, kAreaLeft - kDayNameLeft,
                     lineHeight);
    painter.drawText(name, Qt::AlignLeft | Qt::AlignTop, dayName(row));
    painter.drawText(name.translated(0, lineHeight), Qt::AlignLeft | Qt::AlignTop, dayDate(row));
  }
}

// The pictures are drawn at the screen's pixel ratio, so they stay sharp
// when the window moves to a screen with another scale.
void KlokkenBody::paintLegend(QPainter& painter) const {
  for (int k = 1; k <= kFunctionPictureCount; ++k)
    painter.drawPixmap(kLegendSpacing * k - kLegendIconOffset, kLegendIconTop,
                       FunctionPicture(k, devicePixelRatioF()));
  painter.setFont(withPointSize(font(), kLegendPointSize));
  painter.setPen(palette().color(QPalette::WindowText));
  for (int k = 1; k <= m_legendCaptions.size() && k <= kFunctionPictureCount; ++k) {
    const QRect caption(kLegendSpacing * k - kLegendCaptionOffset, kLegendCaptionTop,
                        kLegendSpacing - kFunctionPictureSize - 2, painter.fontMetrics().height());
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop, m_legendCaptions[k - 1]);
  }
}

void KlokkenBody::mousePressEvent(QMouseEvent*) {
  if (m_onStrayClick) m_onStrayClick();
}

}  // namespace ordalis
