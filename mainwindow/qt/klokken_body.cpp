// Day names and dates of the main window, today's name in bold.
#include "mainwindow/qt/klokken_body.h"

#include <QPainter>

#include "export/qt/week_painting.h"

namespace ordalis {

KlokkenBody::KlokkenBody(QWidget* parent) : StrayClickWidget(parent) {}

void KlokkenBody::setWeekStart(QDate monday, QDate today) {
  if (monday == m_weekStart && today == m_today) return;
  m_weekStart = monday;
  m_today = today;
  update(0, 0, kAreaLeft, height());
}

QString KlokkenBody::dayName(int row) const { return weekpaint::DayName(m_weekStart.addDays(row)); }

QString KlokkenBody::dayDate(int row) const { return weekpaint::DayDate(m_weekStart.addDays(row)); }

void KlokkenBody::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  weekpaint::PaintDayNames(painter, m_weekStart, font(), palette().color(QPalette::WindowText), m_today);
}

}  // namespace ordalis
