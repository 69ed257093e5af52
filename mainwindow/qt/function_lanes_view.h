// The Functions view: one lane per function over the shown week, Monday at
// the left. Relays show a bar where they are on (uncoupled hatched apart),
// dimmers a step curve of their per cent, other functions a tick at each
// firing; every firing has a marker in its line's table colour, and a
// conflict a red ring. It paints the lane model and forwards clicks on
// markers; the tip texts come from its owner.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "week/function_lanes.h"

namespace ordalis {

class FunctionLanesView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kNameWidth = 150;
  static constexpr int kDayWidth = 60;
  static constexpr int kHeaderHeight = 22;
  static constexpr int kLaneHeight = 26;
  static constexpr int kWidth = kNameWidth + 7 * kDayWidth + 8;

  // The tip of a marker, of a stretch of a lane's state, and the text shown
  // when there is no lane.
  struct Tips {
    std::function<QString(const FunctionLane&, const LaneChange&)> marker;
    std::function<QString(const LaneState&)> state;
    QString noLanes;
  };

  explicit FunctionLanesView(QWidget* parent = nullptr);

  void setLanes(WeekLanes lanes);
  const WeekLanes& lanes() const { return m_lanes; }
  // The selected line's markers are drawn raised; -1 for none.
  void setSelectedLine(int line);
  void setTips(Tips tips) { m_tips = std::move(tips); }

  // Where the tip of a change's marker stands, in this widget's pixels.
  QPoint markerPosition(int lane, int change) const;

 signals:
  void lineClicked(int line, LocalTime moment);
  void lineDoubleClicked(int line, LocalTime moment);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  struct MarkerHit {
    int lane;
    int change;
  };
  int laneAt(QPoint position) const;  // -1 outside every lane
  std::optional<MarkerHit> markerAt(QPoint position) const;
  std::optional<LaneInterval> intervalAt(QPoint position) const;
  int xOf(LocalTime moment) const;
  int laneTop(int lane) const { return kHeaderHeight + lane * kLaneHeight; }

  void paintHeader(class QPainter& painter) const;
  void paintLane(QPainter& painter, int index) const;
  void paintStates(QPainter& painter, const FunctionLane& lane, int top) const;
  void paintTicks(QPainter& painter, const FunctionLane& lane, int top) const;
  void paintMarkers(QPainter& painter, const FunctionLane& lane, int top) const;

  WeekLanes m_lanes;
  int m_selectedLine = -1;
  Tips m_tips;
};

}  // namespace ordalis
