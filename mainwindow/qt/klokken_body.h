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

  // The Monday of the shown week; the day names and dates follow it.
  void setWeekStart(QDate monday);
  QDate weekStart() const { return m_weekStart; }
  // The nine legend captions, in the order of the function pictures.
  void setLegendCaptions(const QStringList& captions);
  // Called on a mouse-down that hits nothing (the main window beeps).
  void setOnStrayClick(std::function<void()> onStrayClick) { m_onStrayClick = std::move(onStrayClick); }

  // The text of day row d: "<weekday>:" and the date as "dd-mm-yyyy".
  QString dayName(int row) const;
  QString dayDate(int row) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void paintDayNames(class QPainter& painter) const;
  void paintLegend(class QPainter& painter) const;

  QDate m_weekStart;
  QStringList m_legendCaptions;
  std::function<void()> m_onStrayClick;
};

}  // namespace ordalis
