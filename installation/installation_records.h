// The records of the installation tables, field by field. Each comment gives
// the field's offset in the record as the installation file stores it (the
// reserved bytes of the file are not kept). Names are 50-character texts
// (FixedText), so a whole installation is one flat, copyable value.
// A blank record (names of spaces, numbers 0) is what ResetInstallation leaves.
#pragma once

#include <array>
#include <cstdint>

#include "installation/fixed_text.h"

namespace ordalis {

using ThreeBytes = std::array<uint8_t, 3>;

// Low 6 bits of a button's function-type byte: the function type; bits 6 and
// 7 are flags.
constexpr uint8_t kFunctionTypeMask = 0x3F;
constexpr uint8_t kFunctionFlagsMask = 0xC0;
inline uint8_t functionTypeOf(uint8_t typeByte) { return typeByte & kFunctionTypeMask; }

struct Unit {         // 54 bytes in the file
  NameText Name;      // 0, 50
  uint8_t Kind = 0;   // 50: 'S' wall socket, 'L' light point, 'O' other, 0 unknown
  int16_t Value = 0;  // 52 (51 reserved)
};

struct InterfaceButton {     // 68 bytes in the file
  uint8_t FirstType = 0;     // 0 (button byte 0): type of the first function, with flag bits
  uint8_t FirstNumber = 0;   // 1: first function's number counted from 1
  uint8_t SecondType = 0;    // 2: type of the second function, coded as byte 0
  uint8_t SecondNumber = 0;  // 3: second function's number (type 61: the security zone)
  NameText Label;            // 4, 50
  FixedText<7> Text1;        // 54, 7
  FixedText<7> Text2;        // 61, 7
  friend bool operator==(const InterfaceButton&, const InterfaceButton&) = default;
};
constexpr int kButtonsPerInterface = 8;

struct Interface {                                            // 597 bytes in the file
  NameText Name;                                              // 0, 50
  uint8_t ModuleType = 0;                                     // 50: module types 1 to 28
  std::array<uint8_t, 2> Parameters{};                        // 51, 52
  std::array<InterfaceButton, kButtonsPerInterface> Buttons;  // 53, 8 x 68
  friend bool operator==(const Interface&, const Interface&) = default;
};

struct ModuleOutput {     // 56 bytes in the file
  NameText Name;          // 0, 50
  uint8_t Kind = 0;       // 50: output kind byte
  int16_t Value = 0;      // 52 (51 reserved)
  uint8_t Parameter = 0;  // 54 (55 reserved); section 1 carries it for dimmers
};
constexpr int kOutputsPerModule = 8;

struct OutputModule {      // 500 bytes in the file
  NameText Name;           // 0, 50
  uint8_t ModuleType = 0;  // 50: module types 101 to 151
  uint8_t Address = 0;     // 51: address byte, the module's first output is Address * 8 + 1
  std::array<ModuleOutput, kOutputsPerModule> Outputs;  // 52, 8 x 56
};

struct TransparentFunction {            // 52
  NameText Name;                        // 0, 50
  std::array<uint8_t, 2> Parameters{};  // 50, 51
};

struct TimedFunction {                  // 56
  std::array<uint8_t, 3> Parameters{};  // 0, 1, 2 (3 reserved)
  int16_t Value = 0;                    // 4
  NameText Name;                        // 6, 50
};

struct IfThenElseFunction {             // 58
  NameText Name;                        // 0, 50
  std::array<uint8_t, 8> Parameters{};  // 50 to 57
};

struct FanFunction {                    // 58
  std::array<uint8_t, 4> Parameters{};  // 0 to 3
  int16_t Value = 0;                    // 4
  NameText Name;                        // 6, 50
  uint8_t ExtraParameter = 0;           // 56 (57 reserved); section 4 packs it into bits 6-7 of byte 0
};

struct MotorFunction {                  // 54
  std::array<uint8_t, 2> Parameters{};  // 0, 1
  int16_t Value = 0;                    // 2
  NameText Name;                        // 4, 50
};

constexpr int kLocalMoodEntries = 10;
struct LocalMood {                                      // 81
  std::array<ThreeBytes, kLocalMoodEntries> Entries{};  // 0, 10 x 3
  uint8_t MoodByte = 0;                                 // 30
  NameText Name;                                        // 31, 50
};

struct TimedMoodEntry {  // 6 in the file
  ThreeBytes Bytes{};    // 0, 1, 2 (3 reserved)
  int16_t Value = 0;     // 4
};
struct TimedLocalMood {                                     // 112
  uint8_t MoodByte = 0;                                     // 0 (1 reserved)
  std::array<TimedMoodEntry, kLocalMoodEntries> Entries{};  // 2, 10 x 6
  NameText Name;                                            // 62, 50
};

// Relay and dimmer levels of a general mood; element k is output k, element
// 0 carries no output. 3 is what a reset mood holds for every output.
constexpr int kGeneralMoodRelays = 177;
constexpr int kGeneralMoodDimmers = 121;
constexpr int kGeneralMoodEntries = 6;
constexpr uint8_t kGeneralMoodResetLevel = 3;
struct GeneralMood {  // 366
  GeneralMood() {
    Relays.fill(kGeneralMoodResetLevel);
    Dimmers.fill(kGeneralMoodResetLevel);
    Relays[0] = 0;
    Dimmers[0] = 0;
  }
  std::array<uint8_t, kGeneralMoodRelays> Relays;         // 0, 177
  std::array<uint8_t, kGeneralMoodDimmers> Dimmers;       // 177, 121
  std::array<ThreeBytes, kGeneralMoodEntries> Entries{};  // 298, 6 x 3
  NameText Name;                                          // 316, 50
};

struct ProcessFunction {                // 57
  NameText Name;                        // 0, 50
  std::array<uint8_t, 7> Parameters{};  // 50 to 56
};

struct Sensor {                         // 56
  std::array<uint8_t, 6> Parameters{};  // 0 to 5
  NameText Name;                        // 6, 50
};

struct AudioZone {                      // 52
  std::array<uint8_t, 2> Parameters{};  // 0, 1
  NameText Name;                        // 2, 50
};

struct Condition {                                     // 74
  NameText Name;                                       // 0, 50
  std::array<std::array<uint8_t, 6>, 4> Parameters{};  // 50, 56, 62, 68
};

constexpr std::size_t kMessageLineLength = 16;
struct AlarmMessage {                        // 84
  NameText Name;                        // 0, 50
  FixedText<kMessageLineLength> Line1;  // 50, 16
  FixedText<kMessageLineLength> Line2;  // 66, 16
  std::array<uint8_t, 2> Parameters{};  // 82, 83
};

struct Flag {  // 50
  NameText Name;
};

constexpr int kWeekdays = 7;
struct InstallationSettings {            // 348
  int32_t BaudRate = 19200;              // 0
  std::array<NameText, 6> SettingTexts;  // 4, 54, 104, 154, 204, 254: kept, not interpreted
  int32_t LanguageOffset = 0;            // 304
  uint8_t OptionA = 25;                  // 308
  uint8_t OptionB = 1;                   // 309
  // 310: Monday first; 1 = workday, any other value a weekend day.
  std::array<uint8_t, kWeekdays> Workdays{1, 1, 1, 1, 1, 0, 0};
  std::array<uint8_t, 7> OptionsCToI{0, 0, 3, 90, 5, 5, 5};      // 317
  std::array<uint8_t, 7> OptionArray1{};                         // 324
  std::array<uint8_t, 7> OptionArray2{};                         // 331
  std::array<uint8_t, 8> OptionsJToQ{0, 0, 255, 0, 0, 0, 0, 0};  // 338 (346, 2 reserved)
};

struct ModemSettings {          // 152
  uint8_t InUse = 0;            // 0: the communication dialog's modem box
  uint8_t Type = 0;             // 1
  NameText InitString{"ATZ0"};  // 2, 50
  NameText Telephone;           // 52, 50
  NameText Callback;            // 102, 50
};

using ExtraOptions = std::array<uint8_t, 4>;
constexpr ExtraOptions kExtraOptionsReset{0, 0, 0, 40};

}  // namespace ordalis
