// New and delete of single lines, and the texts the main window keeps current.
#include "app/line_commands.h"

#include <gtest/gtest.h>

#include <cstring>

#include "week/catalogue_texts.h"
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

TEST_F(LineCommands, ANewLineTakesTheFirstFreeLineWithTheDefaults) {
  state.clock.ClockTable[0].FunctionHigh = 1;
  const std::optional<int> line = StartNewClockLine(state, clock, prompts, kWorkdayTable);
  ASSERT_EQ(line, 1);
  const ClockLine& added = state.clock.ClockTable[1];
  EXPECT_EQ(added.FunctionHigh, 1);
  EXPECT_EQ(added.FunctionLow, 1);
  EXPECT_EQ(added.Level, 255);
  EXPECT_EQ(added.Hour, 14);
  EXPECT_EQ(added.Minute, 0);
  EXPECT_EQ(added.Day, 1);
  EXPECT_EQ(added.Month, 6);
  EXPECT_EQ(added.Year, 26);
  EXPECT_EQ(added.Table, kWorkdayTable);
  EXPECT_EQ(added.RepeatUnit, kRepeatDays);
  EXPECT_EQ(added.RepeatCount, 1);
  EXPECT_EQ(state.clock.SelectedClockLine, 2);
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(LineCommands, ANewLineOnASundayIsDatedOnTheMondayBefore) {
  clock.set(makeLocalTime(2026, 1, 4, 23, 59));
  ASSERT_EQ(StartNewClockLine(state, clock, prompts, kSpecialTable), 0);
  const ClockLine& added = state.clock.ClockTable[0];
  EXPECT_EQ(added.Day, 29);
  EXPECT_EQ(added.Month, 12);
  EXPECT_EQ(added.Year, 25);
  EXPECT_EQ(added.Hour, 23);
  EXPECT_EQ(added.Table, kSpecialTable);
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
  EXPECT_EQ(prompts.shown[0].title, "Ordalis");
  EXPECT_EQ(prompts.shown[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(prompts.shown[0].icon, MessageIcon::None);
  EXPECT_EQ(std::memcmp(&before, &state.clock.ClockTable, sizeof before), 0);
  EXPECT_EQ(state.clock.SelectedClockLine, 0);
}

TEST_F(LineCommands, WithoutAnInstallationTheUserIsToldToReadOneFirst) {
  state.installation.Capacities.MaxClockLines = 0;
  EXPECT_EQ(StartNewClockLine(state, clock, prompts, kWorkdayTable), std::nullopt);
  ASSERT_EQ(prompts.texts(), std::vector<std::string>{
                                 "Geen VANTREL '.NBT' bestand ingeladen, u dient dit eerst te doen!"});
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
  texts.functionName = [](uint8_t type, uint8_t number) {
    return "Lamp " + std::to_string(type) + "/" + std::to_string(number);
  };
  texts.levelText = [](uint8_t level, uint8_t) { return level ? std::string("On") : std::string("Off"); };
  return texts;
}

TEST_F(LineCommands, DeletingAsksWithTheFunctionAndLevelNoKeepsTheLineAndYesFreesIt) {
  state.clock.ClockTable[4] = ClockLine{.FunctionHigh = 1, .FunctionLow = 7, .Level = 0};
  state.clock.SelectedClockLine = 5;
  prompts.answers = {Answer::No};
  EXPECT_FALSE(DeleteSelectedLine(state, prompts, FixedCatalogue()));
  ASSERT_EQ(prompts.shown.size(), 1u);
  const Message& question = prompts.shown[0];
  EXPECT_EQ(question.text, "Mag Lamp 1/7 Off verwijderd worden?");
  EXPECT_EQ(question.title, "Ordalis");
  EXPECT_EQ(question.buttons, MessageButtons::YesNo);
  EXPECT_EQ(question.defaultButton, Answer::No);
  EXPECT_EQ(question.icon, MessageIcon::None);
  EXPECT_TRUE(state.clock.ClockTable[4].inUse());
  EXPECT_FALSE(state.clock.ClocksChanged);
  prompts.answers = {Answer::Yes};
  EXPECT_TRUE(DeleteSelectedLine(state, prompts, FixedCatalogue()));
  EXPECT_FALSE(state.clock.ClockTable[4].inUse());
  EXPECT_TRUE(state.clock.ClocksChanged);
}

TEST_F(LineCommands, DeletingWithNothingSelectedOnlySaysSo) {
  state.clock.ClockTable[0].FunctionHigh = 1;
  EXPECT_FALSE(DeleteSelectedLine(state, prompts, FixedCatalogue()));
  EXPECT_EQ(prompts.texts(), std::vector<std::string>{state.texts.LoadText(905)});
  EXPECT_TRUE(state.clock.ClockTable[0].inUse());
}

}  // namespace
}  // namespace ordalis
