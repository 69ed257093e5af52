// Painting of the day rows and the placement of the clock-line controls.
#include "mainwindow/qt/week_area.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "editor/qt/function_pictures.h"
#include "export/qt/week_painting.h"
#include "mainwindow/qt/klok_control.h"
#include "week/week_geometry.h"

namespace ordalis {

namespace {

constexpr int kDayRows = 7;
const QColor kPresentTime(0, 150, 160);  // a colour no clock table has

std::optional<WalkStep> walkStepOf(int key) {
  switch (key) {
    case Qt::Key_Right: return WalkStep::NextInTime;
    case Qt::Key_Left: return WalkStep::PreviousInTime;
    case Qt::Key_Down: return WalkStep::NextDay;
    case Qt::Key_Up: return WalkStep::PreviousDay;
    default: return std::nullopt;
  }
}

MouseButton modelButton(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return MouseButton::Left;
  if (button == Qt::RightButton) return MouseButton::Right;
  return MouseButton::Other;
}

}  // namespace

WeekArea::WeekArea(WeekViewModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
  setObjectName("Pic");
  setFixedSize(kWidth, kHeight);
  setFocusPolicy(Qt::StrongFocus);
  m_model.SetDragDistance(QApplication::startDragDistance());
  createControls();
}

void WeekArea::createControls() {
  for (int id = 0; id < kControlCount; ++id) {
    auto* control = new KlokControl(this);
    control->setClkIndex(IsPoolId(id) ? -1 : id);
    control->hide();
    connect(control, &KlokControl::MouseDown, this,
            [this](Qt::MouseButton button, Qt::MouseButtons, QPointF at) { mouseDown(button, at); });
    connect(control, &KlokControl::MouseMove, this,
            [this](Qt::MouseButtons buttons, QPointF at) { mouseMove(buttons, at); });
    connect(control, &KlokControl::MouseUp, this,
            [this](Qt::MouseButton, QPointF at) { mouseUp(at); });
    connect(control, &KlokControl::DblClick, this, [this](QPointF) { doubleClick(); });
    m_controls[static_cast<size_t>(id)] = control;
  }
}

void WeekArea::setDayIcons(const std::array<bool, 7>& workdays) {
  m_workdays = workdays;
  m_dayIconsSet = true;
  update();
}

void WeekArea::syncControls() {
  for (int id : m_model.TakeChangedControls()) {
    const ClockControl& placed = m_model.Control(id);
    const ControlLook look = m_model.LookOf(id);
    KlokControl* control = m_controls[static_cast<size_t>(id)];
    control->setClkIndex(placed.ClkIndex);
    control->setClkCount(placed.ClkCount);
    control->setLook(QColor(look.colour.red, look.colour.green, look.colour.blue), look.picture,
                     look.selected);
    if (!look.visible) {
      control->hide();
      continue;
    }
    const QString tip = QString::fromStdString(m_model.MarkerToolTip(look.line));
    control->setToolTip(tip);
    control->setAccessibleName(tip);
    control->move(placed.left, placed.top);
    control->show();
  }
  update();  // the focus frame and the present time follow the model
}

void WeekArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  weekpaint::PaintAreaBackground(painter);
  for (int row = 0; row < kDayRows; ++row)
    weekpaint::PaintDayRow(painter, row,
                           m_dayIconsSet ? DayIcon(m_workdays[static_cast<size_t>(row)], devicePixelRatioF())
                                         : QPixmap());
  paintNowAndFocus(painter);
}

QRect WeekArea::frameAround(int row, int x) {
  return QRect(x - week::kControlTipOffset - 3, week::ControlTop(row) - 2, KlokControl::kWidth + 6,
               KlokControl::kHeight + 4);
}

// The present time is a thin line across today's row; the place the keyboard
// walks from is framed while the area has the focus.
void WeekArea::paintNowAndFocus(QPainter& painter) const {
  if (const std::optional<Spot> now = m_model.NowSpot()) {
    painter.setPen(kPresentTime);
    const int top = week::kRowHeight * now->row;
    painter.drawLine(now->x, top + 2, now->x, top + week::kRowHeight - 2);
  }
  const std::optional<LineSpot>& focus = m_model.FocusSpot();
  if (!hasFocus() || !focus) return;
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
  painter.drawRect(frameAround(focus->row, focus->x));
}

void WeekArea::mouseDown(Qt::MouseButton button, QPointF position) {
  const MouseDownResult result = m_model.MouseDown(position.x(), position.y(), modelButton(button));
  syncControls();
  if (result == MouseDownResult::Nothing) return;
  emit selectionChanged();
  // While a line is dragged the area takes every mouse event, whichever
  // control the pointer passes or the dragged control leaves.
  if (m_model.DragLine() != 0) {
    grabMouse();
    emit dragStarted();
  }
  if (result == MouseDownResult::ShowEditMenu)
    emit editMenuRequested(mapToGlobal(position.toPoint()));
}

void WeekArea::mouseMove(Qt::MouseButtons buttons, QPointF position) {
  if (m_model.MouseMove(position.x(), position.y(), buttons.testFlag(Qt::LeftButton))) syncControls();
}

void WeekArea::mouseUp(QPointF position) {
  if (mouseGrabber() == this) releaseMouse();
  const int dragged = m_model.DragLine();
  const bool wasDragging = dragged != 0;
  const int before = m_model.SelectedEntry();
  m_model.MouseUp(position.x(), position.y());
  syncControls();
  if (wasDragging) emit dragFinished(dragged - 1);
  if (wasDragging || before != m_model.SelectedEntry() || !m_model.HitList().empty())
    emit selectionChanged();
}

void WeekArea::doubleClick() { emit lineDoubleClicked(); }

void WeekArea::mousePressEvent(QMouseEvent* event) { mouseDown(event->button(), event->position()); }

void WeekArea::mouseMoveEvent(QMouseEvent* event) { mouseMove(event->buttons(), event->position()); }

void WeekArea::mouseReleaseEvent(QMouseEvent* event) { mouseUp(event->position()); }

void WeekArea::mouseDoubleClickEvent(QMouseEvent*) { doubleClick(); }

void WeekArea::keyPressEvent(QKeyEvent* event) {
  const std::optional<WalkStep> step = walkStepOf(event->key());
  if (!step || event->modifiers() != Qt::NoModifier) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (m_model.Walk(*step)) {
    syncControls();
    update();
    emit selectionChanged();
    const LineSpot& focus = *m_model.FocusSpot();
    emit focusMoved(frameAround(focus.row, focus.x));
  }
  event->accept();
}

void WeekArea::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void WeekArea::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace ordalis
