// The communication dialog's fields and rules.
#include "comm/com_dialog_fields.h"

#include "base/trimmed.h"
#include "comm/modem_dial.h"

namespace ordalis {

namespace {
constexpr int kProgressText = 674;  // "Progress"
}  // namespace

ComDialogFields LoadComDialogFields(const TransferParts& state) {
  const ModemSettings& modem = state.installation.Modem;
  ComDialogFields fields;
  fields.port = state.settings.ComPort;
  fields.baudRate = state.installation.Settings.BaudRate;
  fields.useModem = modem.InUse != 0;
  fields.modemType = modem.Type;
  fields.initString = ModemTypeRule(modem.Type, modem).text;
  fields.telephone = Trimmed(modem.Telephone.str());
  fields.callBackNumber = Trimmed(modem.Callback.str());
  fields.callBack = !fields.callBackNumber.empty();
  fields.timeSet = state.settings.TimeSet != 0;
  fields.verify = state.settings.Verify != 0;
  return fields;
}

InitStringBox ModemTypeRule(int modemType, const ModemSettings& stored) {
  return {ModemInitString(modemType, stored.InitString.str()), modemType == kSpecificModem};
}

std::string ProgressText(const Texts& texts, int percent) {
  return texts.LoadText(kProgressText) + ": " + std::to_string(percent) + "%";
}

std::string ProgressCaption(const Texts& texts, int textId) {
  return texts.LoadText(kProgressText) + ": " + texts.LoadText(textId);
}

TransferChoices ChoicesFromFields(const ComDialogFields& fields, const TransferParts& state,
                                  const std::string& device) {
  TransferChoices choices;
  choices.target.port = device;
  choices.target.baudRate = fields.baudRate;
  choices.target.connect.centralModel = state.installation.CentralModel;
  ModemOptions& modem = choices.target.connect.modem;
  modem.useModem = fields.useModem;
  modem.initString = fields.initString;
  modem.telephone = fields.telephone;
  modem.callBack = fields.callBack;
  modem.callBackNumber = fields.callBack ? fields.callBackNumber : std::string();
  choices.timeSet = fields.timeSet;
  choices.verify = fields.verify;
  choices.modemType = static_cast<uint8_t>(fields.modemType);
  return choices;
}

ModemProgramming ModemProgrammingFromFields(const ComDialogFields& fields, const std::string& device) {
  ModemProgramming request;
  request.port = device;
  request.baudRate = fields.baudRate;
  request.callBack = fields.callBack;
  request.callBackNumber = fields.callBackNumber;
  return request;
}

}  // namespace ordalis
