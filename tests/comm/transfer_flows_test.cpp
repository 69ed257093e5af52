// The dialog's flows end to end against the simulated central: the send
// button in both directions, the whole-image receive, and what stays as it
// was after a failure or a Cancel.
#include <gtest/gtest.h>

#include "app/program_state.h"
#include "clock/line_moment.h"
#include "comm/linked_central.h"
#include "comm/transfer_flows.h"
#include "image/image_codec.h"

namespace ordalis {
namespace {

using namespace std::chrono_literals;
using test::CountingPrompts;
using test::LinkedCentral;

ClockLine onceAt(uint8_t day, uint8_t hour, uint8_t table, uint8_t function) {
  ClockLine line;
  line.Day = day;
  line.Month = 4;
  line.Year = 26;
  line.Hour = hour;
  line.Minute = 15;
  line.Table = table;
  line.FunctionHigh = 1;
  line.FunctionLow = function;
  line.Level = 255;
  return line;
}

struct Flow : LinkedCentral {
  Flow() {
    state.texts.FillTextTables();
    ResetInstallation(state.installation, 19200, 0);
    ApplyCentralModel(state.installation, state.texts, 0);
    choices.target.port = "/dev/ttyS1";
    clock.advanceTo(Monotonic{});  // 1 January 2026, 00:00
  }
  TransferOutcome press(SendAction action) {
    return RunSendButton(state, session, choices, {prompts, state.texts}, action);
  }
  ProgramState state;
  TransferChoices choices;
  CountingPrompts prompts;
};

TEST(SendButton, TransmitsTheClockTableAsSectionEighteen) {
  Flow flow;
  flow.state.clock.ClockTable[0] = onceAt(3, 7, kContinueTable, 5);
  flow.state.clock.ClockTable[4] = onceAt(9, 22, kSpecialTable, 6);
  ASSERT_FALSE(flow.press(SendAction::Transmit).failed());
  const ImageArea& sent = flow.state.image.block(kClockSection)->Send;
  EXPECT_EQ(flow.central.memory[kClockSection], std::vector<uint8_t>(sent.Data.begin(), sent.Data.begin() + sent.Count));
  EXPECT_EQ(flow.state.image.ImageTotal, sent.Count);
}

TEST(SendButton, ReceivesBackWhatWasTransmitted) {
  Flow sender;
  sender.state.clock.ClockTable[0] = onceAt(3, 7, kContinueTable, 5);
  sender.state.clock.ClockTable[2] = onceAt(9, 22, kSimulationTable, 6);
  ASSERT_FALSE(sender.press(SendAction::Transmit).failed());

  Flow receiver;
  receiver.central.memory = sender.central.memory;
  ASSERT_FALSE(receiver.press(SendAction::Receive).failed());
  for (int i = 0; i < kClockTableLines; ++i) {
    ClockLine sent = sender.state.clock.ClockTable[i];
    if (i >= kClockTableCount) sent.FirstLine = 0;  // only lines 0 to 4 carry a list head
    EXPECT_EQ(lineBytes(receiver.state.clock.ClockTable[i]), lineBytes(sent)) << i;
  }
}

TEST(SendButton, AFailedReceiveLeavesTheClockTableAlone) {
  Flow flow;
  flow.state.clock.ClockTable[1] = onceAt(3, 7, kContinueTable, 5);
  const ClockLineArray before = flow.state.clock.ClockTable;
  flow.central.faults.corruptPacket = 1;
  flow.central.faults.noEcho = true;
  EXPECT_EQ(flow.press(SendAction::Receive).result, transfer::kNoTable);
  EXPECT_EQ(lineBytes(flow.state.clock.ClockTable[1]), lineBytes(before[1]));
}

TEST(SendButton, CancelLeavesTheClockTableAsItWasBeforeThePress) {
  Flow flow;
  ClockLine weekly = onceAt(1, 8, kContinueTable, 5);
  weekly.Month = 12;
  weekly.Year = 25;
  weekly.RepeatUnit = kRepeatWeeks;
  weekly.RepeatCount = 1;
  flow.state.clock.ClockTable[0] = weekly;
  const ClockLineArray before = flow.state.clock.ClockTable;
  flow.cancelAfter(3050ms);
  EXPECT_TRUE(flow.press(SendAction::Transmit).stopped());
  for (int i = 0; i < kClockTableLines; ++i) {
    EXPECT_EQ(lineBytes(flow.state.clock.ClockTable[i]), lineBytes(before[i])) << i;
  }
  EXPECT_TRUE(flow.prompts.shown.empty());
}

TEST(SendButton, AFailedTransmitKeepsTheDatesBroughtUpToDate) {
  Flow flow;
  flow.clock.advanceTo(Monotonic{} + 24h * 10);  // Sunday 11 January 2026
  ClockLine weekly = onceAt(1, 8, kContinueTable, 5);
  weekly.Month = 12;
  weekly.Year = 25;  // Monday 1 December 2025
  weekly.RepeatUnit = kRepeatWeeks;
  weekly.RepeatCount = 1;
  flow.state.clock.ClockTable[0] = weekly;
  flow.central.faults.noAnswer = true;
  EXPECT_TRUE(flow.press(SendAction::Transmit).failed());
  EXPECT_EQ(LineMoment(flow.state.clock.ClockTable[0]), makeLocalTime(2026, 1, 5, 8, 15));
}

TEST(SendButton, StoresTheTimeSetAndModemChoices) {
  Flow flow;
  flow.pc.setCarrier(true);  // a modem already connected: nothing dialled
  flow.choices.timeSet = true;
  flow.choices.modemType = 1;
  flow.choices.target.connect.modem = {true, "ATZ0", "0456", true, "0123"};
  flow.choices.target.connect.modem.callBack = false;
  ASSERT_FALSE(flow.press(SendAction::Transmit).failed());
  EXPECT_EQ(flow.state.settings.TimeSet, 1);
  const ModemSettings& modem = flow.state.installation.Modem;
  EXPECT_EQ(modem.InUse, 1);
  EXPECT_EQ(modem.Type, 1);
  EXPECT_EQ(modem.Telephone.withoutTrailingSpaces(), "0456");
  EXPECT_TRUE(modem.Callback.isBlank());
}

TEST(SendButton, WithTimeSetTheSectionEndsWithThePresentMoment) {
  Flow flow;
  flow.clock.advanceTo(Monotonic{} + 24h * 14 + 9h + 30min);  // Thursday 15 January 2026, 09:30
  flow.choices.timeSet = true;
  ASSERT_FALSE(flow.press(SendAction::Transmit).failed());
  const std::vector<uint8_t>& section = flow.central.memory[kClockSection];
  ASSERT_EQ(section.size(), 13u * 100 + 12);
  std::vector<uint8_t> timeSetting(section.end() - 7, section.end());
  EXPECT_EQ(timeSetting[0], 9);
  EXPECT_EQ(timeSetting[2], 15);
  EXPECT_EQ(timeSetting[3], 1);
  EXPECT_EQ(timeSetting[5], 26);
  EXPECT_EQ(timeSetting[6], 5);  // Thursday
}

TEST(ReceiveWholeImage, RebuildsTheInstallationAndNamesTheFlags) {
  Flow flow;
  Installation source = flow.state.installation;
  source.TransparentFunctions[3].Parameters = {7, 9};
  source.Settings.Workdays = {1, 1, 1, 1, 0, 0, 1};
  BuildMemoryImage(flow.state.image, source);
  for (int n = 0; n < kImageBlockCount; ++n) {
    const ImageArea& area = flow.state.image.block(n)->Send;
    flow.central.memory[n].assign(area.Data.begin(), area.Data.begin() + area.Count);
  }
  ASSERT_FALSE(ReceiveWholeImage(flow.state, flow.session, flow.choices.target, {flow.prompts, flow.state.texts})
                   .failed());
  const Installation& got = flow.state.installation;
  EXPECT_EQ(got.TransparentFunctions[3].Parameters, (std::array<uint8_t, 2>{7, 9}));
  EXPECT_EQ(got.TransparentFunctions[3].Name.withoutTrailingSpaces(), "Transparent 3");
  EXPECT_EQ(got.Settings.Workdays, source.Settings.Workdays);
  EXPECT_EQ(got.Flags[0].Name.withoutTrailingSpaces(), "Flags 0");
  EXPECT_EQ(got.Flags[3].Name.withoutTrailingSpaces(), "Flags 3");
  EXPECT_EQ(got.Flags[got.Capacities.MaxFlags - 1].Name.withoutTrailingSpaces(),
            "Flags " + std::to_string(got.Capacities.MaxFlags - 1));
}

TEST(ReceiveWholeImage, AStoppedReceiveLeavesTheInstallationAlone) {
  Flow flow;
  flow.state.installation.TransparentFunctions[2].Name.assign("Garden pump");
  flow.cancelAfter(4s);
  EXPECT_TRUE(ReceiveWholeImage(flow.state, flow.session, flow.choices.target, {flow.prompts, flow.state.texts})
                  .stopped());
  EXPECT_EQ(flow.state.installation.TransparentFunctions[2].Name.withoutTrailingSpaces(), "Garden pump");
  EXPECT_TRUE(flow.prompts.shown.empty());
}

}  // namespace
}  // namespace ordalis
