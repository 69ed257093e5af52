// What the communication dialog shows and hands to a transfer, without its
// widgets: the fields loaded from the settings and the installation's modem
// settings, the modem-type rule, the progress label, and the transfer
// choices and modem programming request made from the fields.
#pragma once

#include <string>

#include "comm/transfer_parts.h"
#include "comm/program_modem.h"
#include "comm/transfer_flows.h"

namespace ordalis {

inline constexpr int kModemTypeCount = 3;
// The modem type whose initialisation string the user edits.
inline constexpr int kSpecificModem = 2;

struct ComDialogFields {
  int port = 0;        // the port-number setting
  int baudRate = 0;    // the installation's baud rate
  bool useModem = false;
  int modemType = 0;   // 0 to 2; another number selects no type
  std::string initString;
  std::string telephone;
  bool callBack = false;
  std::string callBackNumber;
  bool timeSet = false;
  bool verify = true;  // "Verify after sending"
};

// The fields as the dialog loads them: the telephone number trimmed; the
// call-back box checked when a call-back number is stored; the
// initialisation string by the modem-type rule.
ComDialogFields LoadComDialogFields(const TransferParts& state);

// The modem-type rule: the initialisation string a type shows, and whether
// the user may edit it (the specific modem only).
struct InitStringBox {
  std::string text;
  bool editable = false;
};
InitStringBox ModemTypeRule(int modemType, const ModemSettings& stored);

// "Progress: 37%" in the active language.
std::string ProgressText(const Texts& texts, int percent);
// "Progress: " followed by a text of the string table (text 670 while the
// whole image is received).
std::string ProgressCaption(const Texts& texts, int textId);

// The send button's choices: the port's device, the installation's model,
// the modem fields as the dialog holds them.
TransferChoices ChoicesFromFields(const ComDialogFields& fields, const TransferParts& state,
                                  const std::string& device);
// The "Program modem" request from the dialog's fields.
ModemProgramming ModemProgrammingFromFields(const ComDialogFields& fields, const std::string& device);

}  // namespace ordalis
