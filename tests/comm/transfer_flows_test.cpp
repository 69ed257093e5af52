// The dialog's flows end to end against the simulated central: the send
// button, the verified send that reads the table back before hanging up, the
// whole-image receive, and what stays as it was after a failure or a Cancel;
// and the dialog's fields that feed them.
#include <gtest/gtest.h>

#include "app/program_state.h"
#include "comm/com_dialog_fields.h"
#include "clock/line_moment.h"
#include <algorithm>

#include "comm/linked_central.h"
#include "comm/transfer_flows.h"
#include "image/image_codec.h"
#include "support/line_builder.h"

namespace ordalis {
namespace {

using namespace std::chrono_literals;
using test::CountingPrompts;
using test::LinkedCentral;

// Monday 1 December 2025, 08:15, every week.
const ClockLine kWeekly = test::MakeLine({2025, 12, 1, 8, 15, kContinueTable, kRepeatWeeks, 1, 1, 5});

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

// A failed receive, and a Cancel, leave the clock table as it was before
// the press.
TEST(SendButton, AFailedReceiveOrACancelLeavesTheClockTableAsItWas) {
  for (bool cancel : {false, true}) {
    Flow flow;
    if (cancel) flow.state.clock.ClockTable[0] = kWeekly;  // a Cancel undoes even the date update
    flow.state.clock.ClockTable[1] = test::MakeLine({2026, 4, 3, 7, 15});
    const ClockLineArray before = flow.state.clock.ClockTable;
    if (cancel) flow.cancelAfter(3050ms);
    flow.central.faults.corruptPacket = cancel ? 0 : 1;
    flow.central.faults.noEcho = !cancel;
    const TransferOutcome outcome = flow.press(cancel ? SendAction::Transmit : SendAction::Receive);
    EXPECT_TRUE(cancel ? outcome.stopped() : outcome.result == transfer::kNoTable);
    for (int i = 0; i < kClockTableLines; ++i)
      EXPECT_EQ(lineBytes(flow.state.clock.ClockTable[i]), lineBytes(before[i])) << i;
    EXPECT_TRUE(!cancel || flow.prompts.shown.empty());
  }
}

TEST(SendButton, AFailedTransmitKeepsTheDatesBroughtUpToDate) {
  Flow flow;
  flow.clock.advanceTo(Monotonic{} + 24h * 10);  // Sunday 11 January 2026
  flow.state.clock.ClockTable[0] = kWeekly;
  flow.central.faults.noAnswer = true;
  EXPECT_TRUE(flow.press(SendAction::Transmit).failed());
  EXPECT_EQ(LineMoment(flow.state.clock.ClockTable[0]), makeLocalTime(2026, 1, 5, 8, 15));
}

TEST(SendButton, StoresTheTimeSetAndModemChoicesAndEndsTheSectionWithThePresentMoment) {
  Flow flow;
  flow.clock.advanceTo(Monotonic{} + 24h * 14 + 9h + 30min);  // Thursday 15 January 2026, 09:30
  flow.pc.setCarrier(true);  // a modem already connected: nothing dialled
  flow.choices.timeSet = true;
  flow.choices.modemType = 1;
  flow.choices.target.connect.modem = {true, "ATZ0", "0456", false, "0123"};
  ASSERT_FALSE(flow.press(SendAction::Transmit).failed());
  EXPECT_EQ(flow.state.settings.TimeSet, 1);
  const ModemSettings& modem = flow.state.installation.Modem;
  EXPECT_EQ(modem.InUse, 1);
  EXPECT_EQ(modem.Type, 1);
  EXPECT_EQ(modem.Telephone.withoutTrailingSpaces(), "0456");
  EXPECT_TRUE(modem.Callback.isBlank());
  const std::vector<uint8_t>& section = flow.central.memory[kClockSection];
  ASSERT_EQ(section.size(), 13u * 100 + 12);
  // the last seven bytes: hour 9, day 15, month 1, year 26 and Thursday
  const std::pair<int, int> timeSetting[] = {{0, 9}, {2, 15}, {3, 1}, {5, 26}, {6, 5}};
  for (const auto& [k, value] : timeSetting) EXPECT_EQ(section.end()[k - 7], value) << k;
}

struct VerifiedSend : Flow {
  VerifiedSend() {
    choices.verify = true;
    state.clock.ClockTable[2] = test::MakeLine({2026, 3, 2, 8, 0, kContinueTable, kRepeatWeeks, 1, 1, 5, 40});
  }
};

TEST(VerifiedSend, ReadsTheTableBackInTheSameConnectionAndSaysSo) {
  VerifiedSend send;
  const TransferOutcome outcome = send.press(SendAction::Transmit);
  EXPECT_EQ(outcome.result, transfer::kOk);
  EXPECT_TRUE(outcome.verified);
  EXPECT_EQ(send.central.connects(), 1);
  EXPECT_EQ(send.central.sectionsRead(), 1);
  EXPECT_TRUE(send.prompts.shown.empty());
  // The bar runs once over both halves: up to about half while sending, on
  // to the end while reading back.
  EXPECT_TRUE(std::is_sorted(send.progress.begin(), send.progress.end()));
  EXPECT_TRUE(std::any_of(send.progress.begin(), send.progress.end(), [](int p) { return p > 5 && p < 52; }));
  EXPECT_TRUE(std::any_of(send.progress.begin(), send.progress.end(), [](int p) { return p > 52 && p < 100; }));
  EXPECT_EQ(send.progress.back(), 100);
}

TEST(VerifiedSend, ACentralThatWillNotGiveTheTableBackFailsTheSameWay) {
  for (auto refuse : {+[](fixtures::CentralFaults& f) { f.endlessPackets = true; },
                      +[](fixtures::CentralFaults& f) { f.corruptPacket = 1; }}) {
    VerifiedSend send;
    refuse(send.central.faults);
    const Monotonic start = send.clock.monotonic();
    const TransferOutcome outcome = send.press(SendAction::Transmit);
    EXPECT_EQ(outcome.result, transfer::kTableDiffers);
    EXPECT_EQ(outcome.attempts, 1);
    EXPECT_LT(send.secondsSince(start), 60.0);  // within the block timer, not a hang
    EXPECT_NE(outcome.difference.find(send.state.texts.LoadText(1141)), std::string::npos) << outcome.difference;
  }
}

TEST(ReceiveWholeImage, RebuildsTheInstallationAndNamesTheFlags) {
  Flow flow;
  Installation source = flow.state.installation;
  source.TransparentFunctions[3].Parameters = {7, 9};
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

TEST(ComDialogFields, LoadedFieldsReachTheTransferAndTheModemProgramming) {
  ProgramState state;
  state.settings.ComPort = 3;
  state.settings.TimeSet = 1;
  state.installation.CentralModel = kPelvan;
  state.installation.Settings.BaudRate = 9600;
  ModemSettings& modem = state.installation.Modem;
  modem.InUse = 1;
  modem.Type = kSpecificModem;
  modem.InitString.assign("  AT&F1  ");
  modem.Telephone.assign(" 0123 456 ");
  modem.Callback.assign(" 0987 ");

  const ComDialogFields fields = LoadComDialogFields(state);
  EXPECT_EQ(fields.port, 3);
  EXPECT_EQ(fields.initString, "AT&F1");
  EXPECT_TRUE(fields.callBack);
  const TransferChoices choices = ChoicesFromFields(fields, state, "/dev/ttyS2");
  EXPECT_EQ(choices.target.port, "/dev/ttyS2");
  EXPECT_EQ(choices.target.baudRate, 9600);
  EXPECT_EQ(choices.target.connect.centralModel, kPelvan);
  EXPECT_TRUE(choices.target.connect.modem.useModem);
  EXPECT_EQ(choices.target.connect.modem.telephone, "0123 456");
  EXPECT_EQ(choices.target.connect.modem.callBackNumber, "0987");
  EXPECT_TRUE(choices.timeSet);
  EXPECT_EQ(choices.modemType, kSpecificModem);
  const ModemProgramming request = ModemProgrammingFromFields(fields, "/dev/ttyS2");
  EXPECT_EQ(request.baudRate, 9600);
  EXPECT_TRUE(request.callBack);
  EXPECT_EQ(request.callBackNumber, "0987");

  ComDialogFields noCallBack = fields;
  noCallBack.callBack = false;
  EXPECT_EQ(ChoicesFromFields(noCallBack, state, "x").target.connect.modem.callBackNumber, "");
  modem.Callback.assign("");
  EXPECT_FALSE(LoadComDialogFields(state).callBack);
}

TEST(ComDialogFields, OnlyTheSpecificModemShowsAndEditsItsOwnString) {
  ModemSettings stored;
  stored.InitString.assign("AT&F1");
  const struct {
    int type;
    const char* shown;
    bool editable;
  } cases[] = {{0, "AT&F%C0", false}, {1, "ATZ0", false}, {kSpecificModem, "AT&F1", true}};
  for (const auto& c : cases) {
    const InitStringBox box = ModemTypeRule(c.type, stored);
    EXPECT_EQ(box.text, c.shown) << c.type;
    EXPECT_EQ(box.editable, c.editable) << c.type;
  }
}

}  // namespace
}  // namespace ordalis
