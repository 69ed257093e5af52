// Painting the lanes and finding the marker under the pointer.
#include "mainwindow/qt/function_lanes_view.h"

#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "base/qt/qt_dates.h"
#include "week/klok_control_rules.h"

namespace ordalis {

namespace {

constexpr std::chrono::minutes kMinutesPerDay{24 * 60};
constexpr int kDays = 7;
// Inside a lane, from its top: the markers, then the band of the state.
constexpr int kMarkerTip = 9;
constexpr int kMarkerHalfWidth = 4;
constexpr int kMarkerHeight = 7;
constexpr int kBandTop = 11;
constexpr int kBandBottom = 23;
constexpr int kHitHalfWidth = 4;

const QColor kBackground(255, 255, 255);
const QColor kOddLane(244, 246, 250);
const QColor kGrid(205, 210, 220);
const QColor kText(30, 30, 30);
const QColor kOn(240, 180, 40);
const QColor kDimmed(60, 120, 200);
const QColor kUncoupled(150, 150, 150);
const QColor kUnknown(200, 200, 200);
const QColor kConflict(220, 0, 0);
const QColor kMarkerEdge(60, 60, 60);

QColor TableQColour(uint8_t table) {
  const Rgb colour = TableColour(table);
  return {colour.red, colour.green, colour.blue};
}

}  // namespace

FunctionLanesView::FunctionLanesView(QWidget* parent) : QWidget(parent) {
  setObjectName("FunctionLanes");
  setMouseTracking(true);
  setFixedSize(kWidth, kHeaderHeight + kLaneHeight);
}

void FunctionLanesView::setLanes(WeekLanes lanes) {
  m_lanes = std::move(lanes);
  setFixedSize(kWidth, laneTop(std::max<int>(1, static_cast<int>(m_lanes.lanes.size()))) + 2);
  update();
}

void FunctionLanesView::setSelectedLine(int line) {
  if (line == m_selectedLine) return;
  m_selectedLine = line;
  update();
}

int FunctionLanesView::xOf(LocalTime moment) const {
  const auto minutes = std::chrono::duration_cast<std::chrono::minutes>(moment - m_lanes.weekStart);
  return kNameWidth + static_cast<int>(minutes * kDayWidth / kMinutesPerDay);
}

QPoint FunctionLanesView::markerPosition(int lane, int change) const {
  const LaneChange& marked = m_lanes.lanes[static_cast<size_t>(lane)].changes[static_cast<size_t>(change)];
  return {xOf(marked.moment), laneTop(lane) + kMarkerTip};
}

int FunctionLanesView::laneAt(QPoint position) const {
  if (position.y() < kHeaderHeight) return -1;
  const int lane = (position.y() - kHeaderHeight) / kLaneHeight;
  return lane < static_cast<int>(m_lanes.lanes.size()) ? lane : -1;
}

std::optional<FunctionLanesView::MarkerHit> FunctionLanesView::markerAt(QPoint position) const {
  const int lane = laneAt(position);
  if (lane < 0) return std::nullopt;
  const auto& changes = m_lanes.lanes[static_cast<size_t>(lane)].changes;
  std::optional<MarkerHit> nearest;
  int nearestDistance = kHitHalfWidth + 1;
  for (int c = 0; c < static_cast<int>(changes.size()); ++c) {
    const int distance = std::abs(markerPosition(lane, c).x() - position.x());
    if (distance < nearestDistance) {
      nearest = MarkerHit{lane, c};
      nearestDistance = distance;
    }
  }
  return nearest;
}

std::optional<LaneInterval> FunctionLanesView::intervalAt(QPoint position) const {
  const int lane = laneAt(position);
  if (lane < 0) return std::nullopt;
  for (const LaneInterval& interval : m_lanes.lanes[static_cast<size_t>(lane)].intervals)
    if (position.x() >= xOf(interval.from) && position.x() < xOf(interval.to)) return interval;
  return std::nullopt;
}

bool FunctionLanesView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  QString tip;
  const int lane = laneAt(help->pos());
  if (lane >= 0 && help->pos().x() < kNameWidth) {
    tip = QString::fromStdString(m_lanes.lanes[static_cast<size_t>(lane)].name);
  } else if (const auto hit = markerAt(help->pos()); hit && m_tips.marker) {
    const FunctionLane& hitLane = m_lanes.lanes[static_cast<size_t>(hit->lane)];
    tip = m_tips.marker(hitLane, hitLane.changes[static_cast<size_t>(hit->change)]);
  } else if (const auto interval = intervalAt(help->pos()); interval && m_tips.state) {
    tip = m_tips.state(interval->state);
  }
  if (tip.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(help->globalPos(), tip, this);
  return true;
}

void FunctionLanesView::mousePressEvent(QMouseEvent* event) {
  if (const auto hit = markerAt(event->position().toPoint())) {
    const LaneChange& change = m_lanes.lanes[static_cast<size_t>(hit->lane)].changes[static_cast<size_t>(hit->change)];
    emit lineClicked(change.line, change.moment);
  }
}

void FunctionLanesView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (const auto hit = markerAt(event->position().toPoint())) {
    const LaneChange& change = m_lanes.lanes[static_cast<size_t>(hit->lane)].changes[static_cast<size_t>(hit->change)];
    emit lineDoubleClicked(change.line, change.moment);
  }
}

void FunctionLanesView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kBackground);
  paintHeader(painter);
  if (m_lanes.lanes.empty()) {
    painter.setPen(kText);
    painter.drawText(QRect(0, kHeaderHeight, kWidth, kLaneHeight), Qt::AlignCenter, m_tips.noLanes);
    return;
  }
  for (int lane = 0; lane < static_cast<int>(m_lanes.lanes.size()); ++lane) paintLane(painter, lane);
}

void FunctionLanesView::paintHeader(QPainter& painter) const {
  const QLocale locale;
  const QDate monday = toQDate(m_lanes.weekStart);
  painter.setPen(kText);
  for (int day = 0; day < kDays; ++day) {
    const QDate date = monday.addDays(day);
    const QRect cell(kNameWidth + day * kDayWidth, 0, kDayWidth, kHeaderHeight);
    painter.drawText(cell, Qt::AlignCenter,
                     locale.dayName(date.dayOfWeek(), QLocale::ShortFormat) + " " + QString::number(date.day()));
  }
  painter.setPen(kGrid);
  for (int day = 0; day <= kDays; ++day) {
    const int x = kNameWidth + day * kDayWidth;
    painter.drawLine(x, 0, x, height());
  }
}

void FunctionLanesView::paintLane(QPainter& painter, int index) const {
  const FunctionLane& lane = m_lanes.lanes[static_cast<size_t>(index)];
  const int top = laneTop(index);
  if (index % 2) painter.fillRect(0, top, kWidth, kLaneHeight, kOddLane);
  painter.setPen(kText);
  const QRect nameCell(4, top, kNameWidth - 8, kLaneHeight);
  painter.drawText(nameCell, Qt::AlignVCenter | Qt::AlignLeft,
                   painter.fontMetrics().elidedText(QString::fromStdString(lane.name), Qt::ElideRight, nameCell.width()));
  if (lane.kind == LaneKind::Ticks)
    paintTicks(painter, lane, top);
  else
    paintStates(painter, lane, top);
  paintMarkers(painter, lane, top);
}

// Relays fill the band where on; dimmers fill it up to their per cent, so the
// top edge is the step curve. Uncoupled is hatched, unknown dotted.
void FunctionLanesView::paintStates(QPainter& painter, const FunctionLane& lane, int top) const {
  const int bandHeight = kBandBottom - kBandTop;
  for (const LaneInterval& interval : lane.intervals) {
    const int left = xOf(interval.from);
    const int width = std::max(1, xOf(interval.to) - left);
    const QRect band(left, top + kBandTop, width, bandHeight);
    switch (interval.state.kind) {
      case LaneStateKind::On: painter.fillRect(band, kOn); break;
      case LaneStateKind::Dimmed: {
        const int filled = bandHeight * interval.state.percent / 100;
        painter.fillRect(QRect(left, top + kBandBottom - filled, width, filled), kDimmed);
        break;
      }
      case LaneStateKind::Uncoupled: painter.fillRect(band, QBrush(kUncoupled, Qt::BDiagPattern)); break;
      case LaneStateKind::Unknown: painter.fillRect(band, QBrush(kUnknown, Qt::Dense6Pattern)); break;
      case LaneStateKind::Off: break;
    }
  }
  painter.setPen(kGrid);
  painter.drawLine(kNameWidth, top + kBandBottom, kNameWidth + kDays * kDayWidth, top + kBandBottom);
}

void FunctionLanesView::paintTicks(QPainter& painter, const FunctionLane& lane, int top) const {
  painter.setPen(QPen(kText, 2));
  for (const LaneChange& change : lane.changes) {
    const int x = xOf(change.moment);
    painter.drawLine(x, top + kBandTop, x, top + kBandBottom);
  }
}

// A downward triangle whose tip is the moment; the selected line's markers
// stand higher and bolder, a conflict gets a red ring.
void FunctionLanesView::paintMarkers(QPainter& painter, const FunctionLane& lane, int top) const {
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (const LaneChange& change : lane.changes) {
    const int x = xOf(change.moment);
    const int tip = top + kMarkerTip;
    const bool selected = change.line == m_selectedLine;
    const int half = selected ? kMarkerHalfWidth + 1 : kMarkerHalfWidth;
    const QPolygon triangle({QPoint(x - half, tip - kMarkerHeight), QPoint(x + half, tip - kMarkerHeight), QPoint(x, tip)});
    painter.setPen(QPen(kMarkerEdge, selected ? 2 : 1));
    painter.setBrush(TableQColour(change.table));
    painter.drawPolygon(triangle);
    if (change.conflict) {
      painter.setPen(QPen(kConflict, 2));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(QPoint(x, tip - kMarkerHeight / 2), half + 3, half + 3);
    }
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
}

}  // namespace ordalis
