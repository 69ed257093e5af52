// The body of the main window, in the window coordinates of the week view:
// the day names and dates left of the clock area, today's name in bold. The
// legend of the nine function pictures below it is the LegendStrip. A
// mouse-down here, outside the clock area and the other controls, only beeps.
#pragma once

#include <QDate>

#include "export/qt/week_painting.h"
#include "mainwindow/qt/stray_click_widget.h"

namespace ordalis {

class KlokkenBody : public StrayClickWidget {
  Q_OBJECT

 public:
  // Where the clock area stands in this widget.
  static constexpr int kAreaLeft = weekpaint::kAreaLeft;
  static constexpr int kAreaTop = weekpaint::kAreaTop;
  // Where the legend stands in the window's body (below this widget).
  static constexpr int kLegendIconTop = weekpaint::kLegendIconTop;

  explicit KlokkenBody(QWidget* parent = nullptr);

  // The Monday of the shown week; the day names and dates follow it, and the
  // name of today's row is bold.
  void setWeekStart(QDate monday, QDate today);
  QDate weekStart() const { return m_weekStart; }

  // The text of day row d: "<weekday>:" and the date as "dd-mm-yyyy".
  QString dayName(int row) const;
  QString dayDate(int row) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QDate m_weekStart;
  QDate m_today;
};

}  // namespace ordalis
