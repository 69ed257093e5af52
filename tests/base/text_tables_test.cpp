// The text tables and the form captions, as the other parts index and show
// them.
#include <gtest/gtest.h>

#include <map>

#include "base/form_texts.h"
#include "base/texts.h"

namespace ordalis {
namespace {

Texts filledIn(int32_t offset) {
  Texts texts;
  texts.LanguageOffset = offset;
  texts.FillTextTables();
  return texts;
}

TEST(TextTables, HoldTheNamesAndCodesUnderTheirTypeNumbers) {
  Texts texts = filledIn(0);
  EXPECT_EQ("KESTRON Educational", texts.CentralModelNames[2]);
  EXPECT_EQ("Custom Clock Table On/Off", texts.RegimeNames[5]);
  EXPECT_EQ("Input 25 to 32", texts.ModuleTypeNames[20]);
  EXPECT_EQ("SIN", texts.ModuleTypeCodes[20]);
  EXPECT_EQ("B&O", texts.ModuleTypeCodes[23]);
  EXPECT_EQ("Dimmer outputs (8)", texts.ModuleTypeNames[131]);
  EXPECT_EQ("Motor", texts.FunctionTypeNames[6]);
  EXPECT_EQ("U/D", texts.FunctionTypeCodes[55]);
  EXPECT_EQ("Motor(2) UP or DOWN", texts.FunctionTypeNames[55]);
  EXPECT_EQ("AUX (Extra)", texts.FunctionTypeNames[35]);
  EXPECT_EQ("Option", texts.FunctionTypeNames[67]);
  EXPECT_EQ("False", texts.TruthNames[2]);
  EXPECT_EQ("Temperture sens.", texts.SensorTypeNames[1]);
  EXPECT_EQ("No-Action Control ON/OFF", texts.NoActionNames[1]);
}

TEST(TextTables, LeaveTheIndicesTheyDoNotListEmpty) {
  Texts texts = filledIn(0);
  EXPECT_EQ("", texts.FunctionTypeNames[13]);
  EXPECT_EQ("", texts.FunctionTypeNames[50]);
  EXPECT_EQ("", texts.FunctionTypeCodes[28]);  // sensor levels have a name but no code
  EXPECT_EQ("Sensor levels", texts.FunctionTypeNames[28]);
  EXPECT_EQ("", texts.ModuleTypeNames[3]);
  EXPECT_EQ("", texts.ModuleGroupNames[4]);
}

TEST(TextTables, GroupsAndUnitKindsAreIndexedByNumberAndLetter) {
  Texts texts = filledIn(0);
  EXPECT_EQ("All", texts.ModuleGroupNames[1]);
  EXPECT_EQ("All", texts.ModuleGroupNames[21]);
  EXPECT_EQ("Touch panels", texts.ModuleGroupNames[22]);
  EXPECT_EQ("WallSocket", texts.UnitKindNames['S']);
  EXPECT_EQ("LightPoint", texts.UnitKindNames['L']);
  EXPECT_EQ("OtherUnit", texts.UnitKindNames['O']);
  EXPECT_EQ("Unknown", texts.UnitKindNames[0]);
}

TEST(TextTables, KeepTheLanguageTheyWereFilledIn) {
  Texts texts = filledIn(10000);
  std::string dutchSwitch = texts.FunctionTypeNames[1];
  texts.LanguageOffset = 0;
  EXPECT_EQ(dutchSwitch, texts.FunctionTypeNames[1]);
  EXPECT_NE("Switch", dutchSwitch);
  EXPECT_EQ("VORDANE", texts.CentralModelNames[0]);  // model names are not translated
}

std::map<std::string, std::string> captionsOf(int32_t offset, const std::string& form) {
  Texts texts;
  texts.LanguageOffset = offset;
  auto pairs = formTexts(texts, form);
  return {pairs.begin(), pairs.end()};
}

TEST(FormTexts, TheActionButtonsJoinTwoTextsWithASpace) {
  EXPECT_EQ("Action Add", captionsOf(0, "FrmKlokken")["CmdAdd"]);
  EXPECT_EQ("Actie Toevoegen", captionsOf(10000, "FrmKlokken")["CmdAdd"]);
  EXPECT_EQ("Action Test On-Line", captionsOf(0, "FrmKlokken")["CmdTest"]);
}

TEST(FormTexts, LabelsWithAColonAndTheFormsOwnCaption) {
  auto com = captionsOf(0, "FrmCom");
  EXPECT_EQ("Progress:", com["lblProgress"]);
  EXPECT_EQ("Communication", com["FrmCom"]);
  auto editor = captionsOf(0, "FrmClkEdit");
  EXPECT_EQ("Clockline add/edit", editor["FrmClkEdit"]);
  EXPECT_EQ("Niveau", editor["LblLvl"]);
  EXPECT_EQ("Spec", editor["OptTabel(4)"]);
}

TEST(FormTexts, TheMainWindowsMenusAndToolBar) {
  auto main = captionsOf(0, "FrmKlokken");
  EXPECT_EQ("&Workday table", main["mmuNieuw(1)"]);  // "&": the letter of the menu item
  EXPECT_EQ("S&pecial table", main["mmuNieuw(4)"]);
  EXPECT_EQ("Print...", main["Tlb(6)"]);
  EXPECT_EQ(0u, main.count("Tlb(7)"));     // the separator has no caption
  EXPECT_EQ(0u, main.count("mmuCom"));     // keeps its design caption
  EXPECT_EQ("Cont", main["Tlb(8)"]);
}

TEST(FormTexts, EveryCaptionExistsInEveryLanguage) {
  for (int32_t offset : kLanguageOffsets) {
    Texts texts;
    texts.LanguageOffset = offset;
    std::vector<std::string> missing;
    texts.reportMissing = [&](const std::string& report) { missing.push_back(report); };
    for (const char* form : {"FrmKlokken", "FrmClkEdit", "FrmCom", "FrmSelectClkAct"})
      for (const auto& [control, caption] : formTexts(texts, form))
        EXPECT_FALSE(caption.empty()) << form << "." << control << " in " << offset;
    EXPECT_TRUE(missing.empty()) << offset;
  }
}

TEST(FormTexts, AFormWithoutTextsGetsNone) {
  EXPECT_TRUE(formTexts(Texts{}, "FrmTaal").empty());
  EXPECT_EQ(3u, formTexts(Texts{}, "FrmSelectClkAct").size());
}

}  // namespace
}  // namespace ordalis
