// Section lengths by model.
#include "image/image_sections.h"

#include "image/clock_section.h"

namespace ordalis {

int SectionLength(int section, const ModelCapacities& c) {
  const int generalMood = c.MaxRelayOutputs + c.MaxDimmerOutputs + kGeneralMoodTail;
  switch (section) {
    case kInterfacesSection: return (c.MaxInterfaces + 1) * kInterfaceLengthPerRecord;
    case kDimmerOutputsSection: return c.MaxDimmerOutputs;
    case kTransparentSection: return 25 * kTransparentRecord;
    case kTimedSection: return c.MaxTimedFunctions * kTimedRecord;
    case kFanSection: return 10 * kFanRecord;
    case kIfThenElseSection: return c.MaxIfThenElse * kIfThenElseRecord;
    case kMotorSection: return c.MaxMotors * kMotorRecord;
    case kLocalMoodSection: return 100 * kLocalMoodRecord;
    case kTimedLocalMoodSection: return 10 * kTimedLocalMoodRecord;
    case kGeneralMoodSection: return 20 * generalMood;
    case kProcessSection: return 10 * kProcessRecord;
    case kSensorSection: return c.MaxSensors * kSensorRecord;
    case kOptionSection: return kOptionSectionLength;
    case kAudioZoneSection: return c.MaxAudioZones * kAudioZoneRecord;
    case kConditionSection: return c.MaxConditions * kConditionRecord;
    case kClockSection: return clockSectionLayout(c.MaxClockLines).length();
    case kMessageSection: return 10 * kMessageRecord;
    case kOutputModuleSection: return c.MaxOutputModules * kOutputModuleRecord;
    default: return 0;  // 11, 13, 14 and numbers outside the image
  }
}

}  // namespace ordalis
