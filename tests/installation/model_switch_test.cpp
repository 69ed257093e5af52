// Switching the central model takes out only the built-in units the switch
// placed itself: interfaces that came with the installation stay, and with
// their buttons the sensors and audio zones they use.
#include <gtest/gtest.h>

#include "base/texts.h"
#include "installation/installation.h"

namespace ordalis {
namespace {

constexpr uint8_t kSensorFunction = 20;

class ModelSwitch : public ::testing::Test {
 protected:
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
