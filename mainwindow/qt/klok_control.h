// KlokControl: the small control that draws one clock line, or one occurrence
// of it, on the week view: the function picture in VLAG, the line marker whose
// tip (5, 25) stands on the moment, the selection marker under it when the
// line is selected, and the number of controls sharing the spot.
//
// The control does not decide what it shows: the week view gives it the look
// (colour, picture, selection) that the week-view model computed. Its mouse
// events are passed on in the coordinates of its parent, the clock area, so
// acting on a control acts on its spot.
#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

#include "export/qt/week_painting.h"

namespace ordalis {

class KlokControl : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int ClkIndex READ ClkIndex WRITE setClkIndex NOTIFY propertyChanged)
  Q_PROPERTY(int ClkCount READ ClkCount WRITE setClkCount NOTIFY propertyChanged)
  Q_PROPERTY(int BackStyle READ BackStyle WRITE setBackStyle NOTIFY propertyChanged)
  Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle NOTIFY propertyChanged)
  Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty NOTIFY propertyChanged)

 public:
  // The control's size; the tip of the line marker is at (5, 25).
  static constexpr int kWidth = weekpaint::kControlWidth;
  static constexpr int kHeight = weekpaint::kControlHeight;
  static constexpr int kPictureTop = weekpaint::kPictureTop;
  static constexpr int kCountTop = weekpaint::kCountTop;

  explicit KlokControl(QWidget* parent = nullptr);

  // 0-99: a main control for that line; -1: free (draws nothing);
  // -2 - i: an occurrence of line i.
  int ClkIndex() const { return m_clkIndex; }
  void setClkIndex(int index);
  // Controls standing at the same spot; printed below the markers when above 1.
  int ClkCount() const { return m_clkCount; }
  void setClkCount(int count);
  // 0 transparent, 1 opaque.
  int BackStyle() const { return m_backStyle; }
  void setBackStyle(int style);
  // 0 none, 1 a single line around the control.
  int BorderStyle() const { return m_borderStyle; }
  void setBorderStyle(int style);
  bool Enabled() const { return isEnabled(); }
  void setEnabledProperty(bool enabled);

  // What the control shows for its line: the table's colour, function
  // picture 1-9 (shown in VLAG) and whether the line is the selected one.
  void setLook(const QColor& colour, int picture, bool selected);
  QColor colour() const { return m_colour; }
  int picture() const { return m_picture; }
  bool isSelectedLine() const { return m_selected; }
  // The line this control draws, -1 when free.
  int line() const;

  // Repaints with the current look.
  void Refresh() { update(); }

 signals:
  void propertyChanged();
  // Positions are in the parent's (the clock area's) coordinates.
  void Click();
  void DblClick(QPointF areaPosition);
  void MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPointF areaPosition);
  void MouseMove(Qt::MouseButtons buttons, QPointF areaPosition);
  void MouseUp(Qt::MouseButton button, QPointF areaPosition);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QPointF toArea(const QPointF& local) const { return local + QPointF(pos()); }

  int m_clkIndex = 0;
  int m_clkCount = 0;
  int m_backStyle = 0;
  int m_borderStyle = 0;
  QColor m_colour = Qt::black;
  int m_picture = 0;
  bool m_selected = false;
  bool m_pressed = false;
};

}  // namespace ordalis
