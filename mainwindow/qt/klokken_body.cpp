// Day names and dates of the main window, today's name in bold.
#include "mainwindow/qt/klokken_body.h"

#include <QLocale>
#include <QPainter>

#include "week/week_geometry.h"

namespace ordalis {

namespace {

constexpr int kDayRows = 7;
constexpr int kDayNameLeft = 5;
constexpr int kDayNameTopInRow = 60;  // window y of row d's name: 70 d + 60
constexpr int kDayNamePointSize = 10;

QFont withPointSize(QFont font, int size) {
  font.setPointSize(size);
  return font;
}

}  // namespace

KlokkenBody::KlokkenBody(QWidget* parent) : StrayClickWidget(parent) {}

void KlokkenBody::setWeekStart(QDate monday, QDate today) {
  if (monday == m_weekStart && today == m_today) return;
  m_weekStart = monday;
  m_today = today;
  update(0, 0, kAreaLeft, height());
}

QString KlokkenBody::dayName(int row) const {
  const QDate date = m_weekStart.addDays(row);
  return QLocale::system().dayName(date.dayOfWeek(), QLocale::LongFormat) + ":";
}

QString KlokkenBody::dayDate(int row) const { return m_weekStart.addDays(row).toString("dd-MM-yyyy"); }

void KlokkenBody::paintEvent(QPaintEvent*) {
  QPainter painter(this);
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

}  // namespace ordalis
