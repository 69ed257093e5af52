// Reading and writing the program's keys of "Vantrel.ini" with the rules of
// each key.
#include "app/settings_file.h"

#include <cctype>
#include <filesystem>
#include <limits>

#include "base/texts.h"

namespace ordalis {

namespace {

constexpr const char* kGlobal = "Global";
constexpr const char* kClock = "Clock";

// Read buffers of the profile calls, in characters.
constexpr size_t kLanguageBuffer = 15;
constexpr size_t kBaudRateBuffer = 10;
constexpr size_t kComPortBuffer = 10;
constexpr size_t kPathBuffer = 500;
constexpr size_t kNbtFileBuffer = 250;
constexpr size_t kTimeSetBuffer = 250;

bool startsWithDigit(const std::string& text) {
  std::string trimmed = trimBlanks(text);
  return !trimmed.empty() && std::isdigit(static_cast<unsigned char>(trimmed.front()));
}

// The settings file as it stands; an empty one when there is none yet, and
// nullopt when it exists but cannot be read (then it must not be rewritten).
std::optional<IniFile> loadIni(const std::string& path) {
  FileBytes file = readFileBytes(path);
  if (file.ok) return IniFile::parse(std::string(file.bytes.begin(), file.bytes.end()));
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) && !ec) return IniFile{};
  return std::nullopt;
}

std::string currentDirectory() {
  std::error_code ec;
  std::string directory = std::filesystem::current_path(ec).string();
  return ec ? std::string() : directory;
}

}  // namespace

LanguageChoice LanguageFromSetting(const std::string& value) {
  int64_t n = leadingNumber(value);
  if (n < 10000) n *= 10;
  if (n <= std::numeric_limits<int32_t>::max() && isValidLanguageOffset(static_cast<int32_t>(n)))
    return {static_cast<int32_t>(n), false};
  return {};
}

SettingsReadResult ReadSettings(const std::string& iniPath, ProgramState& state) {
  const IniFile ini = loadIni(iniPath).value_or(IniFile{});
  Settings& settings = state.settings;
  SettingsReadResult result;

  LanguageChoice language = LanguageFromSetting(ini.get(kGlobal, "Language", "10", kLanguageBuffer));
  settings.LanguageSetting = language.offset;
  state.texts.LanguageOffset = language.offset;
  result.languageDialogNeeded = language.dialogNeeded;

  int64_t baudRate = leadingNumber(ini.get(kGlobal, "Baudrate", "19200", kBaudRateBuffer));
  if (baudRate <= std::numeric_limits<int32_t>::max())
    settings.BaudRate = static_cast<int32_t>(baudRate);
  int64_t comPort = leadingNumber(ini.get(kGlobal, "ComPort", "2", kComPortBuffer));
  if (comPort <= std::numeric_limits<int16_t>::max()) settings.ComPort = static_cast<int16_t>(comPort);

  std::string path = ini.get(kGlobal, "Path", currentDirectory(), kPathBuffer);
  std::error_code ignored;
  if (!path.empty()) std::filesystem::current_path(path, ignored);

  state.clock.InstallationPath = ini.get(kClock, "NBTFile", "", kNbtFileBuffer);
  std::string timeSet = ini.get(kClock, "TimeSet", "0", kTimeSetBuffer);
  if (startsWithDigit(timeSet) && leadingNumber(timeSet) <= 255)
    settings.TimeSet = static_cast<uint8_t>(leadingNumber(timeSet));
  std::string verify = ini.get(kClock, "Verify", "1", kTimeSetBuffer);
  if (startsWithDigit(verify) && leadingNumber(verify) <= 255) settings.Verify = static_cast<uint8_t>(leadingNumber(verify));
  return result;
}

bool ShouldStoreWorkingDirectory(const std::string& directory) {
  if (directory.empty()) return true;
  char first = static_cast<char>(std::tolower(static_cast<unsigned char>(directory.front())));
  return first != 'a' && first != 'b';
}

FileWriteResult WriteSettings(const std::string& iniPath, const ProgramState& state) {
  std::optional<IniFile> stored = loadIni(iniPath);
  if (!stored) return FileWriteResult{false, readFileBytes(iniPath).error};
  IniFile& ini = *stored;
  const Settings& settings = state.settings;
  ini.set(kGlobal, "Language", std::to_string(state.texts.LanguageOffset));
  ini.set(kGlobal, "Baudrate", std::to_string(settings.BaudRate));
  ini.set(kGlobal, "ComPort", std::to_string(settings.ComPort));
  std::string directory = currentDirectory();
  if (ShouldStoreWorkingDirectory(directory)) ini.set(kGlobal, "Path", directory);
  ini.set(kClock, "NBTFile", state.clock.InstallationPath);
  ini.set(kClock, "TimeSet", std::to_string(settings.TimeSet));
  ini.set(kClock, "Verify", std::to_string(settings.Verify));
  std::string text = ini.text();
  return replaceFileBytes(iniPath, std::vector<uint8_t>(text.begin(), text.end()));
}

std::string SerialDeviceForPort(const IniFile& settings, int port) {
  const std::string key = "COM" + std::to_string(port);
  if (auto device = settings.find("Ports", key); device && !device->empty()) return *device;
#ifdef _WIN32
  return "\\\\.\\" + key;
#else
  return "/dev/ttyS" + std::to_string(port - 1);
#endif
}

std::string SerialDeviceForPort(const std::string& iniPath, int port) {
  return SerialDeviceForPort(loadIni(iniPath).value_or(IniFile{}), port);
}

}  // namespace ordalis
