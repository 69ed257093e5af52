// The week view model: week start, placement with the pool and counts, the
// visible tables, the hit test, dragging and the selection panel; colours
// by table and function pictures by kind and level.
#include "week/week_view_model.h"

#include "app/program_state.h"

#include <gtest/gtest.h>

#include "clock/line_moment.h"
#include "week/klok_control_rules.h"
#include "week/week_geometry.h"
#include "support/line_builder.h"

namespace ordalis {
namespace {

using test::At;
using test::LineSpec;
using test::MakeLine;

class WeekView : public ::testing::Test {
 protected:
  // Wednesday 12 March 2025; the current week starts on Monday 10 March.
  FixedClock clock{At(2025, 3, 12, 10)};
  ProgramState state;
  WeekViewModel model{state, clock};

  void Put(int index, const LineSpec& spec) { state.clock.ClockTable[index] = MakeLine(spec); }
  const ClockLine& Line(int index) const { return state.clock.ClockTable[index]; }

  std::vector<int> VisiblePoolOf(int line) const {
    std::vector<int> ids;
    for (int p = 1; p <= kPoolControls; ++p) {
      const ClockControl& control = model.Control(PoolId(p));
      if (control.visible && control.ClkIndex == OccurrenceIndex(line)) ids.push_back(PoolId(p));
    }
    return ids;
  }
  int VisiblePoolCount() const {
    int count = 0;
    for (int p = 1; p <= kPoolControls; ++p) count += model.Control(PoolId(p)).visible;
    return count;
  }
};

TEST_F(WeekView, LinesOnOneSpotShowTheirCountAndOneDraggedAwayLowersIt) {
  Put(0, {.year = 2025, .month = 3, .day = 11, .hour = 8});
  Put(1, {.year = 2025, .month = 3, .day = 11, .hour = 8});
  model.Repaint();
  EXPECT_EQ(2, model.Control(0).ClkCount);
  EXPECT_EQ(2, model.Control(1).ClkCount);
  Put(2, {.year = 2025, .month = 3, .day = 4, .hour = 8, .unit = kRepeatWeeks, .count = 1});
  model.Repaint();
  EXPECT_EQ(3, model.Control(0).ClkCount);
  ASSERT_EQ(1u, VisiblePoolOf(2).size());
  EXPECT_EQ(3, model.Control(VisiblePoolOf(2)[0]).ClkCount);
  // A control dragged away lowers the count of those left behind.
  model.MouseDown(week::TimeX(8, 0), week::ReferenceY(1), MouseButton::Left);
  model.MouseMove(week::TimeX(10, 0), week::ReferenceY(1), true);
  EXPECT_EQ(1, model.Control(0).ClkCount);
  EXPECT_EQ(2, model.Control(1).ClkCount);
}

TEST_F(WeekView, OccurrencesTakePoolControlsInOrderAcrossLines) {
  Put(0, {.year = 2025, .month = 3, .day = 9, .hour = 7, .unit = kRepeatDays, .count = 1});
  Put(1, {.year = 2025, .month = 3, .day = 9, .hour = 9, .unit = kRepeatDays, .count = 1});
  model.Repaint();
  EXPECT_EQ((std::vector<int>{PoolId(1), PoolId(2), PoolId(3), PoolId(4), PoolId(5), PoolId(6), PoolId(7)}),
            VisiblePoolOf(0));
  EXPECT_EQ(PoolId(8), VisiblePoolOf(1).front());
  EXPECT_EQ(-2, model.Control(PoolId(1)).ClkIndex);
  EXPECT_EQ(-3, model.Control(PoolId(8)).ClkIndex);
  EXPECT_EQ(-1, model.Control(PoolId(15)).ClkIndex);
  EXPECT_FALSE(model.Control(0).visible);  // own moment on the Sunday before
}

TEST_F(WeekView, PoolHandsOutOnly199ControlsAndLaterLinesGetNone) {
  // A daily repeat by 0 lands 250 times on its own moment.
  Put(0, {.year = 2025, .month = 3, .day = 10, .hour = 12, .unit = kRepeatDays, .count = 0});
  Put(1, {.year = 2025, .month = 3, .day = 9, .hour = 7, .unit = kRepeatDays, .count = 1});
  model.Repaint();
  EXPECT_EQ(199u, VisiblePoolOf(0).size());
  EXPECT_FALSE(model.Control(PoolId(200)).visible);
  EXPECT_TRUE(VisiblePoolOf(1).empty());
  EXPECT_EQ(200, model.Control(0).ClkCount);  // the main control and 199 occurrences
}

TEST_F(WeekView, HiddenTableIsNeitherDrawnNorHitAndShownAgainDrawsInItsColour) {
  Put(0, {.year = 2025, .month = 3, .day = 15, .hour = 10, .table = kWeekendTable});
  Put(1, {.year = 2025, .month = 3, .day = 15, .hour = 10, .table = kContinueTable});
  model.SetTableVisible(kWeekendTable, false);
  model.Repaint();
  EXPECT_TRUE(VisiblePoolOf(0).empty());
  EXPECT_FALSE(model.Control(0).visible);
  EXPECT_TRUE(model.Control(1).visible);
  EXPECT_EQ(1, model.Control(1).ClkCount);
  EXPECT_EQ((std::vector<int>{2}), (model.CheckCoord(week::TimeX(10, 0), week::ReferenceY(5)), model.HitList()));
  model.SetTableVisible(kWeekendTable, true);
  model.Repaint();
  EXPECT_EQ((Rgb{0, 0, 255}), model.LookOf(PoolId(1)).colour);  // weekend blue, on Saturday
}

TEST_F(WeekView, HitTestReachesFivePixelsSidewaysAndTwentyFiveUpOrDown) {
  Put(3, {.year = 2025, .month = 3, .day = 12, .hour = 6});  // Wednesday, x = 140, y = 180
  model.Repaint();
  EXPECT_EQ(1, model.CheckCoord(135, 180));
  EXPECT_EQ(1, model.CheckCoord(145, 155));
  EXPECT_EQ(1, model.CheckCoord(140, 205));
  EXPECT_EQ((std::vector<int>{4}), model.HitList());
  EXPECT_EQ(0, model.CheckCoord(134.5, 180));
  EXPECT_EQ(0, model.CheckCoord(145.5, 180));
  EXPECT_EQ(0, model.CheckCoord(140, 154.5));
  EXPECT_EQ(0, model.CheckCoord(140, 205.5));
  EXPECT_TRUE(model.HitList().empty());
  // Occurrences are hit too, and at most ten lines are listed, in index order.
  for (int i = 0; i < 12; ++i)
    Put(20 + i, {.year = 2025, .month = 3, .day = 3, .hour = 12, .unit = kRepeatWeeks, .count = 1});
  model.Repaint();
  ASSERT_EQ(10, model.CheckCoord(week::TimeX(12, 0), week::ReferenceY(0)));
  EXPECT_EQ(21, model.HitList().front());
  EXPECT_EQ(30, model.HitList().back());
}

TEST_F(WeekView, ClickSelectsTheFirstHitAndListsEveryHitInThePanel) {
  model.SetCatalogueTexts({[](uint8_t type, uint8_t number) { return "Relay " + std::to_string(number); },
                           [](uint8_t level, uint8_t type) { return level ? std::string("On") : "Off"; }});
  Put(0, {.year = 2025, .month = 3, .day = 5, .hour = 7, .minute = 30, .unit = kRepeatDays, .count = 2,
          .functionLow = 3, .level = 255});
  Put(1, {.year = 2025, .month = 3, .day = 11, .hour = 7, .minute = 30, .functionLow = 4, .level = 0});
  model.Repaint();
  EXPECT_EQ(MouseDownResult::Selected, model.MouseDown(week::TimeX(7, 30), week::ReferenceY(1), MouseButton::Left));
  EXPECT_EQ(1, state.clock.SelectedClockLine);
  ASSERT_EQ(2u, model.PanelSlots().size());
  EXPECT_EQ(1, model.SelectedEntry());
  EXPECT_EQ("Relay 3 On", model.PanelSlots()[0].functionText);
  EXPECT_EQ("05/03 07:30 Elke 2 Dag(en)", model.PanelSlots()[0].momentText);
  EXPECT_EQ(kPictureOn, model.PanelSlots()[0].picture);
  EXPECT_EQ("Relay 4 Off", model.PanelSlots()[1].functionText);
  EXPECT_EQ("11/03 07:30 Eenmalig", model.PanelSlots()[1].momentText);
  EXPECT_EQ(kPictureOff, model.PanelSlots()[1].picture);
  EXPECT_TRUE(model.LookOf(VisiblePoolOf(0).front()).selected);
  EXPECT_FALSE(model.LookOf(1).selected);
  model.SelectEntry(2);
  EXPECT_EQ(2, state.clock.SelectedClockLine);
  EXPECT_TRUE(model.LookOf(1).selected);
}

TEST_F(WeekView, ClickOnAnEmptySpotChangesNothingAndRightClickOpensTheEditMenu) {
  Put(0, {.year = 2025, .month = 3, .day = 10, .hour = 1});
  model.Repaint();
  EXPECT_EQ(MouseDownResult::ShowEditMenu, model.MouseDown(40, 40, MouseButton::Right));
  EXPECT_EQ(1, state.clock.SelectedClockLine);
  EXPECT_EQ(0, model.DragLine());
  EXPECT_EQ(MouseDownResult::Nothing, model.MouseDown(300, 300, MouseButton::Left));
  EXPECT_EQ(1, state.clock.SelectedClockLine);
  EXPECT_EQ(1u, model.PanelSlots().size());
}

TEST_F(WeekView, SelectingARepeatedLineKeepsOneControlPerOccurrence) {
  Put(0, {.year = 2025, .month = 3, .day = 9, .hour = 7, .unit = kRepeatDays, .count = 1});
  model.Repaint();
  model.MouseDown(week::TimeX(7, 0), week::ReferenceY(2), MouseButton::Left);
  model.MouseUp(week::TimeX(7, 0), week::ReferenceY(2));
  EXPECT_EQ(7u, VisiblePoolOf(0).size());
  for (int id : VisiblePoolOf(0)) EXPECT_EQ(1, model.Control(id).ClkCount);
}

TEST_F(WeekView, DraggingToTheFarRightGivesTwentyThreeFiftyNineOfThatDay) {
  Put(0, {.year = 2025, .month = 3, .day = 17, .hour = 8});
  model.SetWeekOffset(1);
  model.Repaint();
  model.MouseDown(week::TimeX(8, 0), week::ReferenceY(0), MouseButton::Left);
  EXPECT_EQ(1, model.DragLine());
  EXPECT_TRUE(model.MouseMove(539, week::ReferenceY(2), true));
  EXPECT_EQ(23, Line(0).Hour);
  EXPECT_EQ(59, Line(0).Minute);
  EXPECT_EQ(At(2025, 3, 19, 23, 59), LineMoment(Line(0)));
  EXPECT_TRUE(state.clock.ClocksChanged);
  EXPECT_EQ(week::ControlLeft(23, 59), model.Control(0).left);
  EXPECT_EQ(week::ControlTop(2), model.Control(0).top);
  model.MouseUp(539, week::ReferenceY(2));
  EXPECT_EQ(0, model.DragLine());
  EXPECT_EQ(1, state.clock.SelectedClockLine);
}

TEST_F(WeekView, DragSnapsToQuartersAndRowsWithHalvesToTheEvenNeighbour) {
  Put(0, {.year = 2025, .month = 3, .day = 10, .hour = 8});
  model.Repaint();
  model.MouseDown(week::TimeX(8, 0), week::ReferenceY(0), MouseButton::Left);
  model.MouseMove(22.5, 145, true);  // quarter 0.5 -> 0, row 1.5 -> 2
  EXPECT_EQ(At(2025, 3, 12, 0, 0), LineMoment(Line(0)));
  model.MouseMove(27.5, 75, true);   // quarter 1.5 -> 2, row 0.5 -> 0
  EXPECT_EQ(At(2025, 3, 10, 0, 30), LineMoment(Line(0)));
  EXPECT_FALSE(model.MouseMove(540, 100, true));  // outside the drag area
  EXPECT_FALSE(model.MouseMove(100, 485, true));  // and at its lower edge
  EXPECT_FALSE(model.MouseMove(100, 100, false));  // button no longer held
  EXPECT_EQ(At(2025, 3, 10, 0, 30), LineMoment(Line(0)));
}

TEST_F(WeekView, DraggedRepeatingLineMovesBackAndReusesItsControls) {
  Put(0, {.year = 2025, .month = 3, .day = 9, .hour = 7, .unit = kRepeatDays, .count = 1});
  Put(1, {.year = 2025, .month = 3, .day = 9, .hour = 20, .unit = kRepeatDays, .count = 1});
  model.Repaint();
  const std::vector<int> before = VisiblePoolOf(0);
  model.MouseDown(week::TimeX(7, 0), week::ReferenceY(4), MouseButton::Left);
  model.MouseMove(week::TimeX(9, 0), week::ReferenceY(4), true);
  // Friday 09:00 is moved back day by day to Sunday 9 March.
  EXPECT_EQ(At(2025, 3, 9, 9), LineMoment(Line(0)));
  EXPECT_EQ(before, VisiblePoolOf(0));
  EXPECT_EQ(week::ControlLeft(9, 0), model.Control(before[0]).left);
  EXPECT_EQ(7u, VisiblePoolOf(1).size());
}

TEST_F(WeekView, JumpToLineShowsItsWeekAndSelectsIt) {
  Put(2, {.year = 2025, .month = 3, .day = 27, .hour = 16});
  model.JumpToLine(2);
  EXPECT_EQ(2, model.WeekOffset());
  EXPECT_EQ(At(2025, 3, 24), model.WeekStart());
  EXPECT_EQ(3, state.clock.SelectedClockLine);
  Put(3, {.year = 2025, .month = 1, .day = 2, .hour = 16});
  EXPECT_EQ(0, model.WeekOffsetOfLine(3));
  model.JumpToLine(3);  // a past line stands nowhere in the week, yet is the one selected
  EXPECT_EQ(4, state.clock.SelectedClockLine);
}

// A repaint reports each control it changed once, also those it hid.
TEST_F(WeekView, ChangedControlsAreReportedOnceAndHiddenOnesToo) {
  Put(0, {.year = 2025, .month = 3, .day = 11, .hour = 8});
  Put(1, {.year = 2025, .month = 3, .day = 9, .hour = 7, .unit = kRepeatDays, .count = 1});
  model.Repaint();
  std::vector<int> shown = VisiblePoolOf(1);
  shown.insert(shown.begin(), 0);
  const std::vector<int> changed = model.TakeChangedControls();
  for (int id : shown) EXPECT_NE(changed.end(), std::find(changed.begin(), changed.end(), id)) << id;
  EXPECT_TRUE(model.TakeChangedControls().empty());
  state.clock.ClockTable[0] = ClockLine{};
  state.clock.ClockTable[1] = ClockLine{};
  model.Repaint();
  EXPECT_EQ(shown, model.TakeChangedControls());
}

// Two lines on one spot, Tuesday 11 March at 07:07: only a drawn line stays
// selected, the line chosen in the editor or the Functions view is the one
// selected, a click that does not drag leaves its line where it was, and a
// keyboard step never leaves the week.
class SelectionRules : public WeekView {
 protected:
  SelectionRules() {
    Put(2, {.year = 2025, .month = 3, .day = 11, .hour = 7, .minute = 7});
    Put(5, {.year = 2025, .month = 3, .day = 11, .hour = 7, .minute = 7});
    model.Repaint();
  }
};

TEST_F(SelectionRules, ALineNoLongerDrawnIsNoLongerSelectedAndThePanelEmpties) {
  model.JumpToLine(2);
  ASSERT_EQ(state.clock.SelectedClockLine, 3);
  model.SetTableVisible(kContinueTable, false);
  model.Repaint();
  EXPECT_EQ(state.clock.SelectedClockLine, 0);
  EXPECT_TRUE(model.PanelSlots().empty());
  EXPECT_EQ(model.SelectedEntry(), 0);

  model.SetTableVisible(kContinueTable, true);
  model.JumpToLine(2);
  state.clock.SelectedClockLine = 0;  // what a command that replaces the table leaves
  model.Repaint();
  EXPECT_TRUE(model.PanelSlots().empty());
}

TEST_F(SelectionRules, TheLineChosenElsewhereIsSelectedNotTheFirstOnItsSpot) {
  model.SelectLineAt(5, At(2025, 3, 11, 7, 7));  // from the Functions view
  EXPECT_EQ(state.clock.SelectedClockLine, 6);
  model.JumpToLine(5);  // after the editor
  EXPECT_EQ(state.clock.SelectedClockLine, 6);
  ASSERT_EQ(model.PanelSlots().size(), 2u);
  EXPECT_EQ(model.PanelSlots()[model.SelectedEntry() - 1].line, 5);
}

TEST_F(SelectionRules, AClickThatMovesLessThanTheDragDistanceSelectsAndChangesNothing) {
  model.SetDragDistance(4);
  const Spot spot = model.SpotOfLine(2);
  const double x = spot.x, y = week::ReferenceY(spot.row);
  model.MouseDown(x, y, MouseButton::Left);
  EXPECT_FALSE(model.MouseMove(x + 1, y + 2, true));
  model.MouseUp(x + 1, y + 2);
  EXPECT_EQ(state.clock.ClockTable[2].Minute, 7);
  EXPECT_FALSE(state.clock.ClocksChanged);
  EXPECT_EQ(state.clock.SelectedClockLine, 3);

  model.MouseDown(x, y, MouseButton::Left);
  EXPECT_TRUE(model.MouseMove(x + 4, y, true));  // the distance reached: a drag
  EXPECT_TRUE(model.MouseMove(x + 1, y, true));  // which then follows the mouse back
  model.MouseUp(x + 4, y);
  EXPECT_TRUE(state.clock.ClocksChanged);
}

TEST_F(SelectionRules, AStepThatWouldLeaveTheWeekChangesNothing) {
  ASSERT_TRUE(model.Walk(WalkStep::PreviousInTime));  // without a focus: the last place, line 5
  EXPECT_FALSE(model.Walk(WalkStep::NextInTime));
  EXPECT_EQ(state.clock.SelectedClockLine, 6);
}

}  // namespace
}  // namespace ordalis
