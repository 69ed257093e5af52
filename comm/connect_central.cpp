// The connect sequence. Step by step, with the function behind each:
//
//   1. progress 0; Wait(1000); clearBuffers; progress 1
//   2. modem checked and no carrier: DialUp (init string, ATDT, carrier)
//   3. Wait(1000)
//   4. call-back checked: AwaitCallBack ("QUARVENT" CR, carrier drops, returns)
//   5. clearBuffers; F0 00 "QUARVENT"; WaitSendDone; Wait(1000)
//   6. progress 2; F0 FF "MIROLDAS"; WaitSendDone
//   7. readGreeting: "KVB", 1500 ms per letter (652 / 653)
//   8. progress 3; F0 <model byte> 33; WaitSendDone; progress 4
//   9. readIdentification: model, model, version, two unused, challenge (652)
//  10. ChallengeReply sent; WaitSendDone
//  11. the central's verdict within 500 ms (654)
//  12. model (666), version (667), verdict C0 (655)
#include "comm/connect_central.h"

#include <array>

#include "comm/transfer_bytes.h"

namespace ordalis {

namespace {

using namespace std::chrono_literals;

// A missing byte is "No answer"; a stop stays a stop.
TransferResult answerCode(TransferResult waited, TransferResult missing) {
  return waited == transfer::kTimedOut ? missing : waited;
}

TransferResult openModemLine(CommSession& session, const ModemOptions& modem) {
  if (modem.useModem && !session.link().carrierDetect()) RETURN_IF_FAILED(DialUp(session, modem));
  RETURN_IF_FAILED(session.Wait(1000ms));
  if (modem.useModem && modem.callBack) RETURN_IF_FAILED(AwaitCallBack(session));
  return transfer::kOk;
}

TransferResult sendAccessStrings(CommSession& session) {
  session.link().clearBuffers();
  session.send({kConnectPrefix, kFirstAccessMark});
  session.send(kFirstAccessString);
  RETURN_IF_FAILED(session.WaitSendDone());
  RETURN_IF_FAILED(session.Wait(1000ms));
  session.showProgress(2);
  session.send({kConnectPrefix, kSecondAccessMark});
  session.send(kSecondAccessString);
  return session.WaitSendDone();
}

TransferResult readGreeting(CommSession& session) {
  std::string greeting;
  for (int i = 0; i < 3; ++i) {
    uint8_t letter = 0;
    RETURN_IF_FAILED(answerCode(session.ReadByte(1500ms, letter), transfer::kNoAnswer));
    greeting += static_cast<char>(letter);
  }
  return greeting == kCentralGreeting ? transfer::kOk : transfer::kNoOrOldCentral;
}

// Byte 1 and 2: the central's model pair; 3: its version; 4 and 5 unused;
// 6: the challenge. Each with its own time-out.
TransferResult readIdentification(CommSession& session, std::array<uint8_t, kIdentificationLength>& id) {
  constexpr std::array<std::chrono::milliseconds, kIdentificationLength> kTimeouts = {1500ms, 500ms, 1000ms,
                                                                                      500ms,  500ms, 100ms};
  for (int i = 0; i < kIdentificationLength; ++i) {
    RETURN_IF_FAILED(answerCode(session.ReadByte(kTimeouts[i], id[i]), transfer::kNoAnswer));
  }
  return transfer::kOk;
}

}  // namespace

TransferResult ConnectCentral(CommSession& session, const ConnectOptions& options) {
  session.showProgress(0);
  RETURN_IF_FAILED(session.Wait(1000ms));
  session.link().clearBuffers();
  session.showProgress(1);
  RETURN_IF_FAILED(openModemLine(session, options.modem));

  RETURN_IF_FAILED(sendAccessStrings(session));
  RETURN_IF_FAILED(readGreeting(session));

  session.showProgress(3);
  uint8_t modelByte = CentralModelByte(options.centralModel);
  session.send({kConnectPrefix, modelByte, kProtocolVersion});
  RETURN_IF_FAILED(session.WaitSendDone());
  session.showProgress(4);

  std::array<uint8_t, kIdentificationLength> id{};
  RETURN_IF_FAILED(readIdentification(session, id));
  session.send({ChallengeReply(id[5])});
  RETURN_IF_FAILED(session.WaitSendDone());
  uint8_t verdict = 0;
  RETURN_IF_FAILED(answerCode(session.ReadByte(500ms, verdict), transfer::kNoInit));

  if (id[0] != modelByte || id[1] != modelByte) return transfer::kWrongCentral;
  if (id[2] != kProtocolVersion) return transfer::kSoftwareIncompatible;
  return verdict == kAck ? transfer::kOk : transfer::kWrongInit;
}

}  // namespace ordalis
