// Sections 12, 15, 16, 17 and 19: sensors, the option bytes of the settings,
// audio zones, conditions and messages.
#include <string>
#include <string_view>

#include "image/image_sections.h"
#include "image/section_bytes.h"
#include "image/section_codecs.h"

namespace ordalis {

namespace {

constexpr uint8_t kSpace = 32;

// Writes text at `position` in exactly `width` bytes, padded with spaces.
void writeText(SectionWriter& out, int position, std::string_view text, int width) {
  for (int k = 0; k < width; ++k) {
    out.byte(position + k, k < static_cast<int>(text.size()) ? static_cast<uint8_t>(text[k]) : kSpace);
  }
}

// The text of `width` bytes at `position`, up to the first zero byte: a
// record that never arrived (all zeros) reads as an empty text.
std::string readText(const SectionReader& in, int position, int width) {
  std::string text;
  for (int k = 0; k < width; ++k) {
    const uint8_t c = in.byte(position + k);
    if (c == 0) break;
    text.push_back(static_cast<char>(c));
  }
  return text;
}

std::string_view trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Section 12 record: the name in 17 bytes (at most 16 characters, so byte
// 16 is always a space), then the six parameter bytes.
constexpr int kSensorNameCharacters = 16;
constexpr int kSensorParameters = kSensorNameBytes;

// Section 15, byte by byte.
constexpr int kOptionWorkdays = 0;    // 0..6, Monday to Sunday
constexpr int kOptionCToI = 7;        // C, D, E, G, F, H, I (G before F)
constexpr int kOptionArray1 = 14;     // 14..20
constexpr int kOptionArray2 = 21;     // 21..27; 28 is always 0
constexpr int kOptionA = 29;
constexpr int kOptionExtra0 = 30;
constexpr int kOptionExtra1 = 31;
constexpr int kOptionExtra3 = 32;     // extra option 2 is not sent
constexpr int kOptionB = 33;
constexpr int kOptionJToL = 34;       // J, K, L; M to Q are not sent
// Position in bytes 7..13 of option C + k (C, D, E, F, G, H, I).
constexpr std::array<int, 7> kOptionCToIOrder{0, 1, 2, 4, 3, 5, 6};

// Section 17: the first five of each of a condition's four six-byte arrays.
constexpr int kConditionBytesPerArray = 5;

// Section 19 record: the two text lines, then the two parameter bytes.
constexpr int kMessageLine1 = 0;
constexpr int kMessageLine2 = 16;
constexpr int kMessageParameters = 32;

}  // namespace

// The builder takes the name as the central unit shows it but never writes
// the shortened name back: building leaves the tables as they are.
void BuildSensorSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kSensorSection, installation.Capacities));
  const int count = carried(installation.Capacities.MaxSensors, installation.Sensors);
  for (int i = 0; i < count; ++i) {
    const Sensor& sensor = installation.Sensors[i];
    const int at = i * kSensorRecord;
    writeText(out, at, trimmed(sensor.Name.view()).substr(0, kSensorNameCharacters), kSensorNameBytes);
    out.bytes(at + kSensorParameters, sensor.Parameters);
  }
}

// Restores the name the builder sent (trailing spaces become the padding).
void DecodeSensorSection(const ImageArea& receive, Installation& installation, const DefaultNames&) {
  const SectionReader in(receive);
  const int count = carried(installation.Capacities.MaxSensors, installation.Sensors);
  for (int i = 0; i < count; ++i) {
    Sensor& sensor = installation.Sensors[i];
    const int at = i * kSensorRecord;
    sensor.Name.assign(readText(in, at, kSensorNameCharacters));
    in.bytes(at + kSensorParameters, sensor.Parameters);
  }
}

void BuildOptionSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kOptionSection, installation.Capacities));
  const InstallationSettings& s = installation.Settings;
  out.bytes(kOptionWorkdays, s.Workdays);
  for (size_t k = 0; k < kOptionCToIOrder.size(); ++k) out.byte(kOptionCToI + kOptionCToIOrder[k], s.OptionsCToI[k]);
  out.bytes(kOptionArray1, s.OptionArray1);
  out.bytes(kOptionArray2, s.OptionArray2);
  out.byte(kOptionA, s.OptionA);
  out.byte(kOptionExtra0, installation.Extra[0]);
  out.byte(kOptionExtra1, installation.Extra[1]);
  out.byte(kOptionExtra3, installation.Extra[3]);
  out.byte(kOptionB, s.OptionB);
  for (int k = 0; k < 3; ++k) out.byte(kOptionJToL + k, s.OptionsJToQ[k]);
}

void DecodeOptionSection(const ImageArea& receive, Installation& installation, const DefaultNames&) {
  const SectionReader in(receive);
  InstallationSettings& s = installation.Settings;
  in.bytes(kOptionWorkdays, s.Workdays);
  for (size_t k = 0; k < kOptionCToIOrder.size(); ++k) s.OptionsCToI[k] = in.byte(kOptionCToI + kOptionCToIOrder[k]);
  in.bytes(kOptionArray1, s.OptionArray1);
  in.bytes(kOptionArray2, s.OptionArray2);
  s.OptionA = in.byte(kOptionA);
  installation.Extra[0] = in.byte(kOptionExtra0);
  installation.Extra[1] = in.byte(kOptionExtra1);
  installation.Extra[3] = in.byte(kOptionExtra3);
  s.OptionB = in.byte(kOptionB);
  for (int k = 0; k < 3; ++k) s.OptionsJToQ[k] = in.byte(kOptionJToL + k);
}

void BuildAudioZoneSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kAudioZoneSection, installation.Capacities));
  const int count = carried(installation.Capacities.MaxAudioZones, installation.AudioZones);
  for (int i = 0; i < count; ++i) out.bytes(i * kAudioZoneRecord, installation.AudioZones[i].Parameters);
}

void DecodeAudioZoneSection(const ImageArea& receive, Installation& installation, const DefaultNames&) {
  const SectionReader in(receive);
  const int count = carried(installation.Capacities.MaxAudioZones, installation.AudioZones);
  for (int i = 0; i < count; ++i) in.bytes(i * kAudioZoneRecord, installation.AudioZones[i].Parameters);
}

void BuildConditionSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kConditionSection, installation.Capacities));
  const int count = carried(installation.Capacities.MaxConditions, installation.Conditions);
  for (int i = 0; i < count; ++i) {
    const auto& arrays = installation.Conditions[i].Parameters;
    for (size_t a = 0; a < arrays.size(); ++a) {
      const int at = i * kConditionRecord + static_cast<int>(a) * kConditionBytesPerArray;
      for (int k = 0; k < kConditionBytesPerArray; ++k) out.byte(at + k, arrays[a][k]);
    }
  }
}

void DecodeConditionSection(const ImageArea& receive, Installation& installation, const DefaultNames&) {
  const SectionReader in(receive);
  const int count = carried(installation.Capacities.MaxConditions, installation.Conditions);
  for (int i = 0; i < count; ++i) {
    auto& arrays = installation.Conditions[i].Parameters;
    for (size_t a = 0; a < arrays.size(); ++a) {
      const int at = i * kConditionRecord + static_cast<int>(a) * kConditionBytesPerArray;
      for (int k = 0; k < kConditionBytesPerArray; ++k) arrays[a][k] = in.byte(at + k);
    }
  }
}

void BuildMessageSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kMessageSection, installation.Capacities));
  for (size_t i = 0; i < installation.Messages.size(); ++i) {
    const AlarmMessage& message = installation.Messages[i];
    const int at = static_cast<int>(i) * kMessageRecord;
    writeText(out, at + kMessageLine1, message.Line1.view(), kMessageLineLength);
    writeText(out, at + kMessageLine2, message.Line2.view(), kMessageLineLength);
    out.bytes(at + kMessageParameters, message.Parameters);
  }
}

// Messages carry no name in the image and get none.
void DecodeMessageSection(const ImageArea& receive, Installation& installation, const DefaultNames&) {
  const SectionReader in(receive);
  for (size_t i = 0; i < installation.Messages.size(); ++i) {
    AlarmMessage& message = installation.Messages[i];
    const int at = static_cast<int>(i) * kMessageRecord;
    message.Line1.assign(readText(in, at + kMessageLine1, kMessageLineLength));
    message.Line2.assign(readText(in, at + kMessageLine2, kMessageLineLength));
    in.bytes(at + kMessageParameters, message.Parameters);
  }
}

void BuildCombinedSection(ImageArea& build, const Installation&) { build.Count = 0; }

}  // namespace ordalis
