// Which functions the editor lists, in which order, with which codes.
#include "editor/function_catalogue.h"

#include "catalogue_fixture.h"

namespace ordalis {
namespace {

using ::testing::ElementsAre;

class FunctionCatalogueTest : public test::CatalogueTest {
 protected:
  ItemList list(int listCode, int detail = kFullDetail) {
    ItemList result;
    FillFunctionList(texts, installation, result, listCode, 2, false, detail);
    return result;
  }
  void addSensor(int s, const char* name, uint8_t kind, uint8_t byte3, uint8_t byte4) {
    installation.Sensors[s].Name.assign(name);
    installation.Sensors[s].Parameters = {kind, 0, 0, byte3, byte4, 0};
  }
};

TEST_F(FunctionCatalogueTest, TypeListHoldsSixteenTypesWithTheirListCodes) {
  ItemList types;
  types.add("left over", 0);
  FillFunctionTypeList(texts, types);
  EXPECT_THAT(codesOf(types), ElementsAre(1, 2, 5, 8, 9, 10, 54, 51, 52, 66, 65, 15, 14, 4, 3, 53));
  EXPECT_THAT(textsOf(types),
              ElementsAre("Relays", "Dimmers", "Timed function", "Local mood", "Timed local mood",
                          "General mood", "Messages and Alarmen", "TP zoemer", "Button simulation",
                          "Audio", "Sensor functions", "Flags", "Clock functions",
                          "If-Then-Else functions", "Process functions", "Service"));
}

TEST_F(FunctionCatalogueTest, NamedRelayOutputsAreListedByOutputNumber) {
  addModule(0, 111, 1).Outputs[0].Name.assign("Garage");
  OutputModule& first = addModule(3, 151, 0);
  first.Outputs[4].Name.assign("Kitchen");
  first.Outputs[7].Name.assign("Hall");
  ItemList relays = list(1);
  EXPECT_THAT(textsOf(relays), ElementsAre(" 05 Kitchen", " 08 Hall", " 09 Garage"));
  EXPECT_THAT(codesOf(relays), ElementsAre(261, 264, 265));
}

TEST_F(FunctionCatalogueTest, DimmerOutputsComeFromDimmerModulesOnly) {
  addModule(0, 111, 0).Outputs[1].Name.assign("Relay");
  addModule(1, 131, 0).Outputs[1].Name.assign("Lounge");
  EXPECT_THAT(textsOf(list(2)), ElementsAre(" 02 Lounge"));
  EXPECT_THAT(codesOf(list(2)), ElementsAre(2 * 256 + 2));
}

TEST_F(FunctionCatalogueTest, OutputsBeyondTheModelsCapacityAreNotListed) {
  installation.Capacities = capacitiesOf(kKestronEducational);  // 16 relays
  addModule(0, 111, 2).Outputs[0].Name.assign("Far away");
  EXPECT_TRUE(list(1).Entries.empty());
}

TEST_F(FunctionCatalogueTest, SensorWithEitherByteListsItsFunctions) {
  addSensor(0, "Attic", 2, 0, 5);
  addSensor(1, "Garden", 2, 7, 0);
  ItemList sensors = list(kSensorListCode);
  EXPECT_THAT(textsOf(sensors), ElementsAre(" 01 Attic: Up", " 01 Attic: Down", " 01 Attic: Switch",
                                            " 01 Attic: Day", " 01 Attic: Night", " 02 Garden: Up",
                                            " 02 Garden: Down", " 02 Garden: Switch",
                                            " 02 Garden: Day", " 02 Garden: Night"));
  ASSERT_EQ(10u, sensors.Entries.size());
  EXPECT_EQ(21 * 256 + 1, sensors.Entries[0].ItemData);
  EXPECT_EQ(26 * 256 + 2, sensors.Entries[8].ItemData);
}

TEST_F(FunctionCatalogueTest, FrostProtectionNeedsLowBitsOne) {
  addSensor(0, "Cellar", 9, 1, 0);
  addSensor(1, "Porch", 2, 1, 0);
  ItemList sensors = list(kSensorListCode);
  ASSERT_EQ(11u, sensors.Entries.size());
  EXPECT_EQ(" 01 Cellar: Night", sensors.Entries[4].Text);
  EXPECT_EQ(" 01 Cellar: Frost protection", sensors.Entries[5].Text);
  EXPECT_EQ(24 * 256 + 1, sensors.Entries[5].ItemData);
  EXPECT_EQ(" 02 Porch: Up", sensors.Entries[6].Text);
}

TEST_F(FunctionCatalogueTest, LowDetailLeavesOutDayNightAndFrost) {
  addSensor(0, "Cellar", 9, 1, 0);
  EXPECT_THAT(codesOf(list(kSensorListCode, 1)), ElementsAre(21 * 256 + 1, 22 * 256 + 1, 23 * 256 + 1));
}

TEST_F(FunctionCatalogueTest, SensorsBeyondTheModelsCapacityAreNotListed) {
  installation.Capacities = capacitiesOf(kKestronEducational);  // 2 sensors
  addSensor(2, "Third", 2, 1, 1);
  EXPECT_TRUE(list(kSensorListCode).Entries.empty());
}

TEST_F(FunctionCatalogueTest, ANamedAudioZoneListsItsEighteenCommandsInOrder) {
  EXPECT_TRUE(list(kAudioListCode).Entries.empty());
  installation.AudioZones[3].Name.assign("Living");
  ItemList audio = list(kAudioListCode);
  std::vector<int> types;
  for (int code : codesOf(audio)) {
    EXPECT_EQ(4, code % 256);
    types.push_back(code / 256);
  }
  ASSERT_THAT(types, ElementsAre(34, 36, 37, 38, 39, 40, 41, 42, 32, 33, 44, 45, 46, 47, 48, 49, 43, 35));
  EXPECT_EQ(" 04 Living: Power On/Off", audio.Entries[0].Text);
  EXPECT_EQ(" 04 Living: AUX (Extra)", audio.Entries[17].Text);
}

TEST_F(FunctionCatalogueTest, LowDetailAudioLeavesOutTheSourceCommands) {
  installation.AudioZones[0].Name.assign("Living");
  ItemList audio = list(kAudioListCode, 1);
  ASSERT_EQ(11u, audio.Entries.size());
  EXPECT_EQ(32 * 256 + 1, audio.Entries[1].ItemData);
}

TEST_F(FunctionCatalogueTest, ClockFunctionsListTheSixRegimes) {
  ItemList regimes = list(14);
  ASSERT_THAT(codesOf(regimes), ElementsAre(14 * 256, 14 * 256 + 1, 14 * 256 + 2, 14 * 256 + 3,
                                            14 * 256 + 4, 14 * 256 + 5));
  EXPECT_EQ(" 00 Regime: Automatic Workday/Weekend", regimes.Entries[0].Text);
}

TEST_F(FunctionCatalogueTest, ServiceListsTheTwoNoActionFunctions) {
  EXPECT_THAT(textsOf(list(53)),
              ElementsAre(" 00 No-Action Reset Timer", " 01 No-Action Control ON/OFF"));
}

// Each numbered type lists the named entries of its own table, from number 0.
TEST_F(FunctionCatalogueTest, EveryNumberedTypeListsTheNamedEntriesOfItsOwnTable) {
  installation.LocalMoods[0].Name.assign("Morning");
  installation.LocalMoods[42].Name.assign("Dinner");
  installation.LocalMoods[99].Name.assign("Night");
  installation.TimedFunctions[11].Name.assign("Stairs");
  installation.ProcessFunctions[1].Name.assign("Watch");
  installation.IfThenElseFunctions[2].Name.assign("Choose");
  installation.TimedLocalMoods[3].Name.assign("Wake");
  installation.GeneralMoods[4].Name.assign("Away");
  installation.Flags[5].Name.assign("Holiday");
  installation.Messages[6].Name.assign("Door");
  EXPECT_THAT(codesOf(list(8)), ElementsAre(8 * 256, 8 * 256 + 42, 8 * 256 + 99));
  EXPECT_THAT(textsOf(list(5)), ElementsAre(" 11 Stairs"));
  EXPECT_THAT(codesOf(list(3)), ElementsAre(3 * 256 + 1));
  EXPECT_THAT(codesOf(list(4)), ElementsAre(4 * 256 + 2));
  EXPECT_THAT(codesOf(list(9)), ElementsAre(9 * 256 + 3));
  EXPECT_THAT(codesOf(list(10)), ElementsAre(10 * 256 + 4));
  EXPECT_THAT(codesOf(list(15)), ElementsAre(15 * 256 + 5));
  EXPECT_THAT(codesOf(list(54)), ElementsAre(54 * 256 + 6));
}

TEST_F(FunctionCatalogueTest, InterfacesAreListedByModuleType) {
  const std::pair<int, uint8_t> interfaces[] = {{1, 17}, {2, 4}, {3, 16}, {4, 9}, {5, 1}, {6, 8}};
  for (auto [i, moduleType] : interfaces) {
    installation.Interfaces[i].Name.assign("Panel " + std::to_string(i));
    installation.Interfaces[i].ModuleType = moduleType;
  }
  installation.Interfaces[0].Name.assign("Never listed");
  installation.Interfaces[0].ModuleType = 4;
  EXPECT_THAT(codesOf(list(51)), ElementsAre(51 * 256 + 2, 51 * 256 + 3, 51 * 256 + 6));
  EXPECT_THAT(codesOf(list(52)),
              ElementsAre(52 * 256 + 1, 52 * 256 + 2, 52 * 256 + 3, 52 * 256 + 4, 52 * 256 + 6));
  ASSERT_FALSE(list(51).Entries.empty());
  EXPECT_EQ("I 02 Panel 2" + std::string(43, ' '), list(51).Entries[0].Text);
}

TEST_F(FunctionCatalogueTest, TypesMapBackToTheirListCodes) {
  EXPECT_EQ(65, ListCodeOfType(21));
  EXPECT_EQ(65, ListCodeOfType(27));
  EXPECT_EQ(66, ListCodeOfType(32));
  EXPECT_EQ(66, ListCodeOfType(49));
  EXPECT_EQ(20, ListCodeOfType(20));
  EXPECT_EQ(50, ListCodeOfType(50));
  EXPECT_EQ(1, ListCodeOfType(1));
}

}  // namespace
}  // namespace ordalis
