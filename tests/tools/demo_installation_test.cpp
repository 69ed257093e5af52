// The demo installation: it reads back whole and describes a consistent house.
#include "tools/fixtures/demo_installation.h"

#include "app/program_state.h"

#include <gtest/gtest.h>

#include "installation/installation_file.h"
#include "installation/output_numbering.h"
#include "support/scripted_prompts.h"
#include "tools/fixtures/installation_file_builder.h"

namespace ordalis {
namespace {

class DemoInstallation : public ::testing::Test {
 protected:
  DemoInstallation() {
    file = fixtures::BuildInstallationFile(fixtures::DemoInstallation());
    state.clock.InstallationPath = "demo.nbt";
    outcome = ReadInstallationBytes(file, state, prompts);
  }
  std::vector<uint8_t> file;
  ProgramState state;
  test::ScriptedPrompts prompts;
  InstallationFileOutcome outcome;
  const Installation& house() const { return state.installation; }
};

TEST_F(DemoInstallation, IsAVersion60VordaneFileInEnglishThatReadsWithoutAMessage) {
  EXPECT_EQ(file[3], 60);
  EXPECT_EQ(file[4], kVordane);
  EXPECT_EQ(outcome, InstallationFileOutcome::Loaded);
  EXPECT_TRUE(prompts.shown.empty());
  // Nothing is lost on the way: every audio zone and sensor is on a button.
  EXPECT_EQ(fixtures::BuildInstallationFile(house()), file);
  EXPECT_EQ(house().Settings.Workdays, (std::array<uint8_t, 7>{1, 1, 1, 1, 1, 0, 0}));
  EXPECT_EQ(house().Settings.LanguageOffset, 0);
}

TEST_F(DemoInstallation, NamesRelayAndDimmerOutputsOnSeveralModules) {
  EXPECT_EQ(RelayName(house(), 5).withoutTrailingSpaces(), "Kitchen");
  EXPECT_EQ(RelayName(house(), 10).withoutTrailingSpaces(), "Bedroom");
  EXPECT_EQ(RelayName(house(), 146).withoutTrailingSpaces(), "Towel radiator");
  EXPECT_EQ(DimmerName(house(), 1).withoutTrailingSpaces(), "Living ceiling");
  EXPECT_EQ(DimmerName(house(), 17).withoutTrailingSpaces(), "Wall washer");
  EXPECT_TRUE(RelayName(house(), 23).isBlank());
}

TEST_F(DemoInstallation, HasOneSensorWithFrostProtection) {
  int frost = 0;
  for (const Sensor& sensor : house().Sensors)
    if (!sensor.Name.isBlank() && (sensor.Parameters[0] & 7) == 1) ++frost;
  EXPECT_EQ(frost, 1);
}

TEST_F(DemoInstallation, HasMoodsTimedFunctionsZonesMessagesAndFlags) {
  EXPECT_FALSE(house().LocalMoods[3].Name.isBlank());
  EXPECT_FALSE(house().TimedLocalMoods[1].Name.isBlank());
  EXPECT_FALSE(house().GeneralMoods[3].Name.isBlank());
  EXPECT_FALSE(house().TimedFunctions[4].Name.isBlank());
  EXPECT_FALSE(house().AudioZones[3].Name.isBlank());
  EXPECT_FALSE(house().Messages[1].Name.isBlank());
  EXPECT_FALSE(house().Flags[3].Name.isBlank());
}

// Every button, mood step and timed function names a function that exists.
TEST_F(DemoInstallation, EveryReferenceNamesAnExistingEntry) {
  auto named = [this](uint8_t type, int number) {
    const Installation& h = house();
    switch (type) {
      case 1:
        return !RelayName(h, number).isBlank();
      case 2:
        return !DimmerName(h, number).isBlank();
      case 5:
        return number < kTimedFunctionEntries && !h.TimedFunctions[number].Name.isBlank();
      case 6:
        return number < kMotorFunctionEntries && !h.MotorFunctions[number].Name.isBlank();
      case 8:
        return number < kLocalMoodTableEntries && !h.LocalMoods[number].Name.isBlank();
      case 9:
        return number < kTimedLocalMoodTableEntries && !h.TimedLocalMoods[number].Name.isBlank();
      case 10:
        return number < kGeneralMoodTableEntries && !h.GeneralMoods[number].Name.isBlank();
      case 15:
        return number < kFlagEntries && !h.Flags[number].Name.isBlank();
      case 20:
        return number < kSensorEntries && !h.Sensors[number].Name.isBlank();
      case 31:
        return number < kAudioZoneEntries && !h.AudioZones[number].Name.isBlank();
      default:
        return false;
    }
  };
  for (const Interface& interface : house().Interfaces)
    for (const InterfaceButton& button : interface.Buttons)
      if (button.FirstType != 0) {
        const uint8_t type = functionTypeOf(button.FirstType);
        // Outputs are numbered from 1 like the buttons; other tables from 0.
        const int number = type <= 2 ? button.FirstNumber : button.FirstNumber - 1;
        EXPECT_TRUE(named(type, number)) << interface.Name.str() << button.Label.str();
      }
  for (const LocalMood& mood : house().LocalMoods)
    for (const ThreeBytes& step : mood.Entries)
      if (step[0] != 0) {
        EXPECT_TRUE(named(step[0], step[1])) << mood.Name.str();
      }
  for (const TimedFunction& function : house().TimedFunctions)
    if (!function.Name.isBlank()) {
      EXPECT_TRUE(named(function.Parameters[0], function.Parameters[1])) << function.Name.str();
    }
}

}  // namespace
}  // namespace ordalis
