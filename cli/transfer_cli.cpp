// The CLI's stage for transfers.
#include "cli/transfer_cli.h"

#include <unistd.h>

#include <QCoreApplication>
#include <csignal>
#include <iostream>
#include <filesystem>
#include <cstdio>

#include "app/qt/settings_location.h"
#include "base/qt/data_folder.h"
#include "app/settings_file.h"
#include "cli/cli_documents.h"
#include "app/clock_commands.h"
#include "comm/qt/qt_serial_link.h"
#include "comm/qt/transfer_log_writer.h"

namespace ordalis::cli {

namespace {

// Ctrl-C asks the running transfer to stop. A signal handler can reach only
// a global; this one is the CLI's and nothing else reads it.
std::atomic<bool> g_stopComm{false};
extern "C" void stopOnSignal(int) { g_stopComm = true; }

constexpr int kProgressText = 674;
constexpr int kBarWidth = 40;

// Real time whose "now" starts at a given moment (--now).
class ShiftedSystemClock final : public Clock {
 public:
  explicit ShiftedSystemClock(LocalTime start) : m_start(start), m_origin(std::chrono::steady_clock::now()) {}
  LocalTime now() const override {
    return m_start + std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - m_origin);
  }
  Monotonic monotonic() const override { return std::chrono::steady_clock::now(); }

 private:
  LocalTime m_start;
  Monotonic m_origin;
};

bool isAllDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

std::string DeviceForPort(const std::string& port) {
  // The serial port takes a bare name as one under /dev, so a path is made absolute.
  if (!isAllDigits(port)) return std::filesystem::absolute(port).string();
  return SerialDeviceForPort(settingsFilePath(), std::stoi(port));
}

bool SaveClockFile(CliContext& context, const std::string& path) {
  CliPrompts prompts;
  ClockCommandContext commands{context.state, prompts, {}};
  context.state.clock.ClockFileName = path;
  return WriteClockFile(commands);
}

nlohmann::json InstallationDocuments(const CliContext& context) {
  return {{"installation", nlohmann::json::parse(installationJson(context.state).dump())},
          {"functions", catalogueJson(context.state)}};
}

struct CliTransfer::Stage {
  Stage() {
    if (QCoreApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "ordalis-cli";
      static char* argv[] = {name, nullptr};
      app = std::make_unique<QCoreApplication>(argc, argv);
    }
  }
  std::unique_ptr<QCoreApplication> app;
  QtSerialLink link;
};

CliTransfer::CliTransfer(const CliContext& context) : m_stage(std::make_unique<Stage>()) {
  if (auto moment = parseMoment(context.now); !context.now.empty() && moment) {
    m_clock = std::make_unique<ShiftedSystemClock>(*moment);
  } else {
    m_clock = std::make_unique<SystemClock>();
  }
  g_stopComm = false;
  std::signal(SIGINT, stopOnSignal);
  m_session = std::make_unique<CommSession>(m_stage->link, *m_clock, g_stopComm);
  if (isatty(STDERR_FILENO)) {
    std::string label = context.state.texts.LoadText(kProgressText);
    m_session->onProgress = [label](int percent) {
      std::string bar(static_cast<std::size_t>(percent * kBarWidth / 100), '#');
      std::fprintf(stderr, "\r%s: %d%% [%-*s]", label.c_str(), percent, kBarWidth, bar.c_str());
      std::fflush(stderr);
    };
  }
}

CliTransfer::~CliTransfer() { std::signal(SIGINT, SIG_DFL); }

double CliTransfer::seconds() const {
  auto elapsed = m_clock->monotonic() - m_startedAt.monotonic;
  return std::chrono::round<std::chrono::milliseconds>(elapsed).count() / 1000.0;
}

void CliTransfer::log(const TransferLogEntry& entry) {
  if (!WriteTransferLog(entry, *m_clock, m_startedAt))
    std::fprintf(stderr, "%s: not written\n", transferLogPath().string().c_str());
}

nlohmann::json CliTransfer::resultJson(const Texts& texts, TransferResult result, int attempts) const {
  return {{"result", result},
          {"text", result == transfer::kOk ? std::string("OK") : texts.LoadText(result)},
          {"attempts", attempts},
          {"seconds", seconds()}};
}

int CliTransfer::finish(const CliContext& context, TransferResult result, int attempts, nlohmann::json extra) {
  if (m_session->onProgress) std::fputc('\n', stderr);
  // The program's own text came first; the platform's reason follows it.
  const std::string portError = m_stage->link.openError();
  if (result != transfer::kOk && !portError.empty()) std::cerr << portError << "\n";
  if (context.json) {
    nlohmann::json document = resultJson(context.state.texts, result, attempts);
    if (extra.is_object()) document.update(extra);
    context.printJson(document);
  }
  return result == transfer::kOk ? kExitOk : kExitRefused;
}

TransferChoices FetchChoices(const CliContext& context, const PortOptions& options) {
  const Installation& installation = context.state.installation;
  TransferChoices choices;
  choices.target.port = DeviceForPort(options.port);
  choices.target.baudRate = options.baud != 0 ? options.baud : installation.Settings.BaudRate;
  choices.target.connect.centralModel = installation.CentralModel;
  return choices;
}

void AddPortOptions(CLI::App& command, PortOptions& options) {
  command.add_option("--port", options.port, "Serial port: a number (COMn) or a device path")->required();
  command.add_option("--baud", options.baud, "Baud rate (default: the installation's)")
      ->check(CLI::IsMember({2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400}));
}

}  // namespace ordalis::cli
