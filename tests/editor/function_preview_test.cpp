// Previews of function definitions by list code.
#include "editor/function_preview.h"

#include "catalogue_fixture.h"

namespace ordalis {
namespace {

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

TEST_F(FunctionPreviewTest, RelayShowsItsLoadAndUnitKind) {
  ModuleOutput& output = addModule(0, 111, 0).Outputs[4];
  output.Name.assign("Kitchen");
  output.Value = 60;
  output.Kind = 'L';
  EXPECT_EQ("REL  05 Kitchen 60 VA LightPoint", preview(1, 5));
}

TEST_F(FunctionPreviewTest, DimmerShowsItsTimeInHalfSeconds) {
  ModuleOutput& output = addModule(0, 131, 0).Outputs[0];
  output.Name.assign("Lounge");
  output.Parameter = 25;
  output.Value = 300;
  output.Kind = 0;
  EXPECT_EQ("DIM  01 Lounge 12.5 s 300 VA Unknown", preview(2, 1));
  texts.LanguageOffset = 10000;  // Dutch writes a decimal comma
  EXPECT_NE(std::string::npos, preview(2, 1).find(" 12,5 s ")) << preview(2, 1);
}

TEST_F(FunctionPreviewTest, TimedFunctionShowsTargetLevelAndTime) {
  nameRelay(3, "Stairs");
  TimedFunction& f = installation.TimedFunctions[2];
  f.Parameters = {1, 3, 255};
  f.Value = 90;
  EXPECT_EQ("REL  03 Stairs On 90 Sec", preview(5, 2));
}

TEST_F(FunctionPreviewTest, LocalMoodShowsItsStepsWithALevel) {
  nameRelay(1, "Lamp");
  addModule(1, 131, 0).Outputs[1].Name.assign("Spots");
  LocalMood& mood = installation.LocalMoods[0];
  mood.Entries[0] = {1, 1, 0};
  mood.Entries[3] = {2, 2, 127};
  EXPECT_EQ("REL  01 Lamp Off\r\nDIM  02 Spots 50 %", preview(8, 0));
}

TEST_F(FunctionPreviewTest, TimedLocalMoodAddsTheTimeOfEachStep) {
  installation.Flags[1].Name.assign("Away");
  TimedLocalMood& mood = installation.TimedLocalMoods[4];
  mood.Entries[9].Bytes = {15, 1, 255};
  mood.Entries[9].Value = 30;
  EXPECT_EQ("FLG  01 Away On 30 Sec", preview(9, 4));
}

TEST_F(FunctionPreviewTest, GeneralMoodShowsCoupledRelaysThenDimmersThenSteps) {
  nameRelay(2, "Lamp");
  GeneralMood& mood = installation.GeneralMoods[1];
  mood.Relays[2] = 255;
  mood.Dimmers[120] = 127;
  mood.Entries[5] = {10, 3, 255};
  installation.GeneralMoods[3].Name.assign("Holiday");
  EXPECT_EQ("REL  02 Lamp On\r\n\r\nDIM 120 50 %\r\nGMD  03 Holiday On", preview(10, 1));
}

TEST_F(FunctionPreviewTest, MessageOnAnInterfaceShowsItsLinesAndBeeps) {
  AlarmMessage& m = installation.Messages[2];
  m.Line1.assign("Door open");
  m.Line2.assign("Garage");
  m.Parameters = {12, 3};
  EXPECT_EQ("Message on interface 12 \r\nDoor open       \r\nGarage          \r\nNumber of beeps: 3",
            preview(54, 2));
}

TEST_F(FunctionPreviewTest, IfThenElseShowsConditionThenAndElse) {
  installation.Conditions[1].Name.assign("Dark");
  installation.Flags[2].Name.assign("Lights");
  installation.IfThenElseFunctions[0].Parameters = {60, 1, 15, 2, 0, 0, 0, 0};
  EXPECT_EQ(
      "If condition (true): \r\n  CON  01 Dark\r\n'THEN: \r\n  FLG  02 Lights\r\n'ELSE: \r\n  None",
      preview(4, 0));
}

TEST_F(FunctionPreviewTest, ProcessShowsEffectMonitoredAndExecuted) {
  installation.Flags[0].Name.assign("Alarm");
  installation.ProcessFunctions[9].Parameters = {15, 0, 0, 2, 99, 7, 0};
  EXPECT_EQ(
      "Effect after activation: \r\n  ON if TRUE & OFF if FALSE (all edges)\r\n"
      "Function to be monitored: \r\n  FLG  00 Alarm\r\n"
      "Function to be executed: \r\n  Function: 99 7",
      preview(3, 9));
}

TEST_F(FunctionPreviewTest, ProcessWithAnUnknownEffectShowsNoEffectText) {
  installation.ProcessFunctions[0].Parameters = {0, 0, 0, 3, 0, 0, 0};
  EXPECT_EQ(0u, preview(3, 0).find("Effect after activation: \r\n  \r\n"));
}

TEST_F(FunctionPreviewTest, GroupsAndPlainListsHaveNoPreview) {
  installation.Flags[0].Name.assign("Named");
  installation.AudioZones[0].Name.assign("Living");
  for (int code : {14, 15, 51, 52, 53, 65, 66, 0, 99}) EXPECT_EQ("", preview(code, 1)) << code;
}

TEST_F(FunctionPreviewTest, NumbersBeyondTheTableHaveNoPreview) {
  for (int code : {3, 4, 5, 8, 9, 10, 54}) {
    EXPECT_EQ("", preview(code, 255)) << code;
    EXPECT_EQ("", preview(code, -1)) << code;
  }
}

}  // namespace
}  // namespace ordalis
