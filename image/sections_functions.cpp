// Sections 2, 3, 4, 5, 6 and 10: the parameter bytes and values of the
// transparent, timed, fan, if-then-else, motor and process functions.
#include <algorithm>

#include "image/image_sections.h"
#include "image/section_bytes.h"
#include "image/section_codecs.h"

namespace ordalis {

namespace {

// Section 4 packs the fan function's extra parameter (0 to 3) into the top
// two bits of byte 0 above record byte 0 (0 to 63). Values outside those
// ranges are cut to their bits so that one never spills into the other.
constexpr uint8_t kFanByteMask = 0x3F;
constexpr int kFanExtraShift = 6;
constexpr uint8_t kFanExtraMask = 0x03;

template <typename Record>
bool anyNonZero(const Record& parameters) {
  return std::any_of(parameters.begin(), parameters.end(), [](uint8_t b) { return b != 0; });
}

}  // namespace

// Section 2: the two parameter bytes of each of the 25 transparent functions.
void BuildTransparentSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kTransparentSection, installation.Capacities));
  for (size_t i = 0; i < installation.TransparentFunctions.size(); ++i) {
    out.bytes(static_cast<int>(i) * kTransparentRecord, installation.TransparentFunctions[i].Parameters);
  }
}

void DecodeTransparentSection(const ImageArea& receive, Installation& installation,
                              const DefaultNames& names) {
  const SectionReader in(receive);
  for (size_t i = 0; i < installation.TransparentFunctions.size(); ++i) {
    TransparentFunction& function = installation.TransparentFunctions[i];
    in.bytes(static_cast<int>(i) * kTransparentRecord, function.Parameters);
    if (function.Parameters[0] != 0) function.Name = names(kTransparentNameText, static_cast<int>(i));
  }
}

// Section 3: record bytes 0 to 2, then the 16-bit value.
void BuildTimedSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kTimedSection, installation.Capacities));
  const int count = carried(installation.Capacities.MaxTimedFunctions, installation.TimedFunctions);
  for (int i = 0; i < count; ++i) {
    const TimedFunction& function = installation.TimedFunctions[i];
    out.bytes(i * kTimedRecord, function.Parameters);
    out.word(i * kTimedRecord + 3, function.Value);
  }
}

void DecodeTimedSection(const ImageArea& receive, Installation& installation,
                        const DefaultNames& names) {
  const SectionReader in(receive);
  const int count = carried(installation.Capacities.MaxTimedFunctions, installation.TimedFunctions);
  for (int i = 0; i < count; ++i) {
    TimedFunction& function = installation.TimedFunctions[i];
    in.bytes(i * kTimedRecord, function.Parameters);
    function.Value = in.signedWord(i * kTimedRecord + 3);
    if (function.Parameters[0] != 0) function.Name = names(kTimedNameText, i);
  }
}

// Section 4: byte 0 = record byte 0 + 64 x extra parameter; bytes 1 to 3 the
// other parameters; then the 16-bit value.
void BuildFanSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kFanSection, installation.Capacities));
  for (size_t i = 0; i < installation.FanFunctions.size(); ++i) {
    const FanFunction& function = installation.FanFunctions[i];
    const int at = static_cast<int>(i) * kFanRecord;
    std::array<uint8_t, 4> bytes = function.Parameters;
    bytes[0] = static_cast<uint8_t>((bytes[0] & kFanByteMask) |
                                    (function.ExtraParameter & kFanExtraMask) << kFanExtraShift);
    out.bytes(at, bytes);
    out.word(at + 4, function.Value);
  }
}

void DecodeFanSection(const ImageArea& receive, Installation& installation,
                      const DefaultNames& names) {
  const SectionReader in(receive);
  for (size_t i = 0; i < installation.FanFunctions.size(); ++i) {
    FanFunction& function = installation.FanFunctions[i];
    const int at = static_cast<int>(i) * kFanRecord;
    in.bytes(at, function.Parameters);
    function.ExtraParameter = function.Parameters[0] >> kFanExtraShift;
    function.Parameters[0] &= kFanByteMask;
    function.Value = in.signedWord(at + 4);
    if (function.Parameters[0] != 0) function.Name = names(kFanNameText, static_cast<int>(i));
  }
}

// Section 5: the eight parameter bytes. A function counts as in use when
// any of them is not 0: an unused entry is all zero after a reset, and any
// byte of a defined condition, THEN or ELSE function makes it one.
void BuildIfThenElseSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kIfThenElseSection, installation.Capacities));
  const int count = carried(installation.Capacities.MaxIfThenElse, installation.IfThenElseFunctions);
  for (int i = 0; i < count; ++i) {
    out.bytes(i * kIfThenElseRecord, installation.IfThenElseFunctions[i].Parameters);
  }
}

void DecodeIfThenElseSection(const ImageArea& receive, Installation& installation,
                             const DefaultNames& names) {
  const SectionReader in(receive);
  const int count = carried(installation.Capacities.MaxIfThenElse, installation.IfThenElseFunctions);
  for (int i = 0; i < count; ++i) {
    IfThenElseFunction& function = installation.IfThenElseFunctions[i];
    in.bytes(i * kIfThenElseRecord, function.Parameters);
    if (anyNonZero(function.Parameters)) function.Name = names(kIfThenElseNameText, i);
  }
}

// Section 6: record bytes 0 and 1, then the 16-bit value; a motor is in use
// when that value is above 0.
void BuildMotorSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kMotorSection, installation.Capacities));
  const int count = carried(installation.Capacities.MaxMotors, installation.MotorFunctions);
  for (int i = 0; i < count; ++i) {
    const MotorFunction& motor = installation.MotorFunctions[i];
    out.bytes(i * kMotorRecord, motor.Parameters);
    out.word(i * kMotorRecord + 2, motor.Value);
  }
}

void DecodeMotorSection(const ImageArea& receive, Installation& installation,
                        const DefaultNames& names) {
  const SectionReader in(receive);
  const int count = carried(installation.Capacities.MaxMotors, installation.MotorFunctions);
  for (int i = 0; i < count; ++i) {
    MotorFunction& motor = installation.MotorFunctions[i];
    in.bytes(i * kMotorRecord, motor.Parameters);
    motor.Value = in.signedWord(i * kMotorRecord + 2);
    if (motor.Value > 0) motor.Name = names(kMotorNameText, i);
  }
}

// Section 10: the seven parameter bytes; in use when the fifth (file offset
// 54) is not 0.
constexpr int kProcessInUseParameter = 4;

void BuildProcessSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kProcessSection, installation.Capacities));
  for (size_t i = 0; i < installation.ProcessFunctions.size(); ++i) {
    out.bytes(static_cast<int>(i) * kProcessRecord, installation.ProcessFunctions[i].Parameters);
  }
}

void DecodeProcessSection(const ImageArea& receive, Installation& installation,
                          const DefaultNames& names) {
  const SectionReader in(receive);
  for (size_t i = 0; i < installation.ProcessFunctions.size(); ++i) {
    ProcessFunction& function = installation.ProcessFunctions[i];
    in.bytes(static_cast<int>(i) * kProcessRecord, function.Parameters);
    if (function.Parameters[kProcessInUseParameter] != 0) {
      function.Name = names(kProcessNameText, static_cast<int>(i));
    }
  }
}

}  // namespace ordalis
