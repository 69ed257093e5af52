// The week view as a model: which week is shown, where every clock-line
// control stands and what it shows, what a click hits, how a drag moves a
// line, and what the selection panel lists. It holds no widgets.
//
// How the main window uses it:
// - It makes one WeekViewModel over the program state and the clock, and keeps 300 KlokControl widgets, one per control
//   id (ids 0-99 the main controls, 100-299 pool controls 1-200).
// - On start-up, after every command that changes lines, on a table toggle
//   (SetTableVisible) and when ScrWeeks moves (SetWeekOffset), it calls
//   Repaint(), then repaints the day names from WeekStart().
// - After any call it asks TakeChangedControls() and, for each id, moves,
//   shows or hides that widget as Control(id) says and repaints it with
//   LookOf(id): colour, picture, count, selection marker.
// - It forwards mouse down, move, up (in clock-area pixels) and double-clicks.
//   MouseDown tells it to open the Edit menu as a context menu. After the
//   editor closes it calls JumpToLine(line) and sets ClocksChanged.
// - The selection panel shows PanelSlots() as tabs, SelectedEntry() as the
//   selected tab; a tab click calls SelectEntry(tab).
// - The arrow keys call Walk(step); the place that has the keyboard focus is
//   FocusSpot(), and NowSpot() is the present moment when it is in the week.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/clock_source.h"
#include "week/clock_parts.h"
#include "clock/schedule.h"
#include "week/clock_controls.h"
#include "week/keyboard_walk.h"
#include "week/klok_control_rules.h"
#include "week/selection_panel.h"

namespace ordalis {

// PaintAClock's modes: a full repaint, a step of a drag, the mouse released.
// Any other mode places the main control only.
enum PaintMode : int { kPaintFull = 0, kPaintDrag = 1, kPaintRelease = 2, kPaintMainOnly = 3 };

enum class MouseButton { Left, Right, Other };
enum class MouseDownResult { Nothing, Selected, ShowEditMenu };

// What one control paints.
struct ControlLook {
  bool visible = false;
  int line = -1;          // the line it draws, -1 for a free pool control
  Rgb colour;             // by the line's table
  int picture = 0;        // function picture 1-9
  int count = 0;          // ClkCount; printed when above 1
  bool selected = false;  // the line is the selected one: draw the second marker
};

// The spot a line's moment occupies on the clock area.
struct Spot {
  int row = 0;  // day row 0 (Monday) - 6 (Sunday)
  int x = 0;    // x of the moment on the time axis
};

constexpr int kMaxHits = 10;
// Pixels a press must move before it drags, when the platform says nothing.
constexpr int kDefaultDragDistance = 10;

class WeekViewModel {
 public:
  // The model reads and changes `state` (lines, WeekStart, SelectedClockLine,
  // ClocksChanged) and takes today from `clock`; both must outlive it.
  WeekViewModel(ClockParts state, const Clock& clock);

  // The panel takes its function names and level texts from the program's
  // catalogue; tests may give other sources.
  void SetCatalogueTexts(CatalogueTexts texts) { m_texts = std::move(texts); }

  // ---- the shown week
  int WeekOffset() const { return m_weekOffset; }
  // Weeks from the current week; takes effect on the next Repaint().
  void SetWeekOffset(int offset) { m_weekOffset = offset; }
  LocalTime WeekStart() const { return m_state.clock.WeekStart; }
  // The five table toggles (tables 0-4), all visible at start; a line of
  // another table number is never drawn.
  bool TableVisible(int table) const;
  void SetTableVisible(int table, bool visible);

  // ScrWeeks_Change: CheckDates, WeekStart from today and the week offset,
  // every control hidden or freed, then every drawable line placed (mode 0).
  // A selected line that is no longer drawn (freed, its table hidden) is no
  // longer selected; without a selection the panel is empty.
  void Repaint();
  // The same without CheckDates (the stored dates stay as they are).
  void RecomputeWeek();
  // WeekStart from today and the week offset.
  void UpdateWeekStart();
  // PaintAClock: places one line's main control and, in modes 0-2, its
  // occurrences. A line that is free, above the capacity or of a hidden table
  // is not placed.
  void PaintAClock(int line, int mode);
  // Whether a line is drawn at all: in use, below MaxClockLines, its table shown.
  bool IsDrawable(int line) const;

  // ---- what to paint
  const ClockControl& Control(int id) const { return m_controls[id]; }
  const ClockControls& Controls() const { return m_controls; }
  ControlLook LookOf(int id) const;
  // Ids of the controls that moved, appeared, vanished or changed their look
  // since the last call.
  std::vector<int> TakeChangedControls() { return m_controls.TakeChanged(); }

  // ---- hits, mouse and dragging
  // CheckCoord: fills the hit list with the lines (1 + index) at a point, at
  // most 10, in index order, and returns how many.
  int CheckCoord(double x, double y);
  const std::vector<int>& HitList() const { return m_hits; }
  MouseDownResult MouseDown(double x, double y, MouseButton button);
  // Returns whether the drag moved the line (the view then has changes).
  bool MouseMove(double x, double y, bool leftButtonHeld);
  void MouseUp(double x, double y);
  int DragLine() const { return m_dragLine; }  // 1 + index, 0 = none
  // How far (x and y distances added) the mouse must go from where it was
  // pressed before a drag moves the line; the platform's value in the program.
  void SetDragDistance(int pixels) { m_dragDistance = pixels; }
  // Moves a line to a day row of the shown week and a quarter of the day
  // (0-96, 96 = 23:59); repeating lines are then moved back as CheckDates does.
  void MoveLineTo(int line, int row, int quarter);

  // ---- selection panel
  // SetSelected: rebuilds the panel for the first `count` hits and selects
  // entry `entry` (1-based), or nothing when either is below 1.
  void SetSelected(int count, int entry);
  // A click on tab `entry` (1-based) of the panel.
  void SelectEntry(int entry);
  const std::vector<PanelSlot>& PanelSlots() const { return m_slots; }
  int SelectedEntry() const { return m_selectedEntry; }  // 0 = none

  // ---- after the editor
  // Weeks from the current week to the week of the line's moment, 0 when not positive.
  int WeekOffsetOfLine(int line) const;
  // Shows the line's week, repaints, hit-tests the line's spot and lists
  // what is found there with the line itself selected.
  void JumpToLine(int line);
  // Where the line's own moment stands on the clock area.
  Spot SpotOfLine(int line) const;
  // Selects a line where it acts at `moment` of the shown week: the lines on
  // that spot become the hit list with this line selected, or, where the
  // week view draws no marker of it there, the line alone.
  void SelectLineAt(int line, LocalTime moment);

  // ---- keyboard and orientation
  // Every place of the shown week where a drawable line stands, in time order.
  std::vector<LineSpot> SpotsOfWeek();
  // Moves the selection one step (the arrow keys); false when there is no
  // line to go to, and then nothing changes.
  bool Walk(WalkStep step);
  // The place of the selected line that the keyboard walks from.
  const std::optional<LineSpot>& FocusSpot() const { return m_focus; }
  // Where the present moment stands, when it lies in the shown week.
  std::optional<Spot> NowSpot() const;
  // What a marker of the line says when the pointer rests on it: the function
  // with its level, the table, and the moment with the repeat rule.
  std::string MarkerToolTip(int line) const;

 private:
  void PlaceMainControl(int line, int mode);
  void PlaceOccurrences(int line, int mode);
  LocalTime CurrentMonday() const;
  void RepaintSelected(int line);
  // The focus goes to the selected line's place nearest a clicked point.
  void FocusNear(double x, double y);
  void KeepPanelToDrawnLines();

  ClockParts m_state;
  const Clock& m_clock;
  CatalogueTexts m_texts;
  int m_weekOffset = 0;
  std::array<bool, kClockTableCount> m_tableVisible{true, true, true, true, true};
  ClockControls m_controls;
  LineSchedule m_schedule;  // scratch, reused for every line
  std::vector<int> m_hits;  // 1 + line index
  int m_dragLine = 0;
  double m_pressX = 0, m_pressY = 0;
  bool m_dragStarted = false;
  int m_dragDistance = kDefaultDragDistance;
  std::vector<PanelSlot> m_slots;
  int m_selectedEntry = 0;
  std::optional<LineSpot> m_focus;
};

}  // namespace ordalis
