// Dial-up and call-back through a Hayes modem at the PC, the steps of the
// connect sequence that run before the access strings. Every command line
// ends with a line feed and then a carriage return.
#pragma once

#include <string>

#include "comm/comm_session.h"

namespace ordalis {

// The modem choices of a transfer (the dialog's modem fields).
struct ModemOptions {
  bool useModem = false;     // "Connected with modem"
  std::string initString;    // sent before dialling (trimmed)
  std::string telephone;     // dialled as given (trimmed)
  bool callBack = false;     // "Call-back necessary"
  std::string callBackNumber;
};

inline constexpr const char* kModemLineEnd = "\n\r";
inline constexpr std::chrono::milliseconds kCarrierTime{50000};
inline constexpr std::chrono::milliseconds kHangUpTime{5000};

// The initialisation string of a modem type: 0 "AT&F%C0", 1 "ATZ0", 2 the
// stored string (trimmed).
std::string ModemInitString(int modemType, const std::string& stored);

// Sends the initialisation string and the dial command, then waits up to 50 s
// for the carrier: 0, 665 (stopped) or 668 (no carrier), or the code of a
// failed output wait.
TransferResult DialUp(CommSession& session, const ModemOptions& modem);
// Sends the call-back password, waits up to 5 s for the carrier to drop and
// up to 50 s for it to come back, then 1 s: 0, 665 or 668.
TransferResult AwaitCallBack(CommSession& session);

}  // namespace ordalis
