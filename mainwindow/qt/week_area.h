// The clock area `Pic` of the main window: seven day rows with their time
// axis, time labels and day icons, and the 300 clock-line controls (100 main
// controls, 200 pool controls) placed as the week-view model says. Mouse
// events on the area and on its controls go to the model in clock-area
// coordinates; the area reports what the main window must react to. It takes
// the keyboard focus: the arrow keys walk the selection over the lines, and
// the place walked from has a focus frame. Today's row shows the present time.
#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "export/qt/week_painting.h"
#include "week/clock_controls.h"
#include "week/week_view_model.h"

namespace ordalis {

class KlokControl;

class WeekArea : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = weekpaint::kAreaWidth;
  static constexpr int kHeight = weekpaint::kAreaHeight;

  // The model must outlive the area.
  WeekArea(WeekViewModel& model, QWidget* parent = nullptr);

  // Moves, shows, hides and repaints the controls whose look the model
  // changed since the last call.
  void syncControls();
  // The workday or weekend picture for each day row, Monday first.
  void setDayIcons(const std::array<bool, 7>& workdays);

  KlokControl* control(int id) const { return m_controls[static_cast<size_t>(id)]; }

  // The week view's mouse handlers, in clock-area coordinates.
  void mouseDown(Qt::MouseButton button, QPointF position);
  void mouseMove(Qt::MouseButtons buttons, QPointF position);
  void mouseUp(QPointF position);
  void doubleClick();

 signals:
  // A right click on a line: open the Edit menu at this screen position.
  void editMenuRequested(QPoint globalPosition);
  // A double-click on the area or a control.
  void lineDoubleClicked();
  // The selection changed (after a click, the end of a drag or a key).
  void selectionChanged();
  // A left press on a line began a drag; the mouse release ended the drag of
  // line `line` (whether it moved or not).
  void dragStarted();
  void dragFinished(int line);
  // The keyboard moved the focus to this rectangle of the area.
  void focusMoved(QRect place);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void createControls();
  void paintNowAndFocus(class QPainter& painter) const;
  // The rectangle around the markers at a place of the clock area.
  static QRect frameAround(int row, int x);

  WeekViewModel& m_model;
  std::array<bool, 7> m_workdays{};
  bool m_dayIconsSet = false;
  std::array<KlokControl*, kControlCount> m_controls{};
};

}  // namespace ordalis
