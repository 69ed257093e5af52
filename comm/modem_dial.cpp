// Dial-up and call-back.
//
//   DialUp:        init string LF CR; WaitSendDone; Wait(100);
//                  "ATDT" number LF CR; WaitSendDone; carrier within 50 s.
//   AwaitCallBack: "QUARVENT" CR; carrier gone within 5 s; carrier back
//                  within 50 s; Wait(1000).
#include "comm/modem_dial.h"

#include "base/trimmed.h"
#include "comm/transfer_bytes.h"

namespace ordalis {

namespace {

using namespace std::chrono_literals;

// Waits until the carrier is `present`: 0, 665, or 668 after `timeout`.
// The port gives no notice of a carrier change, so it is looked at every
// stop-check interval.
TransferResult waitForCarrier(CommSession& session, bool present, std::chrono::milliseconds timeout) {
  Monotonic deadline = session.clock().monotonic() + timeout;
  for (;;) {
    if (session.stopRequested()) return transfer::kStoppedByUser;
    if (session.link().carrierDetect() == present) return transfer::kOk;
    if (session.clock().monotonic() >= deadline) return transfer::kModemConnected;
    RETURN_IF_FAILED(session.Wait(kStopCheckInterval));
  }
}

}  // namespace

std::string ModemInitString(int modemType, const std::string& stored) {
  switch (modemType) {
    case 0: return "AT&F%C0";
    case 1: return "ATZ0";
    default: return Trimmed(stored);
  }
}

TransferResult DialUp(CommSession& session, const ModemOptions& modem) {
  session.send(Trimmed(modem.initString) + kModemLineEnd);
  RETURN_IF_FAILED(session.WaitSendDone());
  RETURN_IF_FAILED(session.Wait(100ms));
  session.send("ATDT" + Trimmed(modem.telephone) + kModemLineEnd);
  RETURN_IF_FAILED(session.WaitSendDone());
  return waitForCarrier(session, true, kCarrierTime);
}

TransferResult AwaitCallBack(CommSession& session) {
  session.send(std::string(kFirstAccessString) + "\r");
  RETURN_IF_FAILED(waitForCarrier(session, false, kHangUpTime));
  RETURN_IF_FAILED(waitForCarrier(session, true, kCarrierTime));
  return session.Wait(1000ms);
}

}  // namespace ordalis
