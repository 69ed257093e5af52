// The installation file as a whole: magic, version, model, the tables in
// their fixed order with counts that depend on the model, and the end
// marker. Shared by the reader and the fixture builder.
//
//   offset 0  3  magic "Q&Z"
//   offset 3  1  FileVersion (60; 40 is also read)
//   offset 4  1  CentralModel
//   offset 5     the tables of fileTables() below
//   then      3  end marker "Q&Z"
//
// Version 40 differs from 60: no ModemSettings record, Sensors counted per
// model as 32, 16, 2, 10, 10, and eight 50-character texts in place of the
// SecurityZoneNames (the names of the zones that the buttons address).
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "installation/installation_layout.h"

namespace ordalis {

constexpr char kInstallationMagic[] = "Q&Z";  // also the end marker
constexpr std::size_t kInstallationMagicSize = 3;
constexpr std::size_t kVersionOffset = 3;
constexpr std::size_t kModelOffset = 4;
constexpr std::size_t kFirstTableOffset = 5;

constexpr uint8_t kCurrentFileVersion = 60;
constexpr uint8_t kSecurityTextsFileVersion = 40;  // the oldest version read
constexpr int kSecurityZoneTexts = 8;
using SecurityZoneTexts = std::array<NameText, kSecurityZoneTexts>;

// How many records of the model-dependent tables a file holds.
struct FileTableCounts {
  int Interfaces = 0;
  int AudioZones = 0;
  int TimedFunctions = 0;
  int IfThenElse = 0;
  int Motors = 0;
  int Sensors = 0;
  int Conditions = 0;
  int OutputModules = 0;
  int Flags = 0;
};

// The counts of a version-60 or version-40 file of this model byte (a byte
// above 4 counts as model 3).
FileTableCounts fileTableCounts(uint8_t version, uint8_t model);

// The number of bytes of a whole version-60 or version-40 file of the model.
std::size_t installationFileSize(uint8_t version, uint8_t model);

// Every table from Units to the SecurityZoneNames (version 60) or the eight
// texts (version 40), in file order. Inst is Installation, const for writing;
// Texts8 is SecurityZoneTexts, used by version 40 only.
template <class IO, class Inst, class Texts8>
void fileTables(IO& io, Inst& inst, uint8_t version, const FileTableCounts& counts, Texts8& eightTexts) {
  auto each = [&io](auto& table, int count, auto record) {
    const int n = std::min<int>(count, static_cast<int>(table.size()));
    for (int i = 0; i < n; ++i) record(io, table[i]);
  };
  each(inst.Units, kStoredUnits, [](auto& in, auto& r) { layout::unit(in, r); });
  each(inst.Interfaces, counts.Interfaces, [](auto& in, auto& r) { layout::interface(in, r); });
  each(inst.AudioZones, counts.AudioZones, [](auto& in, auto& r) { layout::audioZone(in, r); });
  each(inst.TransparentFunctions, kTransparentFunctionEntries,
       [](auto& in, auto& r) { layout::transparentFunction(in, r); });
  each(inst.TimedFunctions, counts.TimedFunctions, [](auto& in, auto& r) { layout::timedFunction(in, r); });
  each(inst.IfThenElseFunctions, counts.IfThenElse,
       [](auto& in, auto& r) { layout::ifThenElseFunction(in, r); });
  each(inst.FanFunctions, kFanFunctionEntries, [](auto& in, auto& r) { layout::fanFunction(in, r); });
  each(inst.MotorFunctions, counts.Motors, [](auto& in, auto& r) { layout::motorFunction(in, r); });
  each(inst.LocalMoods, kLocalMoodTableEntries, [](auto& in, auto& r) { layout::localMood(in, r); });
  each(inst.TimedLocalMoods, kTimedLocalMoodTableEntries,
       [](auto& in, auto& r) { layout::timedLocalMood(in, r); });
  each(inst.GeneralMoods, kGeneralMoodTableEntries, [](auto& in, auto& r) { layout::generalMood(in, r); });
  each(inst.Sensors, counts.Sensors, [](auto& in, auto& r) { layout::sensor(in, r); });
  layout::settings(io, inst.Settings);
  if (version != kSecurityTextsFileVersion) layout::modem(io, inst.Modem);
  each(inst.Conditions, counts.Conditions, [](auto& in, auto& r) { layout::condition(in, r); });
  io.bytes(inst.Extra);
  each(inst.Messages, kMessageEntries, [](auto& in, auto& r) { layout::message(in, r); });
  each(inst.OutputModules, counts.OutputModules, [](auto& in, auto& r) { layout::outputModule(in, r); });
  each(inst.ProcessFunctions, kProcessFunctionEntries,
       [](auto& in, auto& r) { layout::processFunction(in, r); });
  each(inst.Flags, counts.Flags, [](auto& in, auto& r) { layout::flag(in, r); });
  if (version == kSecurityTextsFileVersion)
    each(eightTexts, kSecurityZoneTexts, [](auto& in, auto& text) { in.text(text); });
  else
    each(inst.SecurityZoneNames, kSecurityZoneEntries, [](auto& in, auto& text) { in.text(text); });
}

}  // namespace ordalis
