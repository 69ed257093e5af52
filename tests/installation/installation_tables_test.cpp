// The installation tables: reset state, model switching, built-in units and
// the clearing of audio zones and sensors that no button refers to.
#include <gtest/gtest.h>


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

constexpr uint8_t kSensorFunction = 20;

class InstallationTables : public ::testing::Test {
 protected:
  InstallationTables() { ResetInstallation(installation, 9600, 30000); }
  Installation installation;
  Texts texts;
  // What reading a file of `model` does: reset, the model, then the tables.
  void ReadFileOf(uint8_t model, int entry, uint8_t moduleType) {
    ResetInstallation(installation, 9600, 0);
    ApplyCentralModel(installation, texts, model);
    Interface& unit = installation.Interfaces[entry];
    unit.ModuleType = moduleType;
    unit.Name.assign("Hall inputs");
    unit.Buttons[0].FirstType = kSensorFunction;
    unit.Buttons[0].FirstNumber = 3;
    installation.Sensors[2].Name.assign("Hall light");
    ApplyCentralModel(installation, texts, model);
  }
};

// Switching the model takes out only the built-in units the switch placed
// itself: interfaces that came with the file stay, with what their buttons use.
using ModelSwitch = InstallationTables;

// Every table the file stores, filled with varied values, comes out of a
// reset as a fresh installation does (options M to Q aside); the zone names, which only version 40
// files carry, too.
TEST_F(InstallationTables, ResetBlanksEveryTableButOptionsMToQ) {
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
  installation.Settings.OptionsJToQ = {9, 9, 9, 9, 9, 9, 9, 9};
  ResetInstallation(installation, 19200, 0);
  EXPECT_EQ(installation.Settings.OptionsJToQ, (std::array<uint8_t, 8>{0, 0, 255, 9, 9, 9, 9, 9}));
}

TEST_F(InstallationTables, PelvanGetsItsBuiltInInputsInInterfacesOneToFive) {
  ApplyCentralModel(installation, texts, kPelvan);
  EXPECT_EQ(installation.Interfaces[0].ModuleType, 0);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(installation.Interfaces[1 + k].ModuleType, 17 + k);
    EXPECT_EQ(installation.Interfaces[1 + k].Name.withoutTrailingSpaces(), texts.LoadText(267 + k));
  }
  EXPECT_EQ(installation.Interfaces[6].ModuleType, 0);
  // A built-in unit never replaces another interface at its entry.
  installation.Interfaces[2].ModuleType = 8;
  installation.Interfaces[2].Name.assign("Kitchen panel");
  ApplyCentralModel(installation, texts, kKestron);
  ApplyCentralModel(installation, texts, kDramel);
  EXPECT_EQ(installation.Interfaces[2].ModuleType, 8);
  EXPECT_EQ(installation.Interfaces[2].Name.withoutTrailingSpaces(), "Kitchen panel");
  EXPECT_EQ(installation.Interfaces[3].ModuleType, 19);
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

TEST_F(ModelSwitch, AnotherModelKeepsTheBuiltInInputsOfAPelvanFileAndWhatTheirButtonsUse) {
  ReadFileOf(kPelvan, 1, 17);
  ApplyCentralModel(installation, texts, kVordane);  // a clock file of model 0
  EXPECT_EQ(installation.Interfaces[1].ModuleType, 17);
  EXPECT_EQ(installation.Interfaces[1].Buttons[0].FirstNumber, 3);
  EXPECT_EQ(installation.Sensors[2].Name.withoutTrailingSpaces(), "Hall light");
  EXPECT_EQ(installation.Interfaces[2].ModuleType, 0) << "an input as the switch placed it goes again";
  ApplyCentralModel(installation, texts, kPelvan);
  EXPECT_EQ(installation.Interfaces[1].Name.withoutTrailingSpaces(), "Hall inputs");
  EXPECT_EQ(installation.Interfaces[2].ModuleType, 18);
}

TEST_F(ModelSwitch, AModelZeroFileKeepsItsOwnInterfaceOfABuiltInType) {
  ReadFileOf(kVordane, 3, 19);
  EXPECT_EQ(installation.Interfaces[3].ModuleType, 19);
  EXPECT_EQ(installation.Sensors[2].Name.withoutTrailingSpaces(), "Hall light");
}

}  // namespace
}  // namespace ordalis
