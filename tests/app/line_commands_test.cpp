// New and delete of single lines, and the texts the main window keeps current.
#include "app/line_commands.h"

#include <gtest/gtest.h>

#include <cstring>

#include "week/catalogue_texts.h"
#include "support/line_builder.h"
#include "support/scripted_prompts.h"
#include "tools/fixtures/demo_installation.h"

namespace ordalis {
namespace {

using test::ScriptedPrompts;

// Wednesday 3 June 2026, 14:37; the Monday of that week is 1 June.
const LocalTime kNow = makeLocalTime(2026, 6, 3, 14, 37);

class LineCommands : public ::testing::Test {
 protected:
  LineCommands() { ApplyCentralModel(state.installation, state.texts, kVordane); }

  ProgramState state;
  FixedClock clock{kNow};
  ScriptedPrompts prompts;
};

// The first free line, dated on the Monday of the week (a Sunday belongs to
// the week before), at the hour of the clock, daily, with the defaults.
TEST_F(LineCommands, ANewLineTakesTheFirstFreeLineWithTheDefaults) {
  state.clock.ClockTable[0].FunctionHigh = 1;
  ASSERT_EQ(StartNewClockLine(state, clock, prompts, kWorkdayTable), 1);
  EXPECT_EQ(lineBytes(state.clock.ClockTable[1]),
            lineBytes(test::MakeLine({2026, 6, 1, 14, 0, kWorkdayTable, kRepeatDays, 1, 1, 1, 255})));
  EXPECT_EQ(state.clock.SelectedClockLine, 2);
  EXPECT_TRUE(prompts.shown.empty());
  clock.set(makeLocalTime(2026, 1, 4, 23, 59));
  ASSERT_EQ(StartNewClockLine(state, clock, prompts, kSpecialTable), 2);
  EXPECT_EQ(lineBytes(state.clock.ClockTable[2]),
            lineBytes(test::MakeLine({2025, 12, 29, 23, 0, kSpecialTable, kRepeatDays, 1, 1, 1, 255})));
}

TEST_F(LineCommands, AFullTableSaysNoMoreMemoryAndChangesNothing) {
  ApplyCentralModel(state.installation, state.texts, kPelvan);
  const int capacity = state.installation.Capacities.MaxClockLines;
  ASSERT_GT(capacity, 0);
  for (int i = 0; i < capacity; ++i) state.clock.ClockTable[static_cast<size_t>(i)].FunctionHigh = 3;
  const ClockLineArray before = state.clock.ClockTable;
  EXPECT_EQ(StartNewClockLine(state, clock, prompts, kWorkdayTable), std::nullopt);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, "No more memory!");
  EXPECT_EQ(std::memcmp(&before, &state.clock.ClockTable, sizeof before), 0);
  EXPECT_EQ(state.clock.SelectedClockLine, 0);
}

TEST_F(LineCommands, WithoutAnInstallationTheUserIsToldToReadOneFirst) {
  state.installation.Capacities.MaxClockLines = 0;
  EXPECT_EQ(StartNewClockLine(state, clock, prompts, kWorkdayTable), std::nullopt);
  EXPECT_EQ(prompts.texts(), std::vector<std::string>{"Geen VANTREL '.NBT' bestand ingeladen, u dient dit eerst te doen!"});
}

TEST_F(LineCommands, TheEditorsCancelFreesTheNewLineAndItsOkKeepsItBothAChange) {
  for (bool accepted : {false, true}) {
    state.clock.ClocksChanged = false;
    const int line = *StartNewClockLine(state, clock, prompts, kWorkdayTable);
    EXPECT_EQ(FinishNewClockLine(state, line, accepted), accepted);
    EXPECT_EQ(state.clock.ClockTable[static_cast<size_t>(line)].inUse(), accepted);
    EXPECT_EQ(state.clock.SelectedClockLine, accepted ? line + 1 : 0);
    EXPECT_TRUE(state.clock.ClocksChanged);
  }
}

CatalogueTexts FixedCatalogue() {
  CatalogueTexts texts;
  texts.functionName = [](uint8_t type, uint8_t number) { return "Lamp " + std::to_string(type) + "/" + std::to_string(number); };
  texts.levelText = [](uint8_t level, uint8_t) { return level ? std::string("On") : std::string("Off"); };
  return texts;
}

// Nothing selected: only says so. Else asks with the function and level; No
// keeps the line, Yes frees it.
TEST_F(LineCommands, DeletingAsksWithTheFunctionAndLevelNoKeepsTheLineAndYesFreesIt) {
  state.clock.ClockTable[4] = ClockLine{.FunctionHigh = 1, .FunctionLow = 7, .Level = 0};
  EXPECT_FALSE(DeleteSelectedLine(state, prompts, FixedCatalogue()));
  EXPECT_EQ(prompts.texts(), std::vector<std::string>{state.texts.LoadText(905)});
  prompts.shown.clear();
  state.clock.SelectedClockLine = 5;
  prompts.answers = {Answer::No};
  EXPECT_FALSE(DeleteSelectedLine(state, prompts, FixedCatalogue()));
  ASSERT_EQ(prompts.shown.size(), 1u);
  const Message& question = prompts.shown[0];
  EXPECT_EQ(question.text, "Mag Lamp 1/7 Off verwijderd worden?");
  EXPECT_EQ(question.buttons, MessageButtons::YesNo);
  EXPECT_EQ(question.defaultButton, Answer::No);
  EXPECT_TRUE(state.clock.ClockTable[4].inUse());
  EXPECT_FALSE(state.clock.ClocksChanged);
  prompts.answers = {Answer::Yes};
  EXPECT_TRUE(DeleteSelectedLine(state, prompts, FixedCatalogue()));
  EXPECT_FALSE(state.clock.ClockTable[4].inUse());
  EXPECT_TRUE(state.clock.ClocksChanged);
}

}  // namespace
}  // namespace ordalis
