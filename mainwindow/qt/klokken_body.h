// The body of the main window, in the window coordinates of the week view:
// the day names and dates left of the clock area, and the legend of the nine
// function pictures below it. A mouse-down here, outside the clock area and
// the other controls, only beeps.
#pragma once

#include <QDate>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace ordalis {

class KlokkenBody : public QWidget {
  Q_OBJECT

 public:
  // Where the clock area stands in this widget.
  static constexpr int kAreaLeft = 80;
  static constexpr int kAreaTop = 40;
  static constexpr int kLegendIconTop = 545;
  static constexpr int kLegendCaptionTop = 550;

  explicit KlokkenBody(QWidget* parent = nullptr);

  // The Monday of the shown week; the day names and dates follow it, and the
  // name of today's row is bold.
  void setWeekStart(QDate monday, QDate today);
  QDate weekStart() const { return m_weekStart; }
  // The nine legend captions, in the order of the function pictures, and
  // their texts in full for the tooltips.
  void setLegendCaptions(const QStringList& captions, const QStringList& toolTips);
  // Called on a mouse-down that hits nothing (the main window beeps).
  void setOnStrayClick(std::function<void()> onStrayClick) { m_onStrayClick = std::move(onStrayClick); }

  // The text of day row d: "<weekday>:" and the date as "dd-mm-yyyy".
  QString dayName(int row) const;
  QString dayDate(int row) const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void paintDayNames(class QPainter& painter) const;
  void paintLegend(class QPainter& painter) const;

  // The legend entry k (1-9) at a point, 0 for none.
  int legendEntryAt(QPoint point) const;

  QDate m_weekStart;
  QDate m_today;
  QStringList m_legendCaptions;
  QStringList m_legendToolTips;
  std::function<void()> m_onStrayClick;
};

}  // namespace ordalis
