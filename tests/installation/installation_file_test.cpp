// Reading installation files built by the fixture builder: lengths, clean
// reads for every model, the refusals with their messages, version 40.
#include "installation/installation_file.h"

#include "app/open_installation_command.h"

#include <gtest/gtest.h>

#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "tests/installation/patterned_installation.h"
#include "tools/fixtures/installation_file_builder.h"

namespace ordalis {
namespace {

using fixtures::BuildInstallationFile;

constexpr const char* kNoVantrelFile = "No VANTREL file!";

// Sizes straight from the file layout: header, record counts times record
// sizes in file order, end marker.
std::size_t expectedVersion60Size(uint8_t model) {
  const ModelCapacities& c = capacitiesOf(model);
  return 5 + 251 * 54 + c.MaxInterfaces * 597 + c.MaxAudioZones * 52 + 25 * 52 + c.MaxTimedFunctions * 56 +
         c.MaxIfThenElse * 58 + 10 * 58 + c.MaxMotors * 54 + 100 * 81 + 10 * 112 + 20 * 366 +
         c.MaxSensors * 56 + 348 + 152 + c.MaxConditions * 74 + 4 + 10 * 84 + c.MaxOutputModules * 500 +
         10 * 57 + c.MaxFlags * 50 + 256 * 50 + 3;
}

class InstallationFile : public ::testing::Test {
 protected:
  InstallationFile() {
    state.settings.BaudRate = 9600;
    state.clock.InstallationPath = "house.nbt";
  }

  InstallationFileOutcome read(const std::vector<uint8_t>& bytes) {
    return ReadInstallationBytes(bytes, state, prompts);
  }
  // The file the tables now hold, as the builder writes it.
  std::vector<uint8_t> tablesAsFile(uint8_t version = kCurrentFileVersion) const {
    return BuildInstallationFile(state.installation, version);
  }
  void expectOnlyMessage(const std::string& text) const {
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, text);
    EXPECT_EQ(prompts.shown[0].title, kErrorTitle);
    EXPECT_EQ(prompts.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(prompts.shown[0].buttons, MessageButtons::Ok);
  }
  // The tables as ResetInstallation leaves what they held before.
  void expectTablesReset(Installation before) const {
    ResetInstallation(before, state.settings.BaudRate, state.texts.LanguageOffset);
    before.CentralModel = state.installation.CentralModel;
    EXPECT_EQ(tablesAsFile(), BuildInstallationFile(before));
  }

  ProgramState state;
  test::ScriptedPrompts prompts;
};

// Version 60 has the length of its layout; both versions read cleanly for
// every model (version 40 keeps the modem defaults, having no modem record).
TEST_F(InstallationFile, Version60HasTheLengthOfItsLayoutAndBothReadCleanlyForEveryModel) {
  for (uint8_t version : {60, 40}) {
    for (uint8_t model = 0; model < kCentralModelCount; ++model) {
      SCOPED_TRACE(int(model) * 100 + version);
      prompts.shown.clear();
      const std::vector<uint8_t> file = BuildInstallationFile(test::patternedInstallation(model, version), version);
      if (version == 60) EXPECT_EQ(file.size(), expectedVersion60Size(model));
      if (version == 60) EXPECT_EQ(installationFileSize(60, model), expectedVersion60Size(model));
      EXPECT_EQ(read(file), InstallationFileOutcome::Loaded);
      EXPECT_TRUE(prompts.shown.empty());
      EXPECT_EQ(state.clock.InstallationPath, "house.nbt");
      EXPECT_EQ(state.installation.FileVersion, version);
      EXPECT_EQ(state.installation.CentralModel, model);
      EXPECT_EQ(tablesAsFile(version), file);
      if (version == 40) EXPECT_EQ(state.installation.Modem.InitString.withoutTrailingSpaces(), "ATZ0");
      EXPECT_FALSE(state.installation.Units[250].Name.isBlank());
      EXPECT_TRUE(state.installation.Units[251].Name.isBlank());  // no file carries unit 251
    }
  }
}

TEST_F(InstallationFile, AChangedLastByteFailsTheEndMarkerButKeepsWhatWasRead) {
  std::vector<uint8_t> file = BuildInstallationFile(test::patternedInstallation(kVordane));
  file.back() = 'X';
  EXPECT_EQ(read(file), InstallationFileOutcome::BadEndMarker);
  expectOnlyMessage(kNoVantrelFile);
  EXPECT_TRUE(state.clock.InstallationPath.empty());
  file.back() = 'Z';
  EXPECT_EQ(tablesAsFile(), file);
}

TEST_F(InstallationFile, AnotherMagicOrVersionNineIsRefusedWithTheTablesReset) {
  const struct {
    std::size_t offset;
    uint8_t value;
    InstallationFileOutcome outcome;
    const char* message;
  } cases[] = {{1, '@', InstallationFileOutcome::NotAnInstallationFile, kNoVantrelFile},
               {3, 9, InstallationFileOutcome::OldVersion, "Old version, use V2.32 or V2.15 for conversion"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    prompts.shown.clear();
    state.clock.InstallationPath = "house.nbt";
    read(BuildInstallationFile(test::patternedInstallation(kKestron)));
    std::vector<uint8_t> file = BuildInstallationFile(test::patternedInstallation(kVordane));
    file[c.offset] = c.value;
    const Installation before = state.installation;
    prompts.shown.clear();
    EXPECT_EQ(read(file), c.outcome);
    expectOnlyMessage(c.message);
    EXPECT_TRUE(state.clock.InstallationPath.empty());
    expectTablesReset(before);
  }
}

// Version 50 and versions older than forty are a wrong version that keeps the
// name; only the model byte was applied (versions 10 and 11 store it as a
// character: "1" is KESTRON).
TEST_F(InstallationFile, OtherVersionsAreAWrongVersionThatKeepsTheName) {
  std::vector<uint8_t> v50 = BuildInstallationFile(test::patternedInstallation(kPelvan));
  v50[3] = 50;
  EXPECT_EQ(read(v50), InstallationFileOutcome::WrongVersion);
  expectOnlyMessage("Wrong version");
  EXPECT_EQ(state.clock.InstallationPath, "house.nbt");
  EXPECT_EQ(state.installation.Capacities.MaxClockLines, 50);
  EXPECT_TRUE(state.installation.Units[0].Name.isBlank());
  EXPECT_TRUE(state.installation.Modem.Telephone.isBlank());
  std::vector<uint8_t> file = {'Q', '&', 'Z', 10, '1'};
  EXPECT_EQ(read(file), InstallationFileOutcome::WrongVersion);
  EXPECT_EQ(state.installation.CentralModel, kKestron);
  EXPECT_EQ(state.installation.Capacities.MaxSensors, 24);
  for (uint8_t version : {11, 24, 28, 37, 38, 39, 41, 59, 61, 255}) {
    prompts.shown.clear();
    file[3] = version;
    EXPECT_EQ(read(file), InstallationFileOutcome::WrongVersion) << int(version);
    expectOnlyMessage("Wrong version");
  }
}

TEST_F(InstallationFile, TheFilesLanguageBecomesActiveAndAnInvalidOneEnglish) {
  for (const auto& [stored, active] : {std::pair<int16_t, int16_t>{30000, 30000}, {12345, 0}}) {
    state.texts.LanguageOffset = 10000;
    Installation installation = test::patternedInstallation(kVordane);
    installation.Settings.LanguageOffset = stored;
    EXPECT_EQ(read(BuildInstallationFile(installation)), InstallationFileOutcome::Loaded);
    EXPECT_EQ(state.installation.Settings.LanguageOffset, active) << stored;
    EXPECT_EQ(state.texts.LanguageOffset, active) << stored;
  }
}

// Only the second function's type 17 becomes motor (6), flag bits kept; the
// eight texts name the security zones the buttons' second functions use.
TEST_F(InstallationFile, Version40ButtonsGetMotorsAndTheirSecurityZoneNames) {
  Installation installation = test::patternedInstallation(kVordane, 40);
  installation.Interfaces[98].Buttons[7].SecondType = 0xC0 | 17;
  installation.Interfaces[4].Buttons[1].FirstType = 17;
  installation.Interfaces[0].Buttons[2].SecondType = 61;
  installation.Interfaces[0].Buttons[2].SecondNumber = 255;
  installation.Interfaces[7].Buttons[5].SecondType = 0x40 | 61;
  installation.Interfaces[7].Buttons[5].SecondNumber = 3;
  SecurityZoneTexts texts;
  for (int j = 0; j < 8; ++j) texts[j].assign("Zone text " + std::to_string(j));
  read(BuildInstallationFile(installation, 40, texts));
  EXPECT_EQ(state.installation.Interfaces[98].Buttons[7].SecondType, 0xC0 | 6);
  EXPECT_EQ(state.installation.Interfaces[4].Buttons[1].FirstType, 17);
  EXPECT_EQ(state.installation.SecurityZoneNames[255].withoutTrailingSpaces(), "Zone text 2");
  EXPECT_EQ(state.installation.SecurityZoneNames[3].withoutTrailingSpaces(), "Zone text 5");
  EXPECT_TRUE(state.installation.SecurityZoneNames[4].isBlank());
}

TEST_F(InstallationFile, AMissingFileClearsTheNameAndTouchesNothing) {
  state.installation.Units[3].Name.assign("Kept");
  state.clock.InstallationPath = test::TempDir().path("absent.nbt");
  EXPECT_EQ(OpenInstallationFile(state, prompts), InstallationFileOutcome::NotFound);
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_TRUE(state.clock.InstallationPath.empty());
  EXPECT_EQ(state.installation.Units[3].Name.withoutTrailingSpaces(), "Kept");
}

}  // namespace
}  // namespace ordalis
