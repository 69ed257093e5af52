// Programming the central's modem:
//
//   open port; clearBuffers; LF CR; Wait(100); clearBuffers
//   per command: line LF CR; WaitSendDone; Wait(answer time);
//                every waiting character collected: must hold "OK"
//   close port; "OK" or "650:\n668"
#include "comm/program_modem.h"

#include "base/trimmed.h"
#include "comm/modem_dial.h"
#include "comm/port_settings.h"
#include "comm/transfer_bytes.h"

namespace ordalis {

namespace {

using namespace std::chrono_literals;

std::string collectAnswer(ByteLink& link) {
  std::string answer;
  while (auto byte = link.readByte()) answer += static_cast<char>(*byte);
  return answer;
}

bool commandAnswered(CommSession& session, const ModemCommand& command) {
  session.send(command.line + kModemLineEnd);
  if (session.WaitSendDone() != transfer::kOk) return false;
  if (session.Wait(command.answerTime) != transfer::kOk) return false;
  return collectAnswer(session.link()).find("OK") != std::string::npos;
}

bool runCommands(CommSession& session, const ModemProgramming& request) {
  ByteLink& link = session.link();
  if (!link.open(request.port, PortSettingsText(request.baudRate))) return false;
  link.clearBuffers();
  session.send(kModemLineEnd);
  bool answered = session.Wait(100ms) == transfer::kOk;
  link.clearBuffers();
  for (const ModemCommand& command : ModemProgramCommands(request)) {
    answered = answered && commandAnswered(session, command);
  }
  link.close();
  return answered;
}

}  // namespace

std::vector<ModemCommand> ModemProgramCommands(const ModemProgramming& request) {
  if (!request.callBack) return {{"AT&F&D0&K0K0S0=1%C0E0&W", 100ms}};
  return {{std::string("AT*P0:") + kFirstAccessString + ":" + Trimmed(request.callBackNumber), 100ms},
          {"ATS200=16", 500ms},
          {"AT&D0&K0K0S0=1%C0E0&W", 100ms}};
}

bool ProgramModem(CommSession& session, const ModemProgramming& request, Prompts& prompts, const Texts& texts) {
  bool programmed = runCommands(session, request);
  if (programmed) {
    prompts.tell("OK", kErrorTitle, MessageIcon::None);
  } else {
    prompts.tell(TransferFailureText(texts, transfer::kModemConnected), kErrorTitle, MessageIcon::Critical);
  }
  return programmed;
}

}  // namespace ordalis
