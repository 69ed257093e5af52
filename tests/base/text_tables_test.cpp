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

// Names and codes under their type numbers; indices a table does not list
// stay empty (sensor levels have a name but no code); groups and unit kinds
// indexed by number and letter.
TEST(TextTables, HoldTheNamesAndCodesUnderTheirTypeNumbers) {
  Texts t = filledIn(0);
  const std::pair<std::string, std::string> cases[] = {
      {"KESTRON Educational", t.CentralModelNames[2]}, {"Custom Clock Table On/Off", t.RegimeNames[5]},
      {"B&O", t.ModuleTypeCodes[23]},                  {"Dimmer outputs (8)", t.ModuleTypeNames[131]},
      {"Motor(2) UP or DOWN", t.FunctionTypeNames[55]}, {"Option", t.FunctionTypeNames[67]},
      {"No-Action Control ON/OFF", t.NoActionNames[1]}, {"", t.FunctionTypeNames[13]},
      {"", t.FunctionTypeCodes[28]},                   {"Sensor levels", t.FunctionTypeNames[28]},
      {"All", t.ModuleGroupNames[21]},                 {"Touch panels", t.ModuleGroupNames[22]},
      {"WallSocket", t.UnitKindNames['S']},            {"Unknown", t.UnitKindNames[0]},
  };
  for (const auto& [expected, actual] : cases) EXPECT_EQ(expected, actual);
  // Filled in Dutch, they stay Dutch; model names are not translated.
  Texts dutch = filledIn(10000);
  dutch.LanguageOffset = 0;
  EXPECT_NE("Switch", dutch.FunctionTypeNames[1]);
  EXPECT_EQ("VORDANE", dutch.CentralModelNames[0]);
}

std::map<std::string, std::string> captionsOf(int32_t offset, const std::string& form) {
  Texts texts;
  texts.LanguageOffset = offset;
  auto pairs = formTexts(texts, form);
  return {pairs.begin(), pairs.end()};
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

}  // namespace
}  // namespace ordalis
