// Record counts and sizes of the installation file by version and model.
#include "installation/installation_file_layout.h"

namespace ordalis {

namespace {

// Version 40 stores its sensors in fixed counts per model.
constexpr std::array<int, kCentralModelCount> kVersion40Sensors = {32, 16, 2, 10, 10};

// An IO that only counts the bytes a layout spans.
struct ByteCounter {
  std::size_t size = 0;
  template <class T>
  void byte(const T&) {
    size += 1;
  }
  template <class A>
  void bytes(const A& values) {
    size += values.size();
  }
  template <class T>
  void int16(const T&) {
    size += 2;
  }
  template <class T>
  void int32(const T&) {
    size += 4;
  }
  template <std::size_t N>
  void text(const FixedText<N>&) {
    size += N;
  }
  void reserved(std::size_t n) { size += n; }
};

}  // namespace

FileTableCounts fileTableCounts(uint8_t version, uint8_t model) {
  const ModelCapacities& capacities = capacitiesOf(model);
  FileTableCounts counts;
  counts.Interfaces = capacities.MaxInterfaces;
  counts.AudioZones = capacities.MaxAudioZones;
  counts.TimedFunctions = capacities.MaxTimedFunctions;
  counts.IfThenElse = capacities.MaxIfThenElse;
  counts.Motors = capacities.MaxMotors;
  counts.Sensors =
      version == kSecurityTextsFileVersion ? kVersion40Sensors[effectiveModel(model)] : capacities.MaxSensors;
  counts.Conditions = capacities.MaxConditions;
  counts.OutputModules = capacities.MaxOutputModules;
  counts.Flags = capacities.MaxFlags;
  return counts;
}

std::size_t installationFileSize(uint8_t version, uint8_t model) {
  static const Installation blank;
  SecurityZoneTexts texts;
  ByteCounter counter;
  fileTables(counter, blank, version, fileTableCounts(version, model), texts);
  return kFirstTableOffset + counter.size + kInstallationMagicSize;
}

}  // namespace ordalis
