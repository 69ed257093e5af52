// Central-unit models and what each can hold.
#pragma once

#include <cstdint>

namespace ordalis {

enum CentralModelCode : uint8_t {
  kVordane = 0,
  kKestron = 1,
  kKestronEducational = 2,
  kPelvan = 3,
  kDramel = 4,
};
constexpr int kCentralModelCount = 5;

struct ModelCapacities {
  int16_t MaxInterfaces;
  int16_t MaxRelayOutputs;
  int16_t MaxDimmerOutputs;
  int16_t MaxSensors;
  int16_t MaxAudioZones;
  int16_t MaxOutputModules;
  int16_t LocalRelayOutputs;
  int16_t MaxTimedFunctions;
  int16_t MaxFlags;
  int16_t MaxIfThenElse;
  int16_t MaxConditions;
  int16_t MaxMotors;
  int16_t MaxClockLines;
};

// The capacities of a model; a model byte above 4 counts as model 3.
const ModelCapacities& capacitiesOf(uint8_t model);
// The model that a stored model byte stands for (above 4 -> 3).
uint8_t effectiveModel(uint8_t modelByte);

}  // namespace ordalis
