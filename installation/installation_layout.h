// The byte layout of the installation file, written once for both
// directions: each function walks a record's fields in file order through
// an IO that either reads them (BoundedReader) or writes them (the fixture
// builder's writer). Records follow each other without gaps; the reserved
// bytes in front of 16- and 32-bit fields and at the ends of records are
// spelled out. The comments give each field's offset in its record.
//
// An IO offers byte(v), bytes(array), int16(v), int32(v), text(FixedText)
// and reserved(n); R is the record type, const when writing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "installation/installation.h"

namespace ordalis {

constexpr std::size_t kUnitRecordSize = 54;
constexpr std::size_t kInterfaceButtonSize = 68;
constexpr std::size_t kInterfaceRecordSize = 597;
constexpr std::size_t kAudioZoneRecordSize = 52;
constexpr std::size_t kTransparentRecordSize = 52;
constexpr std::size_t kTimedFunctionRecordSize = 56;
constexpr std::size_t kIfThenElseRecordSize = 58;
constexpr std::size_t kFanFunctionRecordSize = 58;
constexpr std::size_t kMotorFunctionRecordSize = 54;
constexpr std::size_t kLocalMoodRecordSize = 81;
constexpr std::size_t kTimedLocalMoodRecordSize = 112;
constexpr std::size_t kGeneralMoodRecordSize = 366;
constexpr std::size_t kSensorRecordSize = 56;
constexpr std::size_t kSettingsRecordSize = 348;
constexpr std::size_t kModemRecordSize = 152;
constexpr std::size_t kConditionRecordSize = 74;
constexpr std::size_t kExtraOptionsSize = 4;
constexpr std::size_t kMessageRecordSize = 84;
constexpr std::size_t kModuleOutputSize = 56;
constexpr std::size_t kOutputModuleRecordSize = 500;
constexpr std::size_t kProcessFunctionRecordSize = 57;
constexpr std::size_t kNameRecordSize = 50;  // flags, security zone names, version 40's eight texts

namespace layout {

template <class IO, class R>
void unit(IO& io, R& r) {
  io.text(r.Name);    // 0
  io.byte(r.Kind);    // 50
  io.reserved(1);     // 51
  io.int16(r.Value);  // 52
}

template <class IO, class R>
void interfaceButton(IO& io, R& r) {
  io.byte(r.FirstType);     // 0
  io.byte(r.FirstNumber);   // 1
  io.byte(r.SecondType);    // 2
  io.byte(r.SecondNumber);  // 3
  io.text(r.Label);         // 4
  io.text(r.Text1);         // 54
  io.text(r.Text2);         // 61
}

template <class IO, class R>
void interface(IO& io, R& r) {
  io.text(r.Name);                                             // 0
  io.byte(r.ModuleType);                                       // 50
  io.bytes(r.Parameters);                                      // 51, 52
  for (auto& button : r.Buttons) interfaceButton(io, button);  // 53 + 68 * j
}

template <class IO, class R>
void audioZone(IO& io, R& r) {
  io.bytes(r.Parameters);  // 0, 1
  io.text(r.Name);         // 2
}

template <class IO, class R>
void transparentFunction(IO& io, R& r) {
  io.text(r.Name);         // 0
  io.bytes(r.Parameters);  // 50, 51
}

template <class IO, class R>
void timedFunction(IO& io, R& r) {
  io.bytes(r.Parameters);  // 0, 1, 2
  io.reserved(1);          // 3
  io.int16(r.Value);       // 4
  io.text(r.Name);         // 6
}

template <class IO, class R>
void ifThenElseFunction(IO& io, R& r) {
  io.text(r.Name);         // 0
  io.bytes(r.Parameters);  // 50 to 57
}

template <class IO, class R>
void fanFunction(IO& io, R& r) {
  io.bytes(r.Parameters);     // 0 to 3
  io.int16(r.Value);          // 4
  io.text(r.Name);            // 6
  io.byte(r.ExtraParameter);  // 56
  io.reserved(1);             // 57
}

template <class IO, class R>
void motorFunction(IO& io, R& r) {
  io.bytes(r.Parameters);  // 0, 1
  io.int16(r.Value);       // 2
  io.text(r.Name);         // 4
}

template <class IO, class R>
void localMood(IO& io, R& r) {
  for (auto& entry : r.Entries) io.bytes(entry);  // 0 + 3 * j
  io.byte(r.MoodByte);                            // 30
  io.text(r.Name);                                // 31
}

template <class IO, class R>
void timedLocalMood(IO& io, R& r) {
  io.byte(r.MoodByte);             // 0
  io.reserved(1);                  // 1
  for (auto& entry : r.Entries) {  // 2 + 6 * j
    io.bytes(entry.Bytes);         // +0, +1, +2
    io.reserved(1);                // +3
    io.int16(entry.Value);         // +4
  }
  io.text(r.Name);  // 62
}

template <class IO, class R>
void generalMood(IO& io, R& r) {
  io.bytes(r.Relays);                             // 0, elements 0 to 176
  io.bytes(r.Dimmers);                            // 177, elements 0 to 120
  for (auto& entry : r.Entries) io.bytes(entry);  // 298 + 3 * m
  io.text(r.Name);                                // 316
}

template <class IO, class R>
void sensor(IO& io, R& r) {
  io.bytes(r.Parameters);  // 0 to 5
  io.text(r.Name);         // 6
}

template <class IO, class R>
void settings(IO& io, R& r) {
  io.int32(r.BaudRate);                             // 0
  for (auto& text : r.SettingTexts) io.text(text);  // 4 + 50 * i
  io.int32(r.LanguageOffset);                       // 304
  io.byte(r.OptionA);                               // 308
  io.byte(r.OptionB);                               // 309
  io.bytes(r.Workdays);                             // 310, Monday first
  io.bytes(r.OptionsCToI);                          // 317
  io.bytes(r.OptionArray1);                         // 324
  io.bytes(r.OptionArray2);                         // 331
  io.bytes(r.OptionsJToQ);                          // 338
  io.reserved(2);                                   // 346
}

template <class IO, class R>
void modem(IO& io, R& r) {
  io.byte(r.InUse);       // 0
  io.byte(r.Type);        // 1
  io.text(r.InitString);  // 2
  io.text(r.Telephone);   // 52
  io.text(r.Callback);    // 102
}

template <class IO, class R>
void condition(IO& io, R& r) {
  io.text(r.Name);                                   // 0
  for (auto& array : r.Parameters) io.bytes(array);  // 50, 56, 62, 68
}

template <class IO, class R>
void message(IO& io, R& r) {
  io.text(r.Name);         // 0
  io.text(r.Line1);        // 50
  io.text(r.Line2);        // 66
  io.bytes(r.Parameters);  // 82, 83
}

template <class IO, class R>
void moduleOutput(IO& io, R& r) {
  io.text(r.Name);       // 0
  io.byte(r.Kind);       // 50
  io.reserved(1);        // 51
  io.int16(r.Value);     // 52
  io.byte(r.Parameter);  // 54
  io.reserved(1);        // 55
}

template <class IO, class R>
void outputModule(IO& io, R& r) {
  io.text(r.Name);                                          // 0
  io.byte(r.ModuleType);                                    // 50
  io.byte(r.Address);                                       // 51
  for (auto& output : r.Outputs) moduleOutput(io, output);  // 52 + 56 * j
}

template <class IO, class R>
void processFunction(IO& io, R& r) {
  io.text(r.Name);         // 0
  io.bytes(r.Parameters);  // 50 to 56
}

template <class IO, class R>
void flag(IO& io, R& r) {
  io.text(r.Name);  // 0
}

}  // namespace layout
}  // namespace ordalis
