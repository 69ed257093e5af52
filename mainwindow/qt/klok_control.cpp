// Painting and mouse forwarding of the clock-line control.
#include "mainwindow/qt/klok_control.h"

#include <QMouseEvent>
#include <QPainter>

#include "editor/qt/function_pictures.h"
#include "export/qt/week_painting.h"

namespace ordalis {

KlokControl::KlokControl(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_NoSystemBackground);
}

void KlokControl::setClkIndex(int index) {
  if (index == m_clkIndex) return;
  m_clkIndex = index;
  emit propertyChanged();
  update();
}

void KlokControl::setClkCount(int count) {
  if (count == m_clkCount) return;
  m_clkCount = count;
  emit propertyChanged();
  update();
}

void KlokControl::setBackStyle(int style) {
  if (style == m_backStyle) return;
  m_backStyle = style;
  emit propertyChanged();
  update();
}

void KlokControl::setBorderStyle(int style) {
  if (style == m_borderStyle) return;
  m_borderStyle = style;
  emit propertyChanged();
  update();
}

void KlokControl::setEnabledProperty(bool enabled) {
  if (enabled == isEnabled()) return;
  setEnabled(enabled);
  emit propertyChanged();
}

void KlokControl::setLook(const QColor& colour, int picture, bool selected) {
  if (colour == m_colour && picture == m_picture && selected == m_selected) return;
  m_colour = colour;
  m_picture = picture;
  m_selected = selected;
  update();
}

int KlokControl::line() const {
  if (m_clkIndex >= 0) return m_clkIndex;
  return m_clkIndex == -1 ? -1 : -2 - m_clkIndex;
}

void KlokControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (m_backStyle == 1) painter.fillRect(rect(), palette().window());
  if (m_borderStyle == 1) {
    painter.setPen(palette().windowText().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  if (line() < 0) return;
  weekpaint::PaintClockMarker(painter, m_colour, FunctionPicture(m_picture, devicePixelRatioF()), m_selected,
                              m_clkCount);
}

void KlokControl::mousePressEvent(QMouseEvent* event) {
  m_pressed = true;
  emit MouseDown(event->button(), event->buttons(), toArea(event->position()));
}

void KlokControl::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMove(event->buttons(), toArea(event->position()));
}

void KlokControl::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasPressed = m_pressed;
  m_pressed = false;
  emit MouseUp(event->button(), toArea(event->position()));
  if (wasPressed && rect().contains(event->position().toPoint())) emit Click();
}

void KlokControl::mouseDoubleClickEvent(QMouseEvent* event) {
  emit DblClick(toArea(event->position()));
}

}  // namespace ordalis
