// The transfer log: one line per transfer of the program or the CLI in
// "transfers.log" in the user's data folder, so an installer can tell later
// what was sent to a house, when and whether it arrived. The file stays
// below a size limit by losing its oldest lines; a log that cannot be written
// never fails the transfer it describes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "base/clock_source.h"
#include "comm/image_transfer.h"
#include "comm/transfer_result.h"

namespace ordalis {

inline constexpr std::uintmax_t kTransferLogLimit = 1024 * 1024;  // bytes; the file stays below

struct TransferLogEntry {
  LocalTime when{};
  std::string direction;  // send, receive, receive-all, compare, program-modem
  std::string port;
  int32_t baudRate = 0;
  std::string modemNumber;  // the number dialled, empty without a modem
  TransferResult result = transfer::kOk;
  std::string resultText;
  double seconds = 0;
  std::size_t bytes = 0;  // data bytes of the sections moved
  int lines = 0;          // clock lines in use that moved
  bool verified = false;
};

// An entry with the direction, the target's port, baud rate and modem
// number, and the outcome's result, text ("OK" on success), bytes and
// verification; the caller adds the moment, seconds and lines.
TransferLogEntry TransferLogEntryOf(const std::string& direction, const TransferTarget& target,
                                    const TransferOutcome& outcome, const Texts& texts);

// One line of the log, tab-separated, without its line feed: date and time,
// direction, port, baud rate, modem number ("-" when none), result code,
// result text, seconds, bytes, lines, "verified" or "not verified".
std::string TransferLogLine(const TransferLogEntry& entry);

// Appends `line` to the log at `file` (making its folder), then drops the
// oldest lines until the file is below `limit` bytes. False when the file
// could not be written; nothing is thrown.
bool AppendTransferLog(const std::filesystem::path& file, const std::string& line,
                       std::uintmax_t limit = kTransferLogLimit);

}  // namespace ordalis
