// The week view model: week start, placement of the clock-line controls, the
// hit test, dragging and the selection panel.
#include "week/week_view_model.h"

#include <algorithm>
#include <cmath>

#include "clock/clock_table.h"
#include "clock/line_moment.h"
#include "week/catalogue_texts.h"
#include "week/check_dates.h"
#include "week/week_geometry.h"

namespace ordalis {

using namespace std::chrono;

namespace {

struct TimeOfDay {
  int hour, minute;
};

TimeOfDay TimeOf(LocalTime moment) {
  const auto sinceMidnight = duration_cast<minutes>(moment - floor<days>(moment));
  return {static_cast<int>(sinceMidnight.count() / 60), static_cast<int>(sinceMidnight.count() % 60)};
}

Spot SpotOf(LocalTime moment) {
  const TimeOfDay time = TimeOf(moment);
  return {WeekdayIndex(floor<days>(moment)), week::TimeX(time.hour, time.minute)};
}

bool Hits(const Spot& spot, double x, double y) {
  return std::abs(y - week::ReferenceY(spot.row)) <= week::kHitHalfHeight &&
         std::abs(x - spot.x) <= week::kHitHalfWidth;
}

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

WeekViewModel::WeekViewModel(ClockParts state, const Clock& clock)
    : m_state(state), m_clock(clock), m_texts(ProgramCatalogueTexts(state.texts, state.installation)) {}

bool WeekViewModel::TableVisible(int table) const {
  return table >= 0 && table < kClockTableCount && m_tableVisible[static_cast<size_t>(table)];
}

void WeekViewModel::SetTableVisible(int table, bool visible) {
  if (table >= 0 && table < kClockTableCount) m_tableVisible[static_cast<size_t>(table)] = visible;
}

bool WeekViewModel::IsDrawable(int line) const {
  if (line < 0 || line >= m_state.installation.Capacities.MaxClockLines || line >= kClockTableLines)
    return false;
  const ClockLine& clockLine = m_state.clock.ClockTable[static_cast<size_t>(line)];
  return clockLine.inUse() && TableVisible(clockLine.Table);
}

LocalTime WeekViewModel::CurrentMonday() const { return MondayOfWeek(m_clock.now()); }

void WeekViewModel::UpdateWeekStart() {
  m_state.clock.WeekStart = CurrentMonday() + days{7 * m_weekOffset};
}

void WeekViewModel::Repaint() {
  CheckDates(m_state.clock.ClockTable, m_clock.now());
  RecomputeWeek();
}

void WeekViewModel::RecomputeWeek() {
  UpdateWeekStart();
  m_controls.Reset();
  for (int line = 0; line < kClockTableLines; ++line)
    if (IsDrawable(line)) PaintAClock(line, kPaintFull);
  KeepPanelToDrawnLines();
}

void WeekViewModel::KeepPanelToDrawnLines() {
  int& selected = m_state.clock.SelectedClockLine;
  if (selected != 0 && !IsDrawable(selected - 1)) selected = 0;
  if (selected == 0) {
    m_slots.clear();
    m_selectedEntry = 0;
    return;
  }
  std::erase_if(m_slots, [this](const PanelSlot& slot) { return !IsDrawable(slot.line); });
  const auto shown = std::find_if(m_slots.begin(), m_slots.end(),
                                  [selected](const PanelSlot& slot) { return slot.line == selected - 1; });
  m_selectedEntry = shown == m_slots.end() ? 0 : static_cast<int>(shown - m_slots.begin()) + 1;
}

void WeekViewModel::PaintAClock(int line, int mode) {
  if (!IsDrawable(line)) return;
  ScheduleLine(m_state.clock.ClockTable[static_cast<size_t>(line)], m_state.clock.WeekStart,
               m_state.installation.Settings.Workdays, m_schedule);
  PlaceMainControl(line, mode);
  if (mode == kPaintFull || mode == kPaintDrag || mode == kPaintRelease) PlaceOccurrences(line, mode);
}

void WeekViewModel::PlaceMainControl(int line, int mode) {
  if (m_schedule.own) {
    const Spot spot = SpotOf(*m_schedule.own);
    m_controls.Place(line, spot.x - week::kControlTipOffset, week::ControlTop(spot.row));
  } else if (m_controls[line].visible) {
    // The line's own moment left the shown week (a drag moved it back): the
    // control must not stay behind at its old spot.
    m_controls.Hide(line);
  }
}

void WeekViewModel::PlaceOccurrences(int line, int mode) {
  // A drag or a release reuses the controls that already show this line;
  // whatever of them is left over afterwards is freed.
  std::vector<int> reuse;
  if (mode != kPaintFull) reuse = m_controls.ControlsOfLine(line);
  size_t reused = 0;
  int searchFrom = 1;
  for (LocalTime occurrence : m_schedule.occurrences) {
    int id;
    if (reused < reuse.size())
      id = reuse[reused++];
    else
      id = mode == kPaintFull ? m_controls.TakeNextFree() : m_controls.NextFreeFrom(searchFrom);
    if (id < 0) break;
    const Spot spot = SpotOf(occurrence);
    m_controls.Assign(id, line);
    m_controls.Place(id, spot.x - week::kControlTipOffset, week::ControlTop(spot.row));
  }
  for (; reused < reuse.size(); ++reused) m_controls.Hide(reuse[reused]);
}

ControlLook WeekViewModel::LookOf(int id) const {
  const ClockControl& control = m_controls[id];
  ControlLook look;
  look.line = LineOfClkIndex(control.ClkIndex);
  if (!control.visible || look.line < 0 || look.line >= kClockTableLines) return look;
  const ClockLine& line = m_state.clock.ClockTable[static_cast<size_t>(look.line)];
  look.visible = true;
  look.colour = TableColour(line.Table);
  look.picture = FunctionPictureOf(line);
  look.count = control.ClkCount;
  look.selected = m_state.clock.SelectedClockLine - 1 == look.line;
  return look;
}

int WeekViewModel::CheckCoord(double x, double y) {
  m_hits.clear();
  for (int line = 0; line < kClockTableLines && m_hits.size() < kMaxHits; ++line) {
    if (!IsDrawable(line)) continue;
    ScheduleLine(m_state.clock.ClockTable[static_cast<size_t>(line)], m_state.clock.WeekStart,
                 m_state.installation.Settings.Workdays, m_schedule);
    bool hit = m_schedule.own && Hits(SpotOf(*m_schedule.own), x, y);
    for (size_t k = 0; !hit && k < m_schedule.occurrences.size(); ++k)
      hit = Hits(SpotOf(m_schedule.occurrences[k]), x, y);
    if (hit) m_hits.push_back(line + 1);
  }
  return static_cast<int>(m_hits.size());
}

MouseDownResult WeekViewModel::MouseDown(double x, double y, MouseButton button) {
  m_pressX = x;
  m_pressY = y;
  m_dragStarted = false;
  const int count = CheckCoord(x, y);
  if (count == 0) return MouseDownResult::Nothing;
  SetSelected(count, 1);
  FocusNear(x, y);
  if (button == MouseButton::Left) m_dragLine = m_hits.front();
  return button == MouseButton::Right ? MouseDownResult::ShowEditMenu : MouseDownResult::Selected;
}

bool WeekViewModel::MouseMove(double x, double y, bool leftButtonHeld) {
  if (!leftButtonHeld || m_dragLine == 0) return false;
  // A click's jitter is no drag: the line stays put until the mouse has gone
  // the drag distance from where it was pressed.
  if (!m_dragStarted && std::abs(x - m_pressX) + std::abs(y - m_pressY) < m_dragDistance) return false;
  m_dragStarted = true;
  if (x < week::kDragMinX || x >= week::kDragMaxX || y < week::kDragMinY || y >= week::kDragMaxY)
    return false;
  const int quarter = std::clamp(RoundHalfEven((x - week::kAxisLeft) / week::kPixelsPerQuarter), 0,
                                 week::kLastQuarter);
  const int row = RoundHalfEven((y - week::kReferenceLineInRow) / week::kRowHeight);
  MoveLineTo(m_dragLine - 1, row, quarter);
  m_state.clock.ClocksChanged = true;
  PaintAClock(m_dragLine - 1, kPaintDrag);
  return true;
}

void WeekViewModel::MouseUp(double x, double y) {
  if (m_dragLine != 0 && m_dragStarted) PaintAClock(m_dragLine - 1, kPaintRelease);
  m_dragStarted = false;
  const int count = CheckCoord(x, y);
  if (count > 0) {
    SetSelected(count, 1);
    FocusNear(x, y);
  }
  m_dragLine = 0;
}

void WeekViewModel::MoveLineTo(int line, int row, int quarter) {
  if (line < 0 || line >= kClockTableLines) return;
  ClockLine& clockLine = m_state.clock.ClockTable[static_cast<size_t>(line)];
  quarter = std::clamp(quarter, 0, week::kLastQuarter);
  if (quarter == week::kLastQuarter) {
    clockLine.Hour = 23;
    clockLine.Minute = 59;
  } else {
    clockLine.Hour = static_cast<uint8_t>(quarter / 4);
    clockLine.Minute = static_cast<uint8_t>(15 * (quarter % 4));
  }
  if (clockLine.Table == kWorkdayTable || clockLine.Table == kWeekendTable) return;
  SetLineDate(clockLine, floor<days>(m_state.clock.WeekStart) + days{std::clamp(row, 0, 6)});
  MoveBackToWeek(clockLine, CurrentMonday());
}

void WeekViewModel::RepaintSelected(int line) {
  // Redraws the line where it stands, reusing its controls, so that its
  // selection marker appears or goes.
  if (line >= 0) PaintAClock(line, kPaintRelease);
}

void WeekViewModel::SetSelected(int count, int entry) {
  count = std::min<int>(count, static_cast<int>(m_hits.size()));
  const int oldLine = m_state.clock.SelectedClockLine - 1;
  const int newLine = count >= 1 && entry >= 1 && entry <= count ? m_hits[entry - 1] - 1 : -1;
  m_state.clock.SelectedClockLine = newLine + 1;
  if (oldLine >= 0 && oldLine != newLine) RepaintSelected(oldLine);
  RepaintSelected(newLine);
  m_slots.clear();
  for (int t = 0; t < count; ++t)
    m_slots.push_back(MakePanelSlot(m_state.clock.ClockTable, m_hits[t] - 1, m_texts));
  m_selectedEntry = newLine >= 0 ? entry : 0;
  if (newLine < 0) m_focus.reset();
}

void WeekViewModel::SelectEntry(int entry) {
  if (entry < 1 || entry > static_cast<int>(m_slots.size())) return;
  const int oldLine = m_state.clock.SelectedClockLine - 1;
  const int newLine = m_slots[entry - 1].line;
  m_state.clock.SelectedClockLine = newLine + 1;
  m_selectedEntry = entry;
  if (m_focus) m_focus->line = newLine;
  if (oldLine != newLine) RepaintSelected(oldLine);
  RepaintSelected(newLine);
}

Spot WeekViewModel::SpotOfLine(int line) const {
  return SpotOf(LineMoment(m_state.clock.ClockTable[static_cast<size_t>(line)]));
}

int WeekViewModel::WeekOffsetOfLine(int line) const {
  const LocalTime lineMonday = MondayOfWeek(LineMoment(m_state.clock.ClockTable[static_cast<size_t>(line)]));
  const auto weeks = duration_cast<days>(lineMonday - CurrentMonday()).count() / 7;
  return weeks > 0 ? static_cast<int>(weeks) : 0;
}

void WeekViewModel::JumpToLine(int line) {
  if (line < 0 || line >= kClockTableLines) return;
  const Spot spot = SpotOfLine(line);
  m_weekOffset = WeekOffsetOfLine(line);
  Repaint();
  CheckCoord(spot.x, week::ReferenceY(spot.row));
  if (!IsDrawable(line)) {
    SetSelected(0, 0);
    return;
  }
  // The line itself is selected, not whichever line comes first at its spot.
  auto found = std::find(m_hits.begin(), m_hits.end(), line + 1);
  if (found == m_hits.end()) {
    if (m_hits.size() == kMaxHits) m_hits.pop_back();
    found = m_hits.insert(m_hits.end(), line + 1);
  }
  SetSelected(static_cast<int>(m_hits.size()), static_cast<int>(found - m_hits.begin()) + 1);
  FocusNear(spot.x, week::ReferenceY(spot.row));
}

std::vector<LineSpot> WeekViewModel::SpotsOfWeek() {
  std::vector<LineSpot> spots;
  for (int line = 0; line < kClockTableLines; ++line) {
    if (!IsDrawable(line)) continue;
    ScheduleLine(m_state.clock.ClockTable[static_cast<size_t>(line)], m_state.clock.WeekStart,
                 m_state.installation.Settings.Workdays, m_schedule);
    auto add = [&](LocalTime moment) {
      const Spot spot = SpotOf(moment);
      spots.push_back({spot.row, spot.x, line});
    };
    if (m_schedule.own) add(*m_schedule.own);
    for (LocalTime occurrence : m_schedule.occurrences) add(occurrence);
  }
  std::sort(spots.begin(), spots.end());
  spots.erase(std::unique(spots.begin(), spots.end()), spots.end());
  return spots;
}

void WeekViewModel::FocusNear(double x, double y) {
  m_focus.reset();
  const int selected = m_state.clock.SelectedClockLine - 1;
  for (const LineSpot& spot : SpotsOfWeek())
    if (spot.line == selected && Hits({spot.row, spot.x}, x, y)) {
      m_focus = spot;
      return;
    }
}

bool WeekViewModel::Walk(WalkStep step) {
  const std::vector<LineSpot> spots = SpotsOfWeek();
  // A focus left behind by a change of week or of the lines starts afresh.
  if (m_focus && !std::binary_search(spots.begin(), spots.end(), *m_focus)) m_focus.reset();
  const std::optional<LineSpot> target = WalkFrom(spots, m_focus, step);
  if (!target) return false;
  const int count = CheckCoord(target->x, week::ReferenceY(target->row));
  const auto hit = std::find(m_hits.begin(), m_hits.end(), target->line + 1);
  SetSelected(count, static_cast<int>(hit - m_hits.begin()) + 1);
  m_focus = target;
  return true;
}

// From another view of the same week (the Functions view): the week view
// then lists what stands on that line's spot, with the line itself selected.
void WeekViewModel::SelectLineAt(int line, LocalTime moment) {
  if (line < 0 || line >= kClockTableLines) return;
  const LocalTime start = m_state.clock.WeekStart;
  int entry = 0;
  if (moment >= start && moment < start + days{7}) {
    const Spot spot = SpotOf(moment);
    CheckCoord(spot.x, week::ReferenceY(spot.row));
    const auto found = std::find(m_hits.begin(), m_hits.end(), line + 1);
    if (found != m_hits.end()) entry = static_cast<int>(found - m_hits.begin()) + 1;
  }
  if (entry == 0) {
    m_hits.assign(1, line + 1);
    entry = 1;
  }
  SetSelected(static_cast<int>(m_hits.size()), entry);
}

std::optional<Spot> WeekViewModel::NowSpot() const {
  const LocalTime now = m_clock.now();
  const LocalTime start = m_state.clock.WeekStart;
  if (now < start || now >= start + days{7}) return std::nullopt;
  return SpotOf(now);
}

std::string WeekViewModel::MarkerToolTip(int line) const {
  const PanelSlot slot = MakePanelSlot(m_state.clock.ClockTable, line, m_texts);
  const int table = m_state.clock.ClockTable[static_cast<size_t>(line)].Table;
  std::string tip = slot.functionText + "\n";
  if (table >= 0 && table < kClockTableCount) tip += m_state.texts.LoadText(kTableLongTextIds[static_cast<size_t>(table)]) + "\n";
  return tip + slot.momentText;
}

}  // namespace ordalis
