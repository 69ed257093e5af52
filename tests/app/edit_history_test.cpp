// The undo history over random edits of the table, and copies of lines:
// paste, duplicate, Ctrl+drag and the clipboard format.
#include <gtest/gtest.h>

#include <random>

#include "app/line_commands.h"
#include "app/line_copies.h"
#include "clock/clock_history.h"
#include "support/line_builder.h"
#include "support/scripted_prompts.h"
#include "week/week_view_model.h"

namespace ordalis {
namespace {

using test::At;
using test::LineSpec;
using test::MakeLine;

// Wednesday 3 June 2026; the shown week starts on Monday 1 June.
const LocalTime kNow = At(2026, 6, 3, 14, 37);

class EditHistory : public ::testing::Test {
 protected:
  EditHistory() {
    state.texts.FillTextTables();
    ApplyCentralModel(state.installation, state.texts, kVordane);
    state.clock.WeekStart = At(2026, 6, 1);
    for (size_t i = 0; i < 20; ++i)
      state.clock.ClockTable[i * 3] =
          MakeLine({2026, 5, 1 + static_cast<int>(i), 8, 15, static_cast<uint8_t>(i % kClockTableCount),
                    static_cast<uint8_t>(i % kRepeatUnitCount), 2, 1, static_cast<uint8_t>(i), 255});
  }
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
  int AnyLineInUse() {
    for (int tries = 0; tries < 1000; ++tries)
      if (const int line = Pick(kClockTableLines); state.clock.ClockTable[static_cast<size_t>(line)].inUse())
        return line;
    return 0;
  }
  ClockLine& Select(int line) {
    state.clock.SelectedClockLine = line + 1;
    return state.clock.ClockTable[static_cast<size_t>(line)];
  }

  // One change as the main window makes it, recorded as one step.
  bool RandomStep() {
    const ClockLineArray before = state.clock.ClockTable;
    const int line = AnyLineInUse();
    prompts.answers = {Pick(2) ? Answer::Yes : Answer::No};
    switch (Pick(6)) {
      case 0:
        if (const auto added = StartNewClockLine(state, clock, prompts, Pick(kClockTableCount)))
          if (!FinishNewClockLine(state, *added, Pick(4) != 0)) state.clock.ClockTable = before;
        break;
      case 1: Select(line).Level = static_cast<uint8_t>(Pick(256)); break;
      case 2: Select(line); DeleteSelectedLine(state, prompts, {}); break;
      case 3:
        view.MoveLineTo(line, Pick(7), Pick(97));
        if (Pick(2)) KeepDraggedOriginal(state, prompts, line, before[static_cast<size_t>(line)]);
        break;
      case 4: PasteLine(state, prompts, {before[static_cast<size_t>(line)], static_cast<uint8_t>(Pick(2))}); break;
      case 5: Select(line); DuplicateSelectedLine(state, prompts); break;
    }
    return history.Record("step", before, state.clock);
  }

  ProgramState state;
  FixedClock clock{kNow};
  test::ScriptedPrompts prompts;
  WeekViewModel view{state, clock};
  ClockHistory history;
  std::mt19937 random{20261206};
};

TEST_F(EditHistory, UndoingEveryRandomStepGivesTheOpenedTableAndRedoingThemTheLast) {
  std::vector<ClockLineArray> tables{state.clock.ClockTable};
  for (int command = 0; command < 400; ++command)
    if (RandomStep()) tables.push_back(state.clock.ClockTable);
  ASSERT_GT(tables.size(), 200u);
  for (size_t done = tables.size() - 1; done > 0; --done) {
    ASSERT_TRUE(history.CanUndo());
    history.Undo(state.clock);
    ASSERT_TRUE(state.clock.ClockTable == tables[done - 1]) << "after undoing step " << done;
    ASSERT_EQ(state.clock.ClocksChanged, done - 1 != 0);
  }
  EXPECT_FALSE(history.CanUndo());
  while (history.CanRedo()) history.Redo(state.clock);
  EXPECT_TRUE(state.clock.ClockTable == tables.back());
  EXPECT_TRUE(state.clock.ClocksChanged);
}

TEST_F(EditHistory, TheSavedStateIsLostWhenANewStepReplacesIt) {
  for (int step = 0; step < 3;) step += RandomStep();
  history.MarkSaved();
  history.Undo(state.clock);
  EXPECT_TRUE(state.clock.ClocksChanged);
  history.Redo(state.clock);
  ASSERT_FALSE(state.clock.ClocksChanged);
  // A new step after undoing past the saved table: that table is gone for good.
  history.Undo(state.clock);
  while (!RandomStep()) {}
  history.Undo(state.clock);
  EXPECT_TRUE(state.clock.ClocksChanged);
}

// The selection goes with the line an undo takes away; a new file's history has no redo.
TEST_F(EditHistory, UndoingALineAwayDeselectsItAndResetForgetsEveryStep) {
  const ClockLineArray before = state.clock.ClockTable;
  Select(1) = MakeLine({2026, 6, 2, 9, 0});
  ASSERT_TRUE(history.Record("add", before, state.clock));
  history.Undo(state.clock);
  EXPECT_EQ(state.clock.SelectedClockLine, 0);
  history.Reset();
  EXPECT_FALSE(history.CanRedo());
}

TEST_F(EditHistory, APasteTakesAFreeLineOnTheSameWeekdayOfTheShownWeekAndSelectsIt) {
  // Friday 8 May 2026 at 21:45, every 3 weeks, becomes Friday 5 June.
  const ClockLine copied = MakeLine({2026, 5, 8, 21, 45, kSpecialTable, kRepeatWeeks, 3, 4, 7, 128});
  ASSERT_EQ(PasteLine(state, prompts, {copied, kVordane}), 1);
  ClockLine expected = copied;
  expected.Day = 5;
  expected.Month = 6;
  EXPECT_EQ(lineBytes(state.clock.ClockTable[1]), lineBytes(expected));
  EXPECT_EQ(state.clock.SelectedClockLine, 2);
  // Duplicate copies the selected line the same way.
  ASSERT_EQ(DuplicateSelectedLine(state, prompts), 2);
  EXPECT_EQ(lineBytes(state.clock.ClockTable[2]), lineBytes(expected));
  // A line from another model is pasted only when the user says so.
  prompts.answers = {Answer::No, Answer::Yes};
  EXPECT_EQ(PasteLine(state, prompts, {copied, kPelvan}), std::nullopt);
  EXPECT_FALSE(state.clock.ClockTable[4].inUse());
  EXPECT_EQ(PasteLine(state, prompts, {copied, kPelvan}), 4);
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[0].defaultButton, Answer::No);
  EXPECT_NE(prompts.shown[0].text.find("(" + state.texts.CentralModelNames[kPelvan] + ")"), std::string::npos);
}

TEST_F(EditHistory, AFullTableRefusesEveryCopyAndChangesNothing) {
  for (ClockLine& line : state.clock.ClockTable) line = MakeLine({2026, 6, 2, 9, 0});
  const ClockLineArray full = state.clock.ClockTable;
  Select(4);
  ClockLine& dragged = state.clock.ClockTable[0];
  dragged.Hour = 11;  // dragged with Ctrl, but there is no room for the original
  EXPECT_EQ(PasteLine(state, prompts, {full[0], kVordane}), std::nullopt);
  EXPECT_EQ(DuplicateSelectedLine(state, prompts), std::nullopt);
  EXPECT_EQ(KeepDraggedOriginal(state, prompts, 0, full[0]), std::nullopt);
  EXPECT_TRUE(state.clock.ClockTable == full);
  EXPECT_EQ(prompts.texts(), std::vector<std::string>(3, kNoMoreMemoryMessage));
}

TEST(CopiedLineFormat, TheClipboardBytesRoundTripAndDamagedOnesAreRefused) {
  const CopiedLine copied{MakeLine({2026, 6, 2, 23, 59, kSimulationTable, kRepeatWeekendDays, 1, 9, 2, 0}), kDramel};
  const std::vector<uint8_t> bytes = EncodeCopiedLine(copied);
  const std::optional<CopiedLine> back = DecodeCopiedLine(bytes);
  ASSERT_TRUE(back && bytes.size() == 14u);
  EXPECT_EQ(lineBytes(back->line), lineBytes(copied.line));
  EXPECT_EQ(back->centralModel, kDramel);
  // byte index, damaging value: minute, hour, day, month, table, unit, function, model
  const std::pair<size_t, uint8_t> damages[] = {{0, 60}, {1, 24}, {2, 0}, {3, 13}, {5, 5}, {6, 8}, {8, 0}, {13, 5}};
  for (const auto& [index, value] : damages) {
    std::vector<uint8_t> damaged = bytes;
    damaged[index] = value;
    EXPECT_FALSE(DecodeCopiedLine(damaged)) << "byte " << index;
  }
}

}  // namespace
}  // namespace ordalis
