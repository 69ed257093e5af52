// ordalis-cli online --port P [--baud B] CMD ARGS... [--listen SECONDS]: one
// command of the on-line protocol to the central unit, then every answer
// that arrives while listening, as the on-line control reports it.
#include <QCoreApplication>
#include <cmath>
#include <map>

#include "cli/cli_context.h"
#include "cli/transfer_cli.h"
#include "comm/halveron_control.h"
#include "comm/qt/qt_serial_link.h"

namespace ordalis::cli {
namespace {

constexpr int kCommunicationProblemText = 650;

struct OnlineOptions {
  std::string port;
  int baud = 19200;
  std::string command;
  std::vector<int> args;
  double listen = 1.0;
};

// Each command with the number of its arguments and how it reaches the control.
struct OnlineCommand {
  std::size_t arity;
  std::function<int(HalveronControl&, const std::vector<int>&)> run;
};

const std::map<std::string, OnlineCommand>& onlineCommands() {
  using A = const std::vector<int>&;
  using H = HalveronControl&;
  static const std::map<std::string, OnlineCommand> commands = {
      {"set-function", {3, [](H h, A a) { return h.SetFunction(a[0], a[1], a[2]); }}},
      {"set-relay", {2, [](H h, A a) { return h.SetRelay(a[0], a[1]); }}},
      {"set-dimmer", {2, [](H h, A a) { return h.SetDimmer(a[0], a[1]); }}},
      {"set-local-mood", {2, [](H h, A a) { return h.SetLocalMood(a[0], a[1]); }}},
      {"set-timed-local-mood", {2, [](H h, A a) { return h.SetTimedLocalMood(a[0], a[1]); }}},
      {"set-general-mood", {1, [](H h, A a) { return h.SetGeneralMood(a[0]); }}},
      {"key-press", {2, [](H h, A a) { return h.KeyPress(a[0], a[1]); }}},
      {"get-relay", {1, [](H h, A a) { return h.GetRelayState(a[0]); }}},
      {"get-dimmer", {1, [](H h, A a) { return h.GetDimmerLevel(a[0]); }}},
      {"get-function", {2, [](H h, A a) { return h.GetFunctionState(a[0], a[1]); }}},
  };
  return commands;
}

nlohmann::json eventJson(const OnLineEvent& e) {
  nlohmann::json json{{"event", EventName(e.kind)}};
  const auto [first, second, third] = e.args;
  switch (e.kind) {
    case OnLineEventKind::ErrMsg: json["code"] = first; json["text"] = e.text; break;
    case OnLineEventKind::TpKey: json["bytes"] = {first, second, third}; break;
    case OnLineEventKind::Relay: json["output"] = first; json["state"] = second; break;
    case OnLineEventKind::Dimmer: json["output"] = first; json["percent"] = second; break;
    case OnLineEventKind::Audio: json["zone"] = first; json["raw"] = second; break;
    case OnLineEventKind::RegimeState: json["number"] = first; break;
    case OnLineEventKind::Temperature: case OnLineEventKind::TemperatureSet: case OnLineEventKind::Light:
    case OnLineEventKind::Humidity: case OnLineEventKind::LightLevelSet:
      json["sensor"] = first; json["value"] = e.value; break;
    default: json["number"] = first; json["state"] = second; break;
  }
  return json;
}

std::string eventLine(const OnLineEvent& e) {
  std::string line = EventName(e.kind);
  const nlohmann::json json = eventJson(e);
  for (const auto& [key, value] : json.items())
    if (key != "event") line += " " + key + "=" + (value.is_string() ? value.get<std::string>() : value.dump());
  return line;
}

// A usage fault in the arguments, or an empty text.
std::string usageFault(const OnlineOptions& options, const OnlineCommand& command) {
  if (options.args.size() != command.arity)
    return options.command + " takes " + std::to_string(command.arity) + " argument(s)";
  const bool takesFunction = options.command == "set-function" || options.command == "get-function";
  if (takesFunction && (options.args[0] < 0 || options.args[0] > 255)) return "FNC must be 0 to 255";
  if (!(options.listen >= 0 && options.listen <= 3600)) return "--listen must be 0 to 3600 seconds";
  return {};
}

int runOnline(CliContext& context, const OnlineOptions& options) {
  const OnlineCommand& command = onlineCommands().at(options.command);
  if (const std::string fault = usageFault(options, command); !fault.empty()) {
    context.printError(fault);
    return kExitUsage;
  }
  int argc = 1;
  char name[] = "ordalis-cli";
  char* argv[] = {name, nullptr};
  std::unique_ptr<QCoreApplication> application;
  if (!QCoreApplication::instance()) application = std::make_unique<QCoreApplication>(argc, argv);

  QtSerialLink link;
  SystemClock clock;  // listening takes real time, whatever --now says
  const std::string device = DeviceForPort(options.port);
  HalveronControl control(link, clock, [&device](int) { return device; });
  std::vector<OnLineEvent> events;
  control.onEvent = [&events](const OnLineEvent& event) { events.push_back(event); };

  int result = control.InitComm(1, options.baud);
  if (result == kPortOpen) {
    result = command.run(control, options.args);
    if (result == kCommandSent)
      control.Listen(std::chrono::milliseconds(std::llround(options.listen * 1000)));
  } else {
    context.printError(context.state.texts.LoadText(kCommunicationProblemText) + ": " + device);
  }
  control.EndComm();

  if (context.json) {
    nlohmann::json document{{"result", result}, {"events", nlohmann::json::array()}};
    for (const OnLineEvent& event : events) document["events"].push_back(eventJson(event));
    context.printJson(document);
  } else {
    std::cout << "result " << result << "\n";
    for (const OnLineEvent& event : events) std::cout << eventLine(event) << "\n";
  }
  return result == 0 ? kExitOk : kExitRefused;
}

}  // namespace

void addOnlineCommand(CLI::App& app, CliContext& context, CommandResult result) {
  auto options = std::make_shared<OnlineOptions>();
  auto* command = app.add_subcommand("online", "Send one on-line command to the central unit and listen");
  command->add_option("--port", options->port, "Port number (COMn) or device path")->required();
  command->add_option("--baud", options->baud, "Baud rate (default 19200)")->check(CLI::PositiveNumber);
  command->add_option("--listen", options->listen, "Seconds to listen for answers (default 1)");
  std::vector<std::string> names;
  for (const auto& entry : onlineCommands()) names.push_back(entry.first);
  command->add_option("command", options->command, "The command")->required()->check(CLI::IsMember(names));
  command->add_option("args", options->args, "The command's numbers");
  command->callback([&context, options, result] { *result = runOnline(context, *options); });
}

}  // namespace ordalis::cli
