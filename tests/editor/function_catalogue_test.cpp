// Which functions the editor lists, in which order, with which codes; and
// previews of function definitions by list code.
#include "editor/function_catalogue.h"
#include "editor/function_preview.h"

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

// Relays by output number, dimmers from dimmer modules only, nothing beyond
// the model's capacity.
TEST_F(FunctionCatalogueTest, NamedOutputsAreListedByOutputNumberFromTheirModuleKind) {
  addModule(0, 111, 1).Outputs[0].Name.assign("Garage");
  OutputModule& first = addModule(3, 151, 0);
  first.Outputs[4].Name.assign("Kitchen");
  first.Outputs[7].Name.assign("Hall");
  addModule(1, 131, 0).Outputs[1].Name.assign("Lounge");
  ItemList relays = list(1);
  EXPECT_THAT(textsOf(relays), ElementsAre(" 05 Kitchen", " 08 Hall", " 09 Garage"));
  EXPECT_THAT(codesOf(relays), ElementsAre(261, 264, 265));
  EXPECT_THAT(textsOf(list(2)), ElementsAre(" 02 Lounge"));
  EXPECT_THAT(codesOf(list(2)), ElementsAre(2 * 256 + 2));
  installation.Capacities = capacitiesOf(kKestronEducational);  // 16 relays
  addModule(5, 111, 2).Outputs[0].Name.assign("Far away");
  EXPECT_EQ(textsOf(relays), textsOf(list(1)));
}

TEST_F(FunctionCatalogueTest, SensorWithEitherByteListsItsFunctionsWithinTheModelsCapacity) {
  addSensor(0, "Attic", 2, 0, 5);
  addSensor(1, "Garden", 2, 7, 0);
  addSensor(2, "Third", 2, 1, 1);
  installation.Capacities = capacitiesOf(kKestronEducational);  // 2 sensors
  ItemList sensors = list(kSensorListCode);
  EXPECT_THAT(textsOf(sensors), ElementsAre(" 01 Attic: Up", " 01 Attic: Down", " 01 Attic: Switch",
                                            " 01 Attic: Day", " 01 Attic: Night", " 02 Garden: Up",
                                            " 02 Garden: Down", " 02 Garden: Switch",
                                            " 02 Garden: Day", " 02 Garden: Night"));
  EXPECT_EQ(21 * 256 + 1, sensors.Entries[0].ItemData);
  EXPECT_EQ(26 * 256 + 2, sensors.Entries[8].ItemData);
}

// Frost protection needs low bits one; low detail leaves out day, night and frost.
TEST_F(FunctionCatalogueTest, FrostProtectionNeedsLowBitsOneAndLowDetailLeavesOutDayNightAndFrost) {
  addSensor(0, "Cellar", 9, 1, 0);
  addSensor(1, "Porch", 2, 1, 0);
  ItemList sensors = list(kSensorListCode);
  ASSERT_EQ(11u, sensors.Entries.size());
  EXPECT_EQ(" 01 Cellar: Night", sensors.Entries[4].Text);
  EXPECT_EQ(" 01 Cellar: Frost protection", sensors.Entries[5].Text);
  EXPECT_EQ(24 * 256 + 1, sensors.Entries[5].ItemData);
  EXPECT_EQ(" 02 Porch: Up", sensors.Entries[6].Text);
  EXPECT_THAT(codesOf(list(kSensorListCode, 1)), ElementsAre(21 * 256 + 1, 22 * 256 + 1, 23 * 256 + 1,
                                                              21 * 256 + 2, 22 * 256 + 2, 23 * 256 + 2));
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
  ItemList lowDetail = list(kAudioListCode, 1);  // leaves out the source commands
  ASSERT_EQ(11u, lowDetail.Entries.size());
  EXPECT_EQ(32 * 256 + 4, lowDetail.Entries[1].ItemData);
}

// Clock functions list the six regimes, service the two no-action functions.
TEST_F(FunctionCatalogueTest, ClockFunctionsAndServiceListTheirFixedEntries) {
  ItemList regimes = list(14);
  ASSERT_THAT(codesOf(regimes), ElementsAre(14 * 256, 14 * 256 + 1, 14 * 256 + 2, 14 * 256 + 3,
                                            14 * 256 + 4, 14 * 256 + 5));
  EXPECT_EQ(" 00 Regime: Automatic Workday/Weekend", regimes.Entries[0].Text);
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
  for (auto [type, listCode] : {std::pair{21, 65}, {27, 65}, {32, 66}, {49, 66}, {20, 20}, {50, 50}, {1, 1}})
    EXPECT_EQ(listCode, ListCodeOfType(type)) << type;
}

class FunctionPreviewTest : public test::CatalogueTest {
 protected:
  std::string preview(int listCode, int number) {
    return FunctionPreviewText(texts, installation, listCode, number);
  }
  void nameRelay(int n, const char* name) {
    OutputModule& module = installation.OutputModules[0];
    module.ModuleType = 111;
    module.Outputs[n - 1].Name.assign(name);
  }
};

TEST_F(FunctionPreviewTest, GeneralMoodShowsCoupledRelaysThenDimmersThenSteps) {
  nameRelay(2, "Lamp");
  GeneralMood& mood = installation.GeneralMoods[1];
  mood.Relays[2] = 255;
  mood.Dimmers[120] = 127;
  mood.Entries[5] = {10, 3, 255};
  installation.GeneralMoods[3].Name.assign("Holiday");
  EXPECT_EQ("REL  02 Lamp On\r\n\r\nDIM 120 50 %\r\nGMD  03 Holiday On", preview(10, 1));
}

TEST_F(FunctionPreviewTest, ProcessShowsEffectMonitoredAndExecuted) {
  installation.Flags[0].Name.assign("Alarm");
  installation.ProcessFunctions[9].Parameters = {15, 0, 0, 2, 99, 7, 0};
  EXPECT_EQ(
      "Effect after activation: \r\n  ON if TRUE & OFF if FALSE (all edges)\r\n"
      "Function to be monitored: \r\n  FLG  00 Alarm\r\n"
      "Function to be executed: \r\n  Function: 99 7",
      preview(3, 9));
  installation.ProcessFunctions[0].Parameters = {0, 0, 0, 3, 0, 0, 0};  // an unknown effect: no effect text
  EXPECT_EQ(0u, preview(3, 0).find("Effect after activation: \r\n  \r\n"));
}

TEST_F(FunctionPreviewTest, MessageForInterfaceZeroIsAnAlarmOnEveryLcd) {
  installation.Messages[2].Parameters = {0, 3};
  EXPECT_THAT(preview(54, 2), ::testing::StartsWith("Alarm (on all LCD interfaces)\r\n"));
}

// Groups, plain lists and numbers beyond the table have no preview.
TEST_F(FunctionPreviewTest, GroupsPlainListsAndNumbersBeyondTheTableHaveNoPreview) {
  installation.Flags[0].Name.assign("Named");
  installation.AudioZones[0].Name.assign("Living");
  for (int code : {14, 15, 51, 52, 53, 65, 66, 0, 99}) EXPECT_EQ("", preview(code, 1)) << code;
  for (int code : {3, 4, 5, 8, 9, 10, 54}) {
    EXPECT_EQ("", preview(code, 255)) << code;
    EXPECT_EQ("", preview(code, -1)) << code;
  }
}

}  // namespace
}  // namespace ordalis
