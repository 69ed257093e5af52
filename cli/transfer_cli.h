// What the transfer subcommands (send, receive, receive-all, program-modem)
// share: the port option, the serial link, a clock that runs in real time,
// the console as the user, Ctrl-C as Cancel, the progress bar and the JSON
// result.
#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <string>

#include "cli/cli_clock_file.h"
#include "cli/cli_context.h"
#include "cli/cli_installation.h"
#include "cli/cli_prompts.h"
#include "comm/comm_session.h"
#include "comm/image_transfer.h"
#include "comm/transfer_flows.h"
#include "comm/qt/transfer_log_writer.h"

namespace ordalis::cli {

// The device for --port: a path as given, a number through the settings
// file's port mapping.
std::string DeviceForPort(const std::string& port);

// The clock table into a clock file; false (after the message on stderr)
// when that fails.
bool SaveClockFile(CliContext& context, const std::string& path);
// {"installation": the document of `inspect`, "functions": that of
// `functions`} for the installation in the program state.
nlohmann::json InstallationDocuments(const CliContext& context);

// A transfer's stage in the CLI: the real serial port, real time (with
// "now" starting at --now when given), Ctrl-C as the stop flag, and a
// progress bar on stderr when stderr is a terminal.
class CliTransfer {
 public:
  explicit CliTransfer(const CliContext& context);
  ~CliTransfer();

  CommSession& session() { return *m_session; }
  Clock& clock() { return *m_clock; }
  // The console as the user: messages on stderr, beeps silent.
  CliPrompts prompts;
  TransferUser user(const Texts& texts) { return TransferUser{prompts, texts}; }

  // Measures the transfer's duration.
  void start() { m_startedAt = TransferStart(*m_clock); }
  double seconds() const;

  // The result document {"result","text","attempts","seconds"}.
  nlohmann::json resultJson(const Texts& texts, TransferResult result, int attempts) const;
  // Appends the entry, with this transfer's moment and seconds, to the
  // transfer log; a log that cannot be written is only mentioned on stderr.
  void log(const TransferLogEntry& entry);

  // Prints the JSON document when asked (the failure message has gone to
  // stderr through the prompts) and gives the exit code.
  int finish(const CliContext& context, TransferResult result, int attempts, nlohmann::json extra = {});

 private:
  struct Stage;
  std::unique_ptr<Stage> m_stage;
  std::unique_ptr<Clock> m_clock;
  std::unique_ptr<CommSession> m_session;
  TransferStart m_startedAt{SystemClock{}};
};

// The common port options of the transfer subcommands.
struct PortOptions {
  std::string port;
  int32_t baud = 0;  // 0: the installation's baud rate
};

// The choices of a clock table fetch: the port, the baud rate (else the
// installation's) and the installation's central model.
TransferChoices FetchChoices(const CliContext& context, const PortOptions& options);
void AddPortOptions(CLI::App& command, PortOptions& options);

}  // namespace ordalis::cli
