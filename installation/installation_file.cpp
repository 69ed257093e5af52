// Reading an installation file, step by step (the file exists):
//   2. ResetInstallation
//   3. magic "Q&Z", else "No VANTREL file!", clear the name, stop
//   4. version; below 10: "Old version, ...", clear the name, stop
//   5. model byte (a digit character in versions 10 and 11)
//   6. ApplyCentralModel(model)
//   7. the tables of version 60 or 40; any other version: "Wrong version",
//      nothing more is read and the name stays set
//   8. end marker "Q&Z", else "No VANTREL file!" and clear the name
//  10. the file's language offset, made valid, becomes the active one
//  11. ApplyCentralModel(CentralModel) over the loaded tables
// A file that ends inside its header (before the model byte) is no
// installation file either: "No VANTREL file!", name cleared, tables reset.
#include "installation/installation_file.h"

#include <algorithm>

#include "installation/bounded_reader.h"
#include "installation/installation_file_layout.h"

namespace ordalis {

namespace {

constexpr int kTextOldVersion = 903;
constexpr int kTextNoVantrelFile = 904;
constexpr int kTextWrongVersion = 937;

constexpr uint8_t kOldestKnownVersion = 10;
constexpr uint8_t kOldMotorType = 17;
constexpr uint8_t kMotorType = 6;
constexpr uint8_t kSecurityZoneType = 61;
constexpr int kConvertedInterfaces = 99;  // interfaces 0 to 98

void showError(const Texts& texts, Prompts& prompts, int textId) {
  prompts.ask(Message{texts.LoadText(textId), kErrorTitle, MessageButtons::Ok, MessageIcon::Critical,
                      std::nullopt});
}

bool isMarker(const std::array<char, kInstallationMagicSize>& chars) {
  return std::equal(chars.begin(), chars.end(), kInstallationMagic);
}

bool readMarker(BoundedReader& in) {
  std::array<char, kInstallationMagicSize> chars{};  // preset: a short file never matches
  in.raw(chars.data(), chars.size());
  return isMarker(chars);
}

// Versions 10 and 11 store the model as a digit character.
uint8_t modelOf(uint8_t version, uint8_t modelByte) {
  return version <= 11 ? static_cast<uint8_t>(modelByte - '0') : modelByte;
}

bool isReadVersion(uint8_t version) {
  return version == kCurrentFileVersion || version == kSecurityTextsFileVersion;
}

// Version 40 buttons: the old motor type 17 of the second function becomes
// 6 (flag bits kept), and a button j addressing a security zone names that
// zone with the file's text j.
void convertVersion40(Installation& installation, const SecurityZoneTexts& texts) {
  for (int i = 0; i < kConvertedInterfaces; ++i) {
    auto& buttons = installation.Interfaces[i].Buttons;
    for (int j = 0; j < kButtonsPerInterface; ++j) {
      InterfaceButton& button = buttons[j];
      if (functionTypeOf(button.SecondType) == kOldMotorType)
        button.SecondType = static_cast<uint8_t>((button.SecondType & kFunctionFlagsMask) | kMotorType);
      if (functionTypeOf(button.SecondType) == kSecurityZoneType)
        installation.SecurityZoneNames[button.SecondNumber] = texts[j];
    }
  }
}

// Steps 7 and 8 for a version that is read; false when the end marker fails.
bool readTables(BoundedReader& in, Installation& installation, uint8_t version, uint8_t model) {
  SecurityZoneTexts texts;
  fileTables(in, installation, version, fileTableCounts(version, model), texts);
  if (version == kSecurityTextsFileVersion) convertVersion40(installation, texts);
  return readMarker(in);
}

// Steps 10 and 11.
void settleLanguageAndModel(Installation& installation, Texts& texts) {
  if (!isValidLanguageOffset(installation.Settings.LanguageOffset)) installation.Settings.LanguageOffset = 0;
  texts.LanguageOffset = installation.Settings.LanguageOffset;
  ApplyCentralModel(installation, texts, installation.CentralModel);
}

}  // namespace

InstallationFileOutcome ReadInstallationBytes(std::span<const uint8_t> bytes, InstallationTarget target,
                                              Prompts& prompts) {
  Installation& installation = target.installation;
  Texts& texts = target.texts;
  std::string& name = target.path;
  ResetInstallation(installation, target.baudRate, texts.LanguageOffset);

  auto refuse = [&](int textId, InstallationFileOutcome outcome) {
    showError(texts, prompts, textId);
    name.clear();
    return outcome;
  };
  BoundedReader in(bytes);
  if (!readMarker(in)) return refuse(kTextNoVantrelFile, InstallationFileOutcome::NotAnInstallationFile);
  uint8_t version = 0;
  in.byte(version);
  if (in.ranPastEnd()) return refuse(kTextNoVantrelFile, InstallationFileOutcome::NotAnInstallationFile);
  installation.FileVersion = version;
  if (version < kOldestKnownVersion) return refuse(kTextOldVersion, InstallationFileOutcome::OldVersion);
  uint8_t modelByte = 0;
  in.byte(modelByte);
  if (in.ranPastEnd()) return refuse(kTextNoVantrelFile, InstallationFileOutcome::NotAnInstallationFile);
  const uint8_t model = modelOf(version, modelByte);
  ApplyCentralModel(installation, texts, model);

  InstallationFileOutcome outcome = InstallationFileOutcome::Loaded;
  if (!isReadVersion(version)) {
    showError(texts, prompts, kTextWrongVersion);
    outcome = InstallationFileOutcome::WrongVersion;
  } else if (!readTables(in, installation, version, model)) {
    outcome = refuse(kTextNoVantrelFile, InstallationFileOutcome::BadEndMarker);
  }
  settleLanguageAndModel(installation, texts);
  return outcome;
}

}  // namespace ordalis
