// The communication dialog's fields: loaded from the settings and the
// installation's modem settings, and handed on to a transfer or to the
// modem programming unchanged.
#include <gtest/gtest.h>

#include "app/program_state.h"
#include "comm/com_dialog_fields.h"

namespace ordalis {
namespace {

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
  Texts texts;
  EXPECT_EQ(ProgressText(texts, 37), "Progress: 37%");
}

}  // namespace
}  // namespace ordalis
