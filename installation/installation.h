// The installation: the central model with its capacities and every table
// of the installation file, with the reset that empties them and the model
// switch that places the central unit's built-in units.
//
// Tables are fixed arrays of fixed records (names are FixedText, padded with
// spaces), so the whole installation is one flat value. Entry i of a table is
// function (or unit) number i of its type. Only the first "stored" entries of
// a table come from a file or an image (the counts of ModelCapacities or the
// fixed counts below); the rest keep their blank state.
#pragma once

#include <array>
#include <cstdint>

#include "installation/installation_records.h"
#include "installation/model_capacities.h"

namespace ordalis {

class Texts;

// Entries of each table.
constexpr int kUnitEntries = 252;
constexpr int kStoredUnits = 251;  // entries 0 to 250 come from the file; 251 stays blank
constexpr int kInterfaceEntries = 100;
constexpr int kOutputModuleEntries = 37;
constexpr int kTransparentFunctionEntries = 25;
constexpr int kTimedFunctionEntries = 70;
constexpr int kFanFunctionEntries = 10;
constexpr int kIfThenElseEntries = 40;
constexpr int kMotorFunctionEntries = 40;
constexpr int kLocalMoodTableEntries = 100;
constexpr int kTimedLocalMoodTableEntries = 10;
constexpr int kGeneralMoodTableEntries = 20;
constexpr int kProcessFunctionEntries = 10;
constexpr int kSensorEntries = 32;
constexpr int kAudioZoneEntries = 32;
constexpr int kConditionEntries = 30;
constexpr int kMessageEntries = 10;
constexpr int kFlagEntries = 40;
constexpr int kSecurityZoneEntries = 256;

struct Installation {
  uint8_t CentralModel = kVordane;
  ModelCapacities Capacities = capacitiesOf(kVordane);
  uint8_t FileVersion = 0;  // version byte of the last installation file read

  std::array<Unit, kUnitEntries> Units;
  std::array<Interface, kInterfaceEntries> Interfaces;
  std::array<OutputModule, kOutputModuleEntries> OutputModules;
  std::array<TransparentFunction, kTransparentFunctionEntries> TransparentFunctions;
  std::array<TimedFunction, kTimedFunctionEntries> TimedFunctions;
  std::array<FanFunction, kFanFunctionEntries> FanFunctions;
  std::array<IfThenElseFunction, kIfThenElseEntries> IfThenElseFunctions;
  std::array<MotorFunction, kMotorFunctionEntries> MotorFunctions;
  std::array<LocalMood, kLocalMoodTableEntries> LocalMoods;
  std::array<TimedLocalMood, kTimedLocalMoodTableEntries> TimedLocalMoods;
  std::array<GeneralMood, kGeneralMoodTableEntries> GeneralMoods;
  std::array<ProcessFunction, kProcessFunctionEntries> ProcessFunctions;
  std::array<Sensor, kSensorEntries> Sensors;
  std::array<AudioZone, kAudioZoneEntries> AudioZones;
  std::array<Condition, kConditionEntries> Conditions;
  std::array<AlarmMessage, kMessageEntries> Messages;
  std::array<Flag, kFlagEntries> Flags;
  std::array<NameText, kSecurityZoneEntries> SecurityZoneNames;
  InstallationSettings Settings;
  ModemSettings Modem;
  ExtraOptions Extra = kExtraOptionsReset;
  // Which of interfaces 1 to 5 the model switch filled with a built-in unit
  // itself (the entry was empty); only those are taken out again.
  std::array<bool, 5> BuiltInUnitsPlaced{};
};

// Empties every table (names blank, numbers 0, general moods 3 for every
// output) and gives the single records their defaults: the settings take the
// program's baud rate and language offset; option bytes M to Q (the last five
// of OptionsJToQ) keep what they held. The model, capacities and FileVersion
// are not touched.
void ResetInstallation(Installation& installation, int32_t baudRate, int32_t languageOffset);

// Sets CentralModel (a model byte above 4 is taken as 3) and its capacities,
// places the model's built-in units in interfaces 1 to 5 (names from texts 267
// to 271 in the active language), and clears every audio zone and sensor that
// no interface button refers to. Output modules are never created or changed.
// A model without built-in units takes out only the units that a switch
// placed and that are still as placed: interfaces from a file or an image
// stay, with their buttons.
void ApplyCentralModel(Installation& installation, const Texts& texts, uint8_t model);

}  // namespace ordalis
