// The installation-file branch of ordalis-cli inspect.
#include "cli/inspect_installation.h"

#include "cli/cli_documents.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "cli/cli_installation.h"
#include "installation/installation_file_layout.h"

namespace ordalis::cli {

namespace {

nlohmann::ordered_json capacitiesJson(const ModelCapacities& c) {
  return {{"max_interfaces", c.MaxInterfaces},         {"max_relay_outputs", c.MaxRelayOutputs},
          {"max_dimmer_outputs", c.MaxDimmerOutputs},  {"max_sensors", c.MaxSensors},
          {"max_audio_zones", c.MaxAudioZones},        {"max_output_modules", c.MaxOutputModules},
          {"local_relay_outputs", c.LocalRelayOutputs}, {"max_timed_functions", c.MaxTimedFunctions},
          {"max_flags", c.MaxFlags},                   {"max_if_then_else", c.MaxIfThenElse},
          {"max_conditions", c.MaxConditions},         {"max_motors", c.MaxMotors},
          {"max_clock_lines", c.MaxClockLines}};
}

}  // namespace

nlohmann::ordered_json installationJson(const ProgramState& state) {
  const Installation& installation = state.installation;
  const ModemSettings& modem = installation.Modem;
  nlohmann::ordered_json workdays = nlohmann::ordered_json::array();
  for (uint8_t day : installation.Settings.Workdays) workdays.push_back(day);
  return {{"kind", "installation_file"},
          {"version", installation.FileVersion},
          {"model", installation.CentralModel},
          {"model_name", state.texts.CentralModelNames[installation.CentralModel]},
          {"capacities", capacitiesJson(installation.Capacities)},
          {"workdays", workdays},
          {"language_offset", installation.Settings.LanguageOffset},
          {"baud_rate", installation.Settings.BaudRate},
          {"modem",
           {{"in_use", modem.InUse},
            {"type", modem.Type},
            {"init_string", modem.InitString.withoutTrailingSpaces()},
            {"telephone", modem.Telephone.withoutTrailingSpaces()},
            {"callback", modem.Callback.withoutTrailingSpaces()}}}};
}

namespace {

void printText(const ProgramState& state) {
  const Installation& installation = state.installation;
  const ModelCapacities& c = installation.Capacities;
  std::cout << "Installation file, version " << int(installation.FileVersion) << "\n"
            << "Central model: " << int(installation.CentralModel) << " "
            << state.texts.CentralModelNames[installation.CentralModel] << "\n"
            << "Clock lines: " << c.MaxClockLines << ", interfaces: " << c.MaxInterfaces
            << ", relay outputs: " << c.MaxRelayOutputs << ", dimmer outputs: " << c.MaxDimmerOutputs
            << ", sensors: " << c.MaxSensors << ", audio zones: " << c.MaxAudioZones << "\n"
            << "Workdays (Mon-Sun):";
  for (uint8_t day : installation.Settings.Workdays) std::cout << " " << int(day);
  std::cout << "\nLanguage offset: " << installation.Settings.LanguageOffset << "\n"
            << "Baud rate: " << installation.Settings.BaudRate << "\n"
            << "Modem: in use " << int(installation.Modem.InUse) << ", type " << int(installation.Modem.Type)
            << ", init \"" << installation.Modem.InitString.withoutTrailingSpaces() << "\"\n";
}

}  // namespace

bool looksLikeInstallationFile(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".nbt") return true;
  char magic[kInstallationMagicSize] = {};
  std::ifstream file(path, std::ios::binary);
  return file.read(magic, sizeof magic) && std::equal(magic, magic + sizeof magic, kInstallationMagic);
}

int inspectInstallationFile(CliContext& context, const std::string& path) {
  if (!LoadInstallationFile(context, path)) return kExitRefused;
  if (context.json)
    std::cout << installationJson(context.state).dump(2) << "\n";
  else
    printText(context.state);
  return kExitOk;
}

}  // namespace ordalis::cli
