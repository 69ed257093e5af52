// The order in which sections are built and decoded, and the default names
// of decoded entries.
#include "image/image_codec.h"

#include <array>
#include <string>

#include "image/image_sections.h"
#include "image/section_codecs.h"

namespace ordalis {

namespace {

struct BuildStep {
  int section;
  SectionBuilder build;
};

struct DecodeStep {
  int section;
  SectionDecoder decode;
};

constexpr std::array<BuildStep, 19> kBuildOrder{{
    {kInterfacesSection, BuildInterfacesSection},
    {kDimmerOutputsSection, BuildDimmerOutputsSection},
    {kTransparentSection, BuildTransparentSection},
    {kTimedSection, BuildTimedSection},
    {kFanSection, BuildFanSection},
    {kIfThenElseSection, BuildIfThenElseSection},
    {kMotorSection, BuildMotorSection},
    {kLocalMoodSection, BuildLocalMoodSection},
    {kTimedLocalMoodSection, BuildTimedLocalMoodSection},
    {kGeneralMoodSection, BuildGeneralMoodSection},
    {kProcessSection, BuildProcessSection},
    {kSensorSection, BuildSensorSection},
    {kFirstCombinedSection, BuildCombinedSection},
    {kSecondCombinedSection, BuildCombinedSection},
    {kOptionSection, BuildOptionSection},
    {kAudioZoneSection, BuildAudioZoneSection},
    {kConditionSection, BuildConditionSection},
    {kMessageSection, BuildMessageSection},
    {kOutputModuleSection, BuildOutputModulesSection},
}};

constexpr std::array<DecodeStep, 17> kDecodeOrder{{
    {kOutputModuleSection, DecodeOutputModulesSection},
    {kInterfacesSection, DecodeInterfacesSection},
    {kDimmerOutputsSection, DecodeDimmerOutputsSection},
    {kTransparentSection, DecodeTransparentSection},
    {kTimedSection, DecodeTimedSection},
    {kFanSection, DecodeFanSection},
    {kIfThenElseSection, DecodeIfThenElseSection},
    {kMotorSection, DecodeMotorSection},
    {kLocalMoodSection, DecodeLocalMoodSection},
    {kTimedLocalMoodSection, DecodeTimedLocalMoodSection},
    {kGeneralMoodSection, DecodeGeneralMoodSection},
    {kProcessSection, DecodeProcessSection},
    {kSensorSection, DecodeSensorSection},
    {kOptionSection, DecodeOptionSection},
    {kAudioZoneSection, DecodeAudioZoneSection},
    {kConditionSection, DecodeConditionSection},
    {kMessageSection, DecodeMessageSection},
}};

}  // namespace

NameText DefaultNames::operator()(int textId, int entry) const {
  return NameText(m_texts.LoadText(textId) + " " + std::to_string(entry));
}

void BuildMemoryImage(MemoryImage& image, const Installation& installation) {
  CreateMemoryImage(image);
  for (const BuildStep& step : kBuildOrder) step.build(image.block(step.section)->Build, installation);
  image.ImageTotal = 0;
  for (int number = 0; number <= kLastImageBlock; ++number) {
    FinishBlock(image, number);
    image.ImageTotal += image.block(number)->Send.Count;
  }
}

void DecodeMemoryImage(const MemoryImage& image, Installation& installation, const Texts& texts) {
  const DefaultNames names(texts);
  for (const DecodeStep& step : kDecodeOrder) {
    step.decode(image.block(step.section)->Receive, installation, names);
  }
}

}  // namespace ordalis
