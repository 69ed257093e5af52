// The clock-line editor's behaviour without widgets: loading a line,
// reacting to choices, OK and Cancel; the date window and the stored
// reference dates.
#include <gtest/gtest.h>

#include "clock/line_moment.h"
#include "clock/levels.h"
#include "editor/clk_edit_model.h"
#include "editor/clk_edit_rules.h"
#include "editor/clk_edit_fixture.h"
#include "support/scripted_prompts.h"

namespace ordalis {
namespace {

using test::At;
using test::LineSpec;
using test::MakeLine;

class ClkEditModelTest : public ::testing::Test {
 protected:
  // Loads the line at index 4 in the given mode.
  void open(const LineSpec& spec, int showSetting = kShowExistingLine) {
    program.putLine(kIndex, MakeLine(spec));
    ASSERT_TRUE(model.Load(showSetting));
  }
  void chooseFunction(int listCode, int functionCode) {
    ASSERT_GE(SelectByItemData(c().CboFnc, listCode), 0);
    ASSERT_GE(SelectByItemData(c().CboLd, functionCode), 0);
  }
  const ClkEditControls& c() const { return model.controls(); }
  ClkEditControls& c() { return model.controls(); }
  const ClockLine& stored() const { return program.lineAt(kIndex); }
  std::string selectedText(const ItemList& list) const {
    return list.ListIndex < 0 ? "" : list.Entries[static_cast<size_t>(list.ListIndex)].Text;
  }

  static constexpr int kIndex = 4;
  test::ClkEditProgram program;
  test::ScriptedPrompts prompts;
  ClkEditModel model{program.state, program.clock};
};

// Next Wednesday 07:30, every two days, in the continue table: a relay on.
const LineSpec kWednesdayRelay{2026, 3, 11, 7, 30, kContinueTable, kRepeatDays, 2, 1, 1, 255};

TEST_F(ClkEditModelTest, NoSelectedLineLoadsNothing) {
  program.state.clock.SelectedClockLine = 0;
  const ClockLineArray before = program.state.clock.ClockTable;
  EXPECT_FALSE(model.Load(kShowExistingLine));
  EXPECT_TRUE(c().CboFnc.Entries.empty());
  EXPECT_EQ(0, memcmp(&before, &program.state.clock.ClockTable, sizeof before));
}

TEST_F(ClkEditModelTest, LoadingShowsTheStoredLine) {
  open(kWednesdayRelay);
  EXPECT_EQ(c().OptTabel, kContinueTable);
  EXPECT_EQ(c().CboFnc.Entries[static_cast<size_t>(c().CboFnc.ListIndex)].ItemData, 1);
  EXPECT_EQ(selectedText(c().CboLd), " 01 Hall ceiling");
  EXPECT_EQ(c().TxtLvl.Text, "On");
  EXPECT_EQ(c().TxtRepeat.Text, "2");
  EXPECT_EQ(c().CboRepeat.ListIndex, kRepeatDays);
  EXPECT_EQ(c().DatePic, At(2026, 3, 11, 7, 30));
  EXPECT_EQ(c().TimePic, At(2026, 3, 11, 7, 30));
  EXPECT_TRUE(c().LevelVisible);
  EXPECT_EQ(c().VlagPicture, kPictureOn);
  EXPECT_FALSE(model.controls().TxtPrv.empty());
}

// OK stores every choice made in the dialog, the table first among them.
TEST_F(ClkEditModelTest, OkStoresEveryChoice) {
  open(kWednesdayRelay);
  model.OptTabel_Click(kSpecialTable);
  chooseFunction(2, test::kFirstDimmer);
  model.TxtLvl_Edit("30");
  model.TxtLvl_LostFocus();
  c().CboRepeat.select(kRepeatWeeks);
  model.TxtRepeat_Change("3");
  model.TxtRepeat_LostFocus();
  model.TimePic_Change(21, 45);
  program.state.clock.ClocksChanged = false;
  EXPECT_EQ(model.CmdOK_Click(prompts), kSpecialTable);
  EXPECT_EQ(stored().Table, kSpecialTable);
  EXPECT_EQ(stored().functionCode(), test::kFirstDimmer);
  EXPECT_EQ(stored().Level, PercentLevels[30]);
  EXPECT_EQ(stored().RepeatUnit, kRepeatWeeks);
  EXPECT_EQ(stored().RepeatCount, 3);
  EXPECT_EQ(stored().Hour, 21);
  EXPECT_EQ(stored().Minute, 45);
  EXPECT_EQ(LineDate(stored()), std::chrono::floor<std::chrono::days>(c().DatePic));
  EXPECT_TRUE(program.state.clock.ClocksChanged);
  EXPECT_TRUE(prompts.shown.empty());
}

// OK without a function, or with a type but no function of it, asks for one
// and leaves the line as it was.
TEST_F(ClkEditModelTest, OkWithoutAChosenFunctionAsksForOneAndStoresNothing) {
  open({2026, 3, 9, 10, 0, kWorkdayTable, kRepeatDays, 1, 0, 0, 0}, kShowNewLine);
  EXPECT_EQ(c().CboFnc.ListIndex, -1);  // a free line loads with nothing chosen
  EXPECT_TRUE(c().CboLd.Entries.empty());
  EXPECT_FALSE(c().LevelVisible);
  EXPECT_FALSE(c().VlagVisible);
  const ClockLine before = stored();
  EXPECT_FALSE(model.CmdOK_Click(prompts));
  ASSERT_GE(SelectByItemData(c().CboFnc, 5), 0);
  EXPECT_EQ(c().CboLd.ListIndex, -1);
  EXPECT_FALSE(model.CmdOK_Click(prompts));
  EXPECT_EQ(prompts.texts(), (std::vector<std::string>{"Select an item!", "Select an item!"}));
  EXPECT_EQ(0, memcmp(&before, &stored(), sizeof before));
  EXPECT_FALSE(program.state.clock.ClocksChanged);
}

TEST_F(ClkEditModelTest, TheRepeatUnitDecidesWhatIsShownAndTheCountStaysWithinOneToAHundred) {
  open(kWednesdayRelay);
  c().CboRepeat.select(kRepeatOnce);
  EXPECT_FALSE(c().RepeatCountVisible);
  EXPECT_TRUE(c().DateVisible);
  c().CboRepeat.select(kRepeatMinutes);
  EXPECT_TRUE(c().RepeatCountVisible);
  EXPECT_FALSE(c().DateVisible);
  c().CboRepeat.select(kRepeatMonths);
  EXPECT_TRUE(c().DateVisible);
  // The repeat count is kept within 1 to 100.
  c().CboRepeat.select(kRepeatDays);
  model.TxtRepeat_Change("0");
  model.TxtRepeat_LostFocus();
  EXPECT_EQ(c().TxtRepeat.Text, "1");
  EXPECT_FALSE(c().DateVisible);  // the rewritten "1" counts as typed
  model.TxtRepeat_Change("250");
  model.TxtRepeat_LostFocus();
  EXPECT_EQ(c().TxtRepeat.Text, "100");
  model.UpdRepeat_Click(true);
  EXPECT_EQ(c().TxtRepeat.Text, "100");
  model.UpdRepeat_Click(false);
  EXPECT_EQ(c().TxtRepeat.Value, 99);
}

TEST_F(ClkEditModelTest, ChangingTheFunctionRereadsTheLevelOrHidesItWhereThereIsNone) {
  open({2026, 3, 11, 7, 30, kContinueTable, kRepeatOnce, 1, 2, 1, 127});
  EXPECT_EQ(c().TxtLvl.Text, "50 %");
  chooseFunction(1, test::kHallCeilingRelay);
  EXPECT_EQ(c().TxtLvl.Text, "????");
  EXPECT_EQ(c().TxtLvl.raw(), 127);
  model.UpdLvl_Click(false);
  EXPECT_EQ(c().TxtLvl.Text, "Off");
  EXPECT_EQ(c().VlagPicture, kPictureOff);
  // A day switch and a general mood have no level to set.
  chooseFunction(65, test::kLivingRoomSensorDay);
  EXPECT_FALSE(c().LevelVisible);
  chooseFunction(10, test::kAllOffGeneralMood);
  EXPECT_FALSE(c().LevelVisible);
}

TEST_F(ClkEditModelTest, AStoredTypeAbove127IsShownAndKeptAndABadTableShowsTheContinueTable) {
  open({2026, 3, 11, 7, 30, kSpecialTable, kRepeatOnce, 1, 150, 5, 0});
  EXPECT_EQ(selectedText(c().CboFnc), "Function: 150");
  EXPECT_EQ(selectedText(c().CboLd), "Function: 150 5");
  EXPECT_TRUE(c().LevelVisible);
  ASSERT_TRUE(model.CmdOK_Click(prompts));
  EXPECT_EQ(stored().FunctionHigh, 150);
  EXPECT_EQ(stored().FunctionLow, 5);
  EXPECT_EQ(stored().Level, 0);
  open({2026, 3, 11, 7, 30, 9, kRepeatOnce, 1, 1, 1, 255});  // a table byte out of range
  EXPECT_EQ(c().OptTabel, kContinueTable);
}

// Every function of the demo installation, stored through OK, opens again
// under its own type entry with its level box as it was.
TEST_F(ClkEditModelTest, EveryListedFunctionOpensAgainAsStored) {
  open(kWednesdayRelay);
  const std::vector<ListEntry> types = c().CboFnc.Entries;
  int checked = 0;
  for (const ListEntry& type : types) {
    SelectByItemData(c().CboFnc, type.ItemData);
    const std::vector<ListEntry> functions = c().CboLd.Entries;
    for (const ListEntry& function : functions) {
      ASSERT_TRUE(model.Load(kShowExistingLine));
      chooseFunction(type.ItemData, function.ItemData);
      const std::string levelText = c().TxtLvl.Text;
      const bool levelShown = c().LevelVisible;
      ASSERT_TRUE(model.CmdOK_Click(prompts)) << function.Text;
      EXPECT_EQ(stored().functionCode(), function.ItemData) << function.Text;
      ASSERT_TRUE(model.Load(kShowExistingLine));
      EXPECT_EQ(selectedText(c().CboFnc), type.Text) << function.Text;
      EXPECT_EQ(selectedText(c().CboLd), function.Text);
      EXPECT_EQ(c().LevelVisible, levelShown) << function.Text;
      if (levelShown) {
        EXPECT_EQ(c().TxtLvl.Text, levelText) << function.Text;
      }
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
  EXPECT_TRUE(prompts.shown.empty());
}

using std::chrono::local_days;

local_days Day(int year, int month, int day) { return std::chrono::floor<std::chrono::days>(At(year, month, day)); }

TEST(ReferenceDateWindow, RunsFromThirtyWeeksBackToFortyWeeksAheadAndWidensToHoldTheLine) {
  const LocalTime now = At(2026, 3, 10, 10, 15);
  const DateWindow window = ReferenceDateWindow(now, At(2026, 3, 11, 7, 30));
  EXPECT_EQ(window.earliest, now - std::chrono::weeks{30});
  EXPECT_EQ(window.latest, now + std::chrono::weeks{40});
  EXPECT_EQ(ReferenceDateWindow(now, At(2020, 1, 6, 8, 0)).earliest, At(2020, 1, 6, 8, 0));
  EXPECT_EQ(ReferenceDateWindow(now, At(2028, 5, 1, 8, 0)).latest, At(2028, 5, 1, 8, 0));
}

// The date OK stores: the reference date moved back by whole repeat
// intervals until it is no later than this week's Monday (Tuesday 10 March
// 2026: Monday 9 March), and for the workday and weekend tables the Sunday
// before this week.
TEST(OkReferenceDate, MovesBackByWholeIntervalsBeforeThisWeeksMonday) {
  const LocalTime tuesday = At(2026, 3, 10, 10, 15);
  const struct {
    LocalTime value;
    int table, unit, count;
    LocalTime now;
    local_days stored;
  } cases[] = {
      {At(2026, 3, 11, 7, 30), kContinueTable, kRepeatDays, 2, tuesday, Day(2026, 3, 7)},
      {At(2026, 3, 11, 7, 30), kSpecialTable, kRepeatOnce, 2, tuesday, Day(2026, 3, 11)},
      {At(2026, 3, 11, 7, 30), kSimulationTable, -1, 2, tuesday, Day(2026, 3, 11)},
      {At(2026, 3, 2, 9, 0), kContinueTable, kRepeatWeeks, 1, tuesday, Day(2026, 3, 2)},
      {At(2026, 3, 9, 5, 0), kContinueTable, kRepeatHours, 5, tuesday, Day(2026, 3, 9)},
      {At(2026, 4, 1, 6, 0), kContinueTable, kRepeatWeeks, 2, tuesday, Day(2026, 3, 4)},
      // 31 May back by months: 30 April, 30 March, 28 February.
      {At(2026, 5, 31, 6, 0), kContinueTable, kRepeatMonths, 1, tuesday, Day(2026, 2, 28)},
      {At(2026, 3, 9, 0, 50), kSimulationTable, kRepeatMinutes, 15, tuesday, Day(2026, 3, 8)},
      {At(2026, 6, 1, 7, 0), kWorkdayTable, kRepeatDays, 3, tuesday, Day(2026, 3, 8)},
      {At(2026, 6, 1, 7, 0), kWeekendTable, kRepeatDays, 3, tuesday, Day(2026, 3, 8)},
      // on a Sunday, the Sunday a week before
      {At(2026, 3, 1), kWorkdayTable, kRepeatDays, 1, At(2026, 3, 15, 20, 0), Day(2026, 3, 8)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(OkReferenceDate(c.value, c.table, c.unit, c.count, c.now), c.stored)
        << "table " << c.table << ", unit " << c.unit << ", count " << c.count;
}

}  // namespace
}  // namespace ordalis
