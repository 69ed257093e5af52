// One-line descriptions of function codes and interfaces.
#include "functions/function_text.h"

#include "tests/editor/catalogue_fixture.h"

namespace ordalis {
namespace {

class FunctionTextTest : public test::CatalogueTest {
 protected:
  std::string text(int type, int number, int style = kNumberAndName, bool tabbed = false) {
    return FunctionText(texts, installation, type, number, style, tabbed);
  }
};

TEST_F(FunctionTextTest, NamesFromTheFileAreShownInUtf8) {
  installation.AudioZones[0].Name.assign("S\xE9jour");
  addModule(0, 111, 0).Outputs[0].Name.assign("K\xFC" "che");
  installation.Interfaces[1].Name.assign("Entr\xE9" "e");
  EXPECT_EQ("S\xC3\xA9jour: Volume Up", text(32, 1, kNameOnly));
  EXPECT_EQ(" 01 K\xC3\xBC" "che", text(1, 1));
  EXPECT_EQ(0u, TouchPanelText(texts, installation, 1, kNumberAndName, false).find("I 01 Entr\xC3\xA9" "e "));
}

TEST_F(FunctionTextTest, EachStyleShowsItsPartsWithTabsWhereItAllowsThem) {
  installation.LocalMoods[7].Name.assign("Evening");
  EXPECT_EQ("Evening", text(8, 7, kNameOnly));
  EXPECT_EQ("LMD Evening", text(8, 7, kCodeAndName));
  EXPECT_EQ(" 07 Evening", text(8, 7, kNumberAndName));
  EXPECT_EQ("LMD  07 Evening", text(8, 7, kCodeNumberAndName));
  EXPECT_EQ("LMD\tEvening", text(8, 7, kCodeAndName, true));
  EXPECT_EQ(" 07\tEvening", text(8, 7, kNumberAndName, true));
  EXPECT_EQ("LMD  07\tEvening", text(8, 7, kCodeNumberAndName, true));
}

TEST_F(FunctionTextTest, NumberAndNameStyleShowsTwoDigitsRightAlignedInThree) {
  addModule(0, 111, 0).Outputs[4].Name.assign("Kitchen");
  installation.LocalMoods[99].Name.assign("Late");
  installation.Sensors[0].Name.assign("Attic");
  EXPECT_EQ(" 05 Kitchen", text(1, 5));
  EXPECT_EQ(" 99 Late", text(8, 99));
  EXPECT_EQ(" 01 Attic", text(20, 0));
  EXPECT_EQ(" 12", text(5, 12));
  EXPECT_EQ("", text(5, 12, kNameOnly));
  EXPECT_EQ("123", FormatNumber00(123, 3));
  EXPECT_EQ(" 00", FormatNumber00(0, 3));
  EXPECT_EQ("-01", FormatNumber00(-1, 3));
}

TEST_F(FunctionTextTest, TypeZeroIsNoneInEveryStyle) {
  for (int style = 0; style <= 3; ++style) EXPECT_EQ("None", text(0, 17, style)) << style;
}

TEST_F(FunctionTextTest, TypesWithoutNamesReadFunctionTypeAndNumber) {
  EXPECT_EQ("Function: 99 7", text(99, 7, kCodeNumberAndName));
  EXPECT_EQ("Function: 61 3", text(61, 3, kNameOnly));
}

TEST_F(FunctionTextTest, AudioAndSensorCommandsNameTheirZoneAndCommand) {
  installation.AudioZones[0].Name.assign("Living");
  installation.Sensors[2].Name.assign("Cellar");
  EXPECT_EQ(" 01 Living: Power On/Off", text(34, 1));
  EXPECT_EQ("Living: Volume Up", text(32, 1, kNameOnly));
  EXPECT_EQ("Cellar: Frost protection", text(24, 3, kNameOnly));
  EXPECT_EQ("", text(34, 0, kNameOnly));
  EXPECT_EQ("", text(21, 33, kNameOnly));
}

TEST_F(FunctionTextTest, NamesFromTheTextTables) {
  EXPECT_EQ("Regime: Workday", text(14, 1, kNameOnly));
  EXPECT_EQ("Custom Clock Table On/Off", text(14, 5, kNameOnly));
  EXPECT_EQ("", text(14, 6, kNameOnly));
  EXPECT_EQ("No-Action Control ON/OFF", text(53, 1, kNameOnly));
  EXPECT_EQ("", text(53, 2, kNameOnly));
}

TEST_F(FunctionTextTest, NumbersBeyondTheTableHaveNoName) {
  installation.TimedFunctions[69].Name.assign("Last");
  EXPECT_EQ("Last", text(5, 69, kNameOnly));
  for (int type : {3, 4, 5, 7, 8, 9, 10, 11, 15, 20, 28, 31, 51, 54, 60, 200})
    EXPECT_EQ("", text(type, 255, kNameOnly)) << type;
  EXPECT_EQ("", text(8, -1, kNameOnly));
  EXPECT_EQ("", text(1, 0, kNameOnly));
}

TEST_F(FunctionTextTest, ExistsWhenTheNameOnlyTextIsNotEmpty) {
  installation.Flags[3].Name.assign("Holiday");
  EXPECT_TRUE(FunctionExists(texts, installation, 15, 3));
  EXPECT_FALSE(FunctionExists(texts, installation, 15, 4));
  EXPECT_FALSE(FunctionExists(texts, installation, 15, -1));
  EXPECT_TRUE(FunctionExists(texts, installation, 99, 7));
  EXPECT_FALSE(FunctionExists(texts, installation, 0, -1));
}

TEST_F(FunctionTextTest, TouchPanelKeepsTheWholeName) {
  installation.Interfaces[5].Name.assign("Hall");
  installation.Interfaces[5].ModuleType = 4;
  const std::string name = "Hall" + std::string(46, ' ');
  EXPECT_EQ("I 05 " + name, TouchPanelText(texts, installation, 5, kNumberAndName, false));
  EXPECT_EQ("I 05 XT4 " + name, TouchPanelText(texts, installation, 5, kCodeNumberAndName, false));
  EXPECT_EQ("XT4\t" + name, TouchPanelText(texts, installation, 5, kCodeAndName, true));
  EXPECT_EQ(" " + name, TouchPanelText(texts, installation, 5, kNameOnly, false));
}

}  // namespace
}  // namespace ordalis
