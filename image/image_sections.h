// The 21 sections of the memory image: their numbers, record sizes and the
// length that each builder sets (its build count).
//
//   section  source                         length
//   0        Interfaces                     (MaxInterfaces + 1) x 34 (records are 35)
//   1        dimmer outputs                 MaxDimmerOutputs
//   2        TransparentFunctions           25 x 2
//   3        TimedFunctions                 MaxTimedFunctions x 5
//   4        FanFunctions                   10 x 6
//   5        IfThenElseFunctions            MaxIfThenElse x 8
//   6        MotorFunctions                 MaxMotors x 4
//   7        LocalMoods                     100 x 31
//   8        TimedLocalMoods                10 x 51
//   9        GeneralMoods                   20 x (MaxRelayOutputs + MaxDimmerOutputs + 15)
//   10       ProcessFunctions               10 x 7
//   11       not built                      0
//   12       Sensors                        MaxSensors x 23
//   13, 14   not built (see below)          0
//   15       settings and extra options     37
//   16       AudioZones                     MaxAudioZones x 2
//   17       Conditions                     MaxConditions x 20
//   18       clock table (clock_section.h)  13 x MaxClockLines + 12
//   19       Messages                       10 x 34
//   20       OutputModules                  MaxOutputModules x 2
#pragma once

#include <algorithm>

#include "installation/model_capacities.h"

namespace ordalis {

enum ImageSection : int {
  kInterfacesSection = 0,
  kDimmerOutputsSection = 1,
  kTransparentSection = 2,
  kTimedSection = 3,
  kFanSection = 4,
  kIfThenElseSection = 5,
  kMotorSection = 6,
  kLocalMoodSection = 7,
  kTimedLocalMoodSection = 8,
  kGeneralMoodSection = 9,
  kProcessSection = 10,
  kEmptySection = 11,
  kSensorSection = 12,
  kFirstCombinedSection = 13,
  kSecondCombinedSection = 14,
  kOptionSection = 15,
  kAudioZoneSection = 16,
  kConditionSection = 17,
  // 18 is kClockSection (clock_section.h)
  kMessageSection = 19,
  kOutputModuleSection = 20,
};

// Bytes per record in each section.
constexpr int kInterfaceRecord = 3 + 8 * 4;  // type, two parameters, 8 buttons of 4 bytes
constexpr int kInterfaceLengthPerRecord = 34;  // what section 0's length counts per record
constexpr int kTransparentRecord = 2;
constexpr int kTimedRecord = 3 + 2;
constexpr int kFanRecord = 4 + 2;
constexpr int kIfThenElseRecord = 8;
constexpr int kMotorRecord = 2 + 2;
constexpr int kLocalMoodRecord = 1 + 10 * 3;
constexpr int kTimedLocalMoodRecord = 1 + 10 * 5;
constexpr int kGeneralMoodSteps = 5;  // the sixth step is not sent
constexpr int kGeneralMoodTail = kGeneralMoodSteps * 3;
constexpr int kProcessRecord = 7;
constexpr int kSensorNameBytes = 17;
constexpr int kSensorRecord = kSensorNameBytes + 6;
constexpr int kOptionSectionLength = 37;
constexpr int kAudioZoneRecord = 2;
constexpr int kConditionRecord = 4 * 5;
constexpr int kMessageRecord = 16 + 16 + 2;
constexpr int kOutputModuleRecord = 2;

// Records carried for a table: its capacity, never more than its entries.
template <typename Table>
int carried(int capacity, const Table& table) {
  return std::clamp(capacity, 0, static_cast<int>(table.size()));
}

// The build count of a section for a model's capacities (0 for sections
// that are not built: 11, 13, 14; 18 is built by the clock transfer and is
// reported here with its length too). A number outside 0..20 gives 0.
int SectionLength(int section, const ModelCapacities& capacities);

}  // namespace ordalis
