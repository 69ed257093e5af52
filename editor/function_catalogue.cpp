// Listing the installation's functions by list code.
#include "editor/function_catalogue.h"

#include <algorithm>
#include <array>

#include "functions/function_text.h"
#include "installation/output_numbering.h"

namespace ordalis {

namespace {

// The type list after "Relays" and "Dimmers", by function type.
constexpr std::array<int, kFunctionTypeListSize - 2> kListedTypes = {
    5, 8, 9, 10, 54, 51, 52, 66, 65, 15, 14, 4, 3, 53};

// Types listed by number, 0 to 254, when the function exists.
constexpr std::array<int, 10> kNumberedTypes = {3, 4, 5, 8, 9, 10, 14, 15, 53, 54};
constexpr int kLastListedNumber = 254;
constexpr int kMaxGroupEntries = 32;  // audio zones and sensors listed at most
constexpr int kBuzzerListCode = 51;
constexpr int kButtonListCode = 52;

// A function of an audio zone or a sensor and the detail level that lists it.
struct GroupFunction {
  int type;
  int detail;
};

constexpr std::array<GroupFunction, 18> kAudioZoneFunctions = {{
    {34, 1}, {36, 2}, {37, 2}, {38, 2}, {39, 2}, {40, 2}, {41, 2}, {42, 2}, {32, 1},
    {33, 1}, {44, 1}, {45, 1}, {46, 1}, {47, 1}, {48, 1}, {49, 1}, {43, 1}, {35, 1},
}};

constexpr int kFrostProtectionType = 24;
constexpr std::array<GroupFunction, 6> kSensorFunctions = {{
    {21, 1}, {22, 1}, {23, 1}, {26, 2}, {25, 2}, {kFrostProtectionType, 2},
}};
// Sensor parameter bytes: 0 holds the kind in its low three bits (1 offers
// frost protection); 3 and 4 both 0 mean a sensor without functions.
constexpr int kSensorKindByte = 0;
constexpr uint8_t kSensorKindMask = 0x07;
constexpr uint8_t kFrostSensorKind = 1;
constexpr int kSensorUseByteA = 3;
constexpr int kSensorUseByteB = 4;

int32_t functionCode(int type, int number) { return type * 256 + number; }

// The list context shared by the helpers below.
struct Filler {
  const Texts& texts;
  const Installation& installation;
  ItemList& list;
  int style;
  bool tabbed;
  int detail;

  void addFunction(int type, int number) {
    list.add(FunctionText(texts, installation, type, number, style, tabbed),
             functionCode(type, number));
  }

  void addOutputs(int type, int count, NameText (*nameOf)(const Installation&, int)) {
    for (int n = 1; n <= count; ++n)
      if (!nameOf(installation, n).isBlank()) addFunction(type, n);
  }

  void addAudioZones() {
    const int zones = std::min<int>(installation.Capacities.MaxAudioZones, kMaxGroupEntries);
    for (int z = 0; z < zones; ++z) {
      if (installation.AudioZones[z].Name.isBlank()) continue;
      for (const GroupFunction& f : kAudioZoneFunctions)
        if (detail >= f.detail) addFunction(f.type, z + 1);
    }
  }

  void addSensors() {
    const int sensors = std::min<int>(installation.Capacities.MaxSensors, kMaxGroupEntries);
    for (int s = 0; s < sensors; ++s) {
      const Sensor& sensor = installation.Sensors[s];
      const auto& p = sensor.Parameters;
      if (sensor.Name.isBlank() || (p[kSensorUseByteA] == 0 && p[kSensorUseByteB] == 0)) continue;
      const bool frost = (p[kSensorKindByte] & kSensorKindMask) == kFrostSensorKind;
      for (const GroupFunction& f : kSensorFunctions) {
        if (detail < f.detail) continue;
        if (f.type == kFrostProtectionType && !frost) continue;
        addFunction(f.type, s + 1);
      }
    }
  }

  // Touch panels (buzzer) or button interfaces, from interface 1 on.
  void addInterfaces(int type, bool (*offers)(uint8_t moduleType)) {
    const int last = std::min<int>(installation.Capacities.MaxInterfaces, kInterfaceEntries - 1);
    for (int i = 1; i <= last; ++i) {
      const Interface& interface = installation.Interfaces[i];
      if (interface.Name.isBlank() || !offers(interface.ModuleType)) continue;
      list.add(TouchPanelText(texts, installation, i, style, tabbed), functionCode(type, i));
    }
  }

  void addNumbered(int type) {
    for (int i = 0; i <= kLastListedNumber; ++i)
      if (FunctionExists(texts, installation, type, i)) addFunction(type, i);
  }
};

bool hasBuzzer(uint8_t moduleType) { return moduleType == 16 || (moduleType >= 2 && moduleType <= 8); }
bool hasButtons(uint8_t moduleType) {
  return (moduleType >= 2 && moduleType <= 10) || (moduleType >= 16 && moduleType <= 20);
}

}  // namespace

int ListCodeOfType(int type) {
  if (type >= 21 && type <= 27) return kSensorListCode;
  if (type >= 32 && type <= 49) return kAudioListCode;
  return type;
}

void FillFunctionTypeList(const Texts& texts, ItemList& list) {
  list.clear();
  list.add(texts.LoadText(kRelaysText), 1);
  list.add(texts.LoadText(kDimmersText), 2);
  for (int type : kListedTypes) list.add(texts.FunctionTypeNames[type], type);
}

void FillFunctionList(const Texts& texts, const Installation& installation, ItemList& list,
                      int listCode, int style, bool tabbed, int detail) {
  Filler filler{texts, installation, list, style, tabbed, detail};
  const ModelCapacities& capacities = installation.Capacities;
  switch (listCode) {
    case 1: filler.addOutputs(1, capacities.MaxRelayOutputs, RelayName); return;
    case 2: filler.addOutputs(2, capacities.MaxDimmerOutputs, DimmerName); return;
    case kAudioListCode: filler.addAudioZones(); return;
    case kSensorListCode: filler.addSensors(); return;
    case kBuzzerListCode: filler.addInterfaces(kBuzzerListCode, hasBuzzer); return;
    case kButtonListCode: filler.addInterfaces(kButtonListCode, hasButtons); return;
    default:
      if (std::find(kNumberedTypes.begin(), kNumberedTypes.end(), listCode) != kNumberedTypes.end())
        filler.addNumbered(listCode);
  }
}

}  // namespace ordalis
