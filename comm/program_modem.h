// "Program modem": prepares the modem that stays at the central unit while it
// is connected to the PC's serial port, for answering calls and, when asked,
// for calling back.
#pragma once

#include <string>

#include "base/prompts.h"
#include "base/texts.h"
#include "comm/comm_session.h"

namespace ordalis {

struct ModemProgramming {
  std::string port;
  int32_t baudRate = 19200;
  bool callBack = false;
  std::string callBackNumber;
};

// The command lines sent, in order (each followed by line feed and carriage
// return), with the wait after each.
struct ModemCommand {
  std::string line;
  std::chrono::milliseconds answerTime;
};
std::vector<ModemCommand> ModemProgramCommands(const ModemProgramming& request);

// Opens the port, sends the commands and stops at the first answer without
// "OK". True when every answer had "OK". Tells the user either way: "OK", or
// text 650, ":", a line feed and text 668.
bool ProgramModem(CommSession& session, const ModemProgramming& request, Prompts& prompts, const Texts& texts);

}  // namespace ordalis
