// One builder and one decoder per memory-image section. A builder sets its
// build area's count to the section length and writes every carried record
// in entry order; its decoder reads the receive area at the same positions
// back into the same table fields, then names the entries it finds in use.
// Decoders only write the fields their builder reads (plus those names), so
// they run on tables that ResetInstallation has emptied.
#pragma once

#include <string>

#include "base/texts.h"
#include "image/memory_image.h"
#include "installation/installation.h"

namespace ordalis {

// Default names of decoded entries: the type's text, a space and the entry
// number counted from 0 ("Transparent 3"), in the active language.
class DefaultNames {
 public:
  explicit DefaultNames(const Texts& texts) : m_texts(texts) {}
  NameText operator()(int textId, int entry) const;

 private:
  const Texts& m_texts;
};

// Texts that name decoded entries.
constexpr int kInterfaceNameText = 201;       // "Interface" (sections 0 and 20)
constexpr int kRelayOutputNameText = 210;     // "Relays" (outputs of section 20's relay modules)
constexpr int kDimmerOutputNameText = 211;    // "Dimmers" (outputs of its dimmer modules)
constexpr int kTransparentNameText = 111;     // "Transparent"
constexpr int kTimedNameText = 105;           // "Timed function"
constexpr int kFanNameText = 107;             // "Fan function"
constexpr int kIfThenElseNameText = 76;       // "If-Then-Else functions"
constexpr int kMotorNameText = 759;           // "Motor"
constexpr int kLocalMoodNameText = 108;       // "Local mood"
constexpr int kGeneralMoodNameText = 110;     // "General mood"
constexpr int kProcessNameText = 75;          // "Process functions"

using SectionBuilder = void (*)(ImageArea& build, const Installation& installation);
using SectionDecoder = void (*)(const ImageArea& receive, Installation& installation,
                                const DefaultNames& names);

// Interfaces, dimmer outputs, output modules (sections 0, 1, 20).
void BuildInterfacesSection(ImageArea& build, const Installation& installation);
void DecodeInterfacesSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);
void BuildDimmerOutputsSection(ImageArea& build, const Installation& installation);
void DecodeDimmerOutputsSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);
void BuildOutputModulesSection(ImageArea& build, const Installation& installation);
void DecodeOutputModulesSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);

// Function tables (sections 2, 3, 4, 5, 6, 10).
void BuildTransparentSection(ImageArea& build, const Installation& installation);
void DecodeTransparentSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);
void BuildTimedSection(ImageArea& build, const Installation& installation);
void DecodeTimedSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);
void BuildFanSection(ImageArea& build, const Installation& installation);
void DecodeFanSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);
void BuildIfThenElseSection(ImageArea& build, const Installation& installation);
void DecodeIfThenElseSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);
void BuildMotorSection(ImageArea& build, const Installation& installation);
void DecodeMotorSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);
void BuildProcessSection(ImageArea& build, const Installation& installation);
void DecodeProcessSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);

// Moods (sections 7, 8, 9).
void BuildLocalMoodSection(ImageArea& build, const Installation& installation);
void DecodeLocalMoodSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);
void BuildTimedLocalMoodSection(ImageArea& build, const Installation& installation);
void DecodeTimedLocalMoodSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);
void BuildGeneralMoodSection(ImageArea& build, const Installation& installation);
void DecodeGeneralMoodSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);

// Sensors, settings, audio zones, conditions, messages (12, 15, 16, 17, 19).
void BuildSensorSection(ImageArea& build, const Installation& installation);
void DecodeSensorSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);
void BuildOptionSection(ImageArea& build, const Installation& installation);
void DecodeOptionSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);
void BuildAudioZoneSection(ImageArea& build, const Installation& installation);
void DecodeAudioZoneSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);
void BuildConditionSection(ImageArea& build, const Installation& installation);
void DecodeConditionSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);
void BuildMessageSection(ImageArea& build, const Installation& installation);
void DecodeMessageSection(const ImageArea& receive, Installation& installation, const DefaultNames& names);

// Sections 13 and 14 (interfaces together with the function tables, in two
// parts) are what the configuration program sends to the central unit. This
// program never sends an installation, and a whole-image receive requests
// these two sections only to read past them: nothing decodes them. So their
// builders write nothing and leave the build count 0, and they send nothing.
void BuildCombinedSection(ImageArea& build, const Installation& installation);

}  // namespace ordalis
