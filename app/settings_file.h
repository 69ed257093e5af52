// The settings file "Vantrel.ini", shared with the companion program Vantrel:
// section Global (Language, Baudrate, ComPort, Path) and this program's own
// section Clock (NBTFile, TimeSet). Read once at start-up, written once when
// the main window unloads. The location is the caller's: the Qt edge supplies
// the user's configuration folder.
#pragma once

#include <cstdint>
#include <string>

#include "base/file_store.h"
#include "base/ini_file.h"
#include "app/program_state.h"

namespace ordalis {

inline constexpr const char* kSettingsFileName = "Vantrel.ini";

// The language a stored "Language" value stands for. A number below 10000 is
// a tenth of the offset; anything that is not one of the seven offsets gives
// Dutch and asks for the language dialog.
struct LanguageChoice {
  int32_t offset = 10000;
  bool dialogNeeded = true;
};
LanguageChoice LanguageFromSetting(const std::string& value);

struct SettingsReadResult {
  // The stored language was missing or invalid: the language dialog must be
  // shown before any other window (Dutch holds until the user picks).
  bool languageDialogNeeded = false;
};

// Reads the settings at iniPath into state (language into both the setting
// and LanguageOffset, baud rate, port, time-set option, InstallationPath) and
// applies Path as the working directory. Never fails: a missing file, key or
// number, or a directory that cannot be entered leaves the default or the
// current value.
SettingsReadResult ReadSettings(const std::string& iniPath, ProgramState& state);

// Writes the settings of state into iniPath, changing only these keys and
// keeping every other line of the file. The working directory is written
// unless it lies on drive A: or B:. The caller may ignore the result.
FileWriteResult WriteSettings(const std::string& iniPath, const ProgramState& state);

// Whether a working directory may be stored: not on a floppy drive (first
// character "a" or "b", without case).
bool ShouldStoreWorkingDirectory(const std::string& directory);

// The serial device for port number n: the value of key "COMn" in section
// "Ports" of the settings when present, else the platform's name for COMn
// (/dev/ttyS(n-1) on Linux).
std::string SerialDeviceForPort(const IniFile& settings, int port);
// The same, with the settings file at iniPath read as it stands now (a
// missing or unreadable file maps no port: the platform's name is used).
std::string SerialDeviceForPort(const std::string& iniPath, int port);

}  // namespace ordalis
