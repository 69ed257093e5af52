// Resetting the installation tables and switching the central model.
#include "installation/installation.h"

#include "base/texts.h"

namespace ordalis {

namespace {

template <typename Table>
void blank(Table& table) {
  table.fill(typename Table::value_type{});
}

void resetSettings(InstallationSettings& settings, int32_t baudRate, int32_t languageOffset) {
  InstallationSettings fresh;
  // Option bytes M to Q are not part of the reset: they keep their contents.
  for (std::size_t i = 3; i < fresh.OptionsJToQ.size(); ++i) fresh.OptionsJToQ[i] = settings.OptionsJToQ[i];
  fresh.BaudRate = baudRate;
  fresh.LanguageOffset = languageOffset;
  settings = fresh;
}

// Built-in units. The compact central units (PELVAN, DRAMEL) carry their own
// inputs: interfaces 1 to 4 are their four groups of eight inputs (module
// types 17 to 20, named after texts 267 to 270) and interface 5 their two
// analog inputs (module type 21, text 271). VORDANE and both KESTRON models
// have no inputs of their own.
//
// A built-in unit takes its entry when the entry is empty (module type 0) or
// already holds that unit; its name is given only when the entry's name is
// blank, so names and buttons from the installation file are kept, and an
// entry holding some other interface is never overwritten. Switching to a
// model without built-in units clears only the units it placed itself.
constexpr int kFirstBuiltInEntry = 1;
constexpr int kBuiltInUnitCount = 5;
constexpr uint8_t kFirstBuiltInModuleType = 17;  // 17 to 20 inputs, 21 analog inputs
constexpr int kFirstBuiltInText = 267;           // texts 267 to 271

bool hasBuiltInUnits(uint8_t model) { return model == kPelvan || model == kDramel; }

Interface builtInUnit(const Texts& texts, int k) {
  Interface unit;
  unit.ModuleType = static_cast<uint8_t>(kFirstBuiltInModuleType + k);
  unit.Name.assign(texts.LoadText(kFirstBuiltInText + k));
  return unit;
}

void placeBuiltInUnits(Installation& installation, const Texts& texts) {
  const bool present = hasBuiltInUnits(installation.CentralModel);
  for (int k = 0; k < kBuiltInUnitCount; ++k) {
    Interface& entry = installation.Interfaces[kFirstBuiltInEntry + k];
    bool& placed = installation.BuiltInUnitsPlaced[static_cast<size_t>(k)];
    const Interface unit = builtInUnit(texts, k);
    if (!present) {
      if (placed && entry == unit) entry = Interface{};
      placed = false;
      continue;
    }
    if (entry.ModuleType != 0 && entry.ModuleType != unit.ModuleType) continue;
    if (entry.ModuleType == 0) placed = true;
    entry.ModuleType = unit.ModuleType;
    if (entry.Name.isBlank()) entry.Name = unit.Name;
  }
}

constexpr uint8_t kAudioZoneType = 31;
constexpr uint8_t kSensorType = 20;

// One pass over every button of every interface marks the audio zones and
// sensors that a first function refers to (its number is the entry + 1).
void clearUnreferencedAudioZonesAndSensors(Installation& installation) {
  std::array<bool, kAudioZoneEntries> zoneUsed{};
  std::array<bool, kSensorEntries> sensorUsed{};
  for (const Interface& interface : installation.Interfaces)
    for (const InterfaceButton& button : interface.Buttons) {
      const int entry = button.FirstNumber - 1;
      const uint8_t type = functionTypeOf(button.FirstType);
      if (type == kAudioZoneType && entry >= 0 && entry < kAudioZoneEntries) zoneUsed[entry] = true;
      if (type == kSensorType && entry >= 0 && entry < kSensorEntries) sensorUsed[entry] = true;
    }
  for (int i = 0; i < kAudioZoneEntries; ++i)
    if (!zoneUsed[i]) installation.AudioZones[i] = AudioZone{};
  for (int i = 0; i < kSensorEntries; ++i)
    if (!sensorUsed[i]) installation.Sensors[i] = Sensor{};
}

}  // namespace

void ResetInstallation(Installation& installation, int32_t baudRate, int32_t languageOffset) {
  blank(installation.Units);
  blank(installation.Interfaces);
  blank(installation.OutputModules);
  blank(installation.TransparentFunctions);
  blank(installation.TimedFunctions);
  blank(installation.FanFunctions);
  blank(installation.IfThenElseFunctions);
  blank(installation.MotorFunctions);
  blank(installation.LocalMoods);
  blank(installation.TimedLocalMoods);
  blank(installation.GeneralMoods);  // every output level 3, entries 0
  blank(installation.ProcessFunctions);
  blank(installation.Sensors);
  blank(installation.AudioZones);
  blank(installation.Conditions);
  blank(installation.Messages);
  blank(installation.Flags);
  blank(installation.SecurityZoneNames);
  installation.BuiltInUnitsPlaced.fill(false);
  resetSettings(installation.Settings, baudRate, languageOffset);
  installation.Modem = ModemSettings{};
  installation.Extra = kExtraOptionsReset;
}

void ApplyCentralModel(Installation& installation, const Texts& texts, uint8_t model) {
  installation.CentralModel = effectiveModel(model);
  installation.Capacities = capacitiesOf(installation.CentralModel);
  placeBuiltInUnits(installation, texts);
  clearUnreferencedAudioZonesAndSensors(installation);
}

}  // namespace ordalis
