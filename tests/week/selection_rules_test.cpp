// Only a drawn line stays selected, the line chosen in the editor or the
// Functions view is the one selected, a click that does not drag leaves its
// line where it was, and a keyboard step never leaves the week.
#include <gtest/gtest.h>

#include "app/program_state.h"
#include "support/line_builder.h"
#include "week/week_geometry.h"
#include "week/week_view_model.h"

namespace ordalis {
namespace {

using test::At;
using test::MakeLine;

class SelectionRules : public ::testing::Test {
 protected:
  // Wednesday 12 March 2025, in the week of Monday 10 March.
  FixedClock clock{At(2025, 3, 12, 10)};
  ProgramState state;
  WeekViewModel model{state, clock};

  SelectionRules() {
    state.clock.ClockTable[2] = MakeLine({.year = 2025, .month = 3, .day = 11, .hour = 7, .minute = 7});
    state.clock.ClockTable[5] = MakeLine({.year = 2025, .month = 3, .day = 11, .hour = 7, .minute = 7});
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
