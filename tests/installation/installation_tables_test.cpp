// The installation tables: reset state, model switching, built-in units and
// the clearing of audio zones and sensors that no button refers to.
#include <gtest/gtest.h>

#include <cstring>

#include "base/texts.h"
#include "installation/installation.h"
#include "tests/installation/patterned_installation.h"
#include "tools/fixtures/installation_file_builder.h"

namespace ordalis {
namespace {

InterfaceButton button(uint8_t firstType, uint8_t firstNumber, uint8_t secondType, uint8_t secondNumber) {
  InterfaceButton result;
  result.FirstType = firstType;
  result.FirstNumber = firstNumber;
  result.SecondType = secondType;
  result.SecondNumber = secondNumber;
  return result;
}

class InstallationTables : public ::testing::Test {
 protected:
  InstallationTables() { ResetInstallation(installation, 9600, 30000); }
  Installation installation;
  Texts texts;
};

TEST_F(InstallationTables, ResetGivesTheSingleRecordsTheirDefaults) {
  EXPECT_EQ(installation.Modem.InitString.withoutTrailingSpaces(), "ATZ0");
  EXPECT_TRUE(installation.Modem.Telephone.isBlank());
  EXPECT_EQ(installation.Settings.Workdays, (std::array<uint8_t, 7>{1, 1, 1, 1, 1, 0, 0}));
  EXPECT_EQ(installation.Settings.BaudRate, 9600);
  EXPECT_EQ(installation.Settings.LanguageOffset, 30000);
  EXPECT_EQ(installation.Settings.OptionA, 25);
  EXPECT_EQ(installation.Settings.OptionB, 1);
  EXPECT_EQ(installation.Settings.OptionsCToI, (std::array<uint8_t, 7>{0, 0, 3, 90, 5, 5, 5}));
  EXPECT_EQ(installation.Extra, (ExtraOptions{0, 0, 0, 40}));
}

TEST_F(InstallationTables, ResetSetsOptionsJToLButKeepsMToQ) {
  installation.Settings.OptionsJToQ = {9, 9, 9, 9, 9, 9, 9, 9};
  ResetInstallation(installation, 19200, 0);
  EXPECT_EQ(installation.Settings.OptionsJToQ, (std::array<uint8_t, 8>{0, 0, 255, 9, 9, 9, 9, 9}));
}

// Every table the file stores, filled with varied values, comes out of a
// reset as a fresh installation does (options M to Q aside); the zone names, which only version 40
// files carry, too.
TEST_F(InstallationTables, ResetBlanksEveryTable) {
  for (uint8_t model = 0; model < kCentralModelCount; ++model) {
    Installation used = test::patternedInstallation(model);
    used.SecurityZoneNames[255].assign("Garage");
    ResetInstallation(used, 9600, 30000);
    installation.CentralModel = used.CentralModel;
    installation.Capacities = used.Capacities;
    installation.Settings.OptionsJToQ = used.Settings.OptionsJToQ;  // M to Q survive, as below
    const std::vector<uint8_t> reset = fixtures::BuildInstallationFile(used);
    const std::vector<uint8_t> fresh = fixtures::BuildInstallationFile(installation);
    ASSERT_EQ(reset.size(), fresh.size());
    EXPECT_TRUE(reset == fresh) << "model " << int(model) << ", first difference at byte "
                                << std::mismatch(reset.begin(), reset.end(), fresh.begin()).first - reset.begin();
    EXPECT_TRUE(used.SecurityZoneNames[255].isBlank());
    EXPECT_EQ(used.Messages[9].Line2.str(), std::string(16, ' '));
  }
}

TEST_F(InstallationTables, ResetGeneralMoodsHoldLevelThreeForEveryOutput) {
  for (const GeneralMood& mood : installation.GeneralMoods) {
    for (int k = 1; k <= 176; ++k) ASSERT_EQ(mood.Relays[k], 3);
    for (int k = 1; k <= 120; ++k) ASSERT_EQ(mood.Dimmers[k], 3);
    EXPECT_EQ(mood.Relays[0], 0);
    for (const ThreeBytes& entry : mood.Entries) EXPECT_EQ(entry, (ThreeBytes{0, 0, 0}));
  }
}

TEST_F(InstallationTables, DramelDiffersFromPelvanOnlyInSensors) {
  const ModelCapacities pelvan = capacitiesOf(kPelvan);
  ApplyCentralModel(installation, texts, kDramel);
  ModelCapacities dramel = installation.Capacities;
  EXPECT_EQ(dramel.MaxSensors, 10);
  dramel.MaxSensors = pelvan.MaxSensors;
  EXPECT_EQ(std::memcmp(&dramel, &pelvan, sizeof dramel), 0);
}

TEST_F(InstallationTables, PelvanGetsItsBuiltInInputsInInterfacesOneToFive) {
  ApplyCentralModel(installation, texts, kPelvan);
  EXPECT_EQ(installation.Interfaces[0].ModuleType, 0);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(installation.Interfaces[1 + k].ModuleType, 17 + k);
    EXPECT_EQ(installation.Interfaces[1 + k].Name.withoutTrailingSpaces(), texts.LoadText(267 + k));
  }
  EXPECT_EQ(installation.Interfaces[6].ModuleType, 0);
}

TEST_F(InstallationTables, BuiltInUnitsKeepTheNamesAndButtonsOfTheFile) {
  installation.Interfaces[1].ModuleType = 17;
  installation.Interfaces[1].Name.assign("Garden buttons");
  installation.Interfaces[1].Buttons[0].FirstType = 1;
  ApplyCentralModel(installation, texts, kPelvan);
  EXPECT_EQ(installation.Interfaces[1].Name.withoutTrailingSpaces(), "Garden buttons");
  EXPECT_EQ(installation.Interfaces[1].Buttons[0].FirstType, 1);
}

TEST_F(InstallationTables, BuiltInUnitsNeverReplaceAnotherInterface) {
  installation.Interfaces[2].ModuleType = 8;
  installation.Interfaces[2].Name.assign("Kitchen panel");
  ApplyCentralModel(installation, texts, kDramel);
  EXPECT_EQ(installation.Interfaces[2].ModuleType, 8);
  EXPECT_EQ(installation.Interfaces[2].Name.withoutTrailingSpaces(), "Kitchen panel");
  EXPECT_EQ(installation.Interfaces[3].ModuleType, 19);
}

TEST_F(InstallationTables, ModelsWithoutBuiltInUnitsClearTheOnesLeftBehind) {
  installation.Interfaces[4].ModuleType = 8;  // a real interface stays
  ApplyCentralModel(installation, texts, kPelvan);
  ApplyCentralModel(installation, texts, kKestron);
  for (int entry : {1, 2, 3, 5}) {
    EXPECT_EQ(installation.Interfaces[entry].ModuleType, 0) << entry;
    EXPECT_TRUE(installation.Interfaces[entry].Name.isBlank()) << entry;
  }
  EXPECT_EQ(installation.Interfaces[4].ModuleType, 8);
}

TEST_F(InstallationTables, AudioZonesAndSensorsWithoutAButtonAreCleared) {
  for (int i = 0; i < 4; ++i) {
    installation.AudioZones[i].Name.assign("Zone");
    installation.AudioZones[i].Parameters = {1, 2};
    installation.Sensors[i].Name.assign("Sensor");
    installation.Sensors[i].Parameters[0] = 4;
  }
  // Interface 99, the last entry, refers to zone 2 with flag bits set; zone 3
  // is named only by a second function, which does not count.
  installation.Interfaces[99].Buttons[7] = button(0x40 | 31, 3, 0, 0);
  installation.Interfaces[0].Buttons[1] = button(0, 0, 31, 4);
  installation.Interfaces[10].Buttons[0] = button(20, 1, 0, 0);
  ApplyCentralModel(installation, texts, kVordane);
  EXPECT_TRUE(installation.AudioZones[0].Name.isBlank());
  EXPECT_FALSE(installation.AudioZones[2].Name.isBlank());
  EXPECT_EQ(installation.AudioZones[2].Parameters, (std::array<uint8_t, 2>{1, 2}));
  EXPECT_TRUE(installation.AudioZones[3].Name.isBlank());
  EXPECT_EQ(installation.AudioZones[3].Parameters, (std::array<uint8_t, 2>{0, 0}));
  EXPECT_FALSE(installation.Sensors[0].Name.isBlank());
  EXPECT_TRUE(installation.Sensors[1].Name.isBlank());
  EXPECT_EQ(installation.Sensors[1].Parameters[0], 0);
}

TEST(FixedText, IsPaddedWithSpacesAndCutAtItsLength) {
  FixedText<5> shortText("ab");
  EXPECT_EQ(shortText.str(), "ab   ");
  EXPECT_EQ(shortText.withoutTrailingSpaces(), "ab");
  FixedText<5> longText("abcdefgh");
  EXPECT_EQ(longText.str(), "abcde");
  EXPECT_TRUE(FixedText<3>().isBlank());
  EXPECT_EQ(FixedText<3>(" a ").withoutTrailingSpaces(), " a");
}

}  // namespace
}  // namespace ordalis
