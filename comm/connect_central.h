// ConnectCentral: opens a session with the central unit (dial-up and
// call-back through a modem when asked, the two access strings, the
// identification and the answer to the central's challenge).
#pragma once

#include <cstdint>

#include "comm/comm_session.h"
#include "comm/modem_dial.h"

namespace ordalis {

struct ConnectOptions {
  uint8_t centralModel = 0;  // the installation's model, 0 to 4
  ModemOptions modem;
};

// 0 when the central unit of the expected model and version accepted the
// challenge reply; otherwise 652 to 655, 665 to 668, or 651 from an output
// wait. Progress goes from 0 to 4 %.
TransferResult ConnectCentral(CommSession& session, const ConnectOptions& options);

}  // namespace ordalis
