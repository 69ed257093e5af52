// One-line descriptions of function codes and interfaces, texts of raw
// values, and names in code page 1252 shown as UTF-8.
#include <iconv.h>

#include "functions/ansi_text.h"
#include "functions/function_text.h"
#include "functions/value_text.h"

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

// Numbers two digits right-aligned in three; type 0 is None; types without
// names read their type and number; audio and sensor commands name their
// zone; the text tables name regimes and no-action functions; a number
// beyond its table has no name.
TEST_F(FunctionTextTest, EachTypeTakesItsNameFromItsOwnSource) {
  addModule(0, 111, 0).Outputs[4].Name.assign("Kitchen");
  installation.LocalMoods[99].Name.assign("Late");
  installation.Sensors[0].Name.assign("Attic");
  installation.Sensors[2].Name.assign("Cellar");
  installation.AudioZones[0].Name.assign("Living");
  installation.TimedFunctions[69].Name.assign("Last");
  const struct { int type, number, style; const char* text; } cases[] = {
      {1, 5, kNumberAndName, " 05 Kitchen"}, {8, 99, kNumberAndName, " 99 Late"}, {20, 0, kNumberAndName, " 01 Attic"},
      {5, 12, kNumberAndName, " 12"}, {5, 12, kNameOnly, ""}, {0, 17, 0, "None"}, {0, 17, 1, "None"},
      {0, 17, 2, "None"}, {0, 17, 3, "None"}, {99, 7, kCodeNumberAndName, "Function: 99 7"},
      {61, 3, kNameOnly, "Function: 61 3"}, {34, 1, kNumberAndName, " 01 Living: Power On/Off"},
      {32, 1, kNameOnly, "Living: Volume Up"}, {24, 3, kNameOnly, "Cellar: Frost protection"},
      {34, 0, kNameOnly, ""}, {21, 33, kNameOnly, ""}, {14, 1, kNameOnly, "Regime: Workday"},
      {14, 5, kNameOnly, "Custom Clock Table On/Off"}, {14, 6, kNameOnly, ""},
      {53, 1, kNameOnly, "No-Action Control ON/OFF"}, {53, 2, kNameOnly, ""}, {5, 69, kNameOnly, "Last"},
      {8, -1, kNameOnly, ""}, {1, 0, kNameOnly, ""}};
  for (const auto& c : cases) EXPECT_EQ(c.text, text(c.type, c.number, c.style)) << c.type << " " << c.number;
  for (int type : {3, 4, 5, 6, 7, 8, 9, 10, 11, 15, 20, 28, 31, 51, 54, 55, 60, 200})
    EXPECT_EQ("", text(type, 255, kNameOnly)) << type;
  EXPECT_EQ("123", FormatNumber00(123, 3));
  EXPECT_EQ(" 00", FormatNumber00(0, 3));
  EXPECT_EQ("-01", FormatNumber00(-1, 3));
}

TEST_F(FunctionTextTest, ExistsWhenTheNameOnlyTextIsNotEmpty) {
  installation.Flags[3].Name.assign("Holiday");
  EXPECT_TRUE(FunctionExists(texts, installation, 15, 3));
  EXPECT_FALSE(FunctionExists(texts, installation, 15, 4));
  EXPECT_FALSE(FunctionExists(texts, installation, 15, -1));
  EXPECT_TRUE(FunctionExists(texts, installation, 99, 7));
  EXPECT_FALSE(FunctionExists(texts, installation, 0, -1));
}

// Each high byte gives what the C library's own code page 1252 converter
// gives it; the five bytes it leaves unassigned give their C1 controls.
TEST(AnsiToUtf8, KeepsAsciiAndAgreesWithTheCLibraryOnEveryHighByte) {
  EXPECT_EQ("Kitchen  ", AnsiToUtf8("Kitchen  "));
  const iconv_t cp1252 = iconv_open("UTF-8", "CP1252");
  ASSERT_NE(cp1252, reinterpret_cast<iconv_t>(-1));
  for (int b = 0x80; b <= 0xFF; ++b) {
    char in = static_cast<char>(b), out[4];
    char *from = &in, *to = out;
    size_t inLeft = 1, outLeft = sizeof out;
    const bool assigned = iconv(cp1252, &from, &inLeft, &to, &outLeft) != static_cast<size_t>(-1);
    EXPECT_EQ(assigned ? std::string(out, to) : "\xC2" + std::string(1, in), AnsiToUtf8({&in, 1})) << b;
  }
  iconv_close(cp1252);
}

// Relays read On, Off and Uncoupled, dimmers per cent, buzzers and buttons
// their number, motors Up and Down, other types On or Off; the rest "????".
TEST(ValueText, EachTypeReadsItsLevelsInItsOwnWords) {
  const Texts texts;
  const struct { int raw; uint8_t type; const char* text; } cases[] = {
      {0, 1, "Off"},      {255, 1, "On"},     {3, 1, "Uncoupled"}, {2, 1, "????"},  {127, 2, "50 %"},
      {255, 2, "100 %"},  {128, 2, "0 %"},    {3, 2, "Uncoupled"}, {200, 51, "200"}, {7, 52, "7"},
      {0, 55, "Down"},    {255, 55, "Up"},    {127, 55, "????"},   {0, 8, "Off"},   {255, 10, "On"},
      {3, 8, "????"}};
  for (const auto& c : cases) EXPECT_EQ(c.text, ValueText(texts, kLevelFormat, c.raw, c.type)) << c.raw << " " << int(c.type);
  EXPECT_EQ("30 Sec", ValueText(texts, kSecondsFormat, 30, 5));
  EXPECT_EQ("30 Sec", ValueText(texts, kSecondsFormat, 30, 0));
  EXPECT_EQ("12", ValueText(texts, kNumberFormat, 12, 0));
}

// The leading number, letters before it skipped, up to a second decimal
// point or minus sign; and what reading that part gives.
TEST(NumericPart, TakesTheLeadingNumberAndReadNumericPartReadsIt) {
  const struct { const char* typed; const char* part; } parts[] = {
      {" 55 %", "55"}, {"12,5 s", "12.5"}, {"-3", "-3"}, {"Off", ""},      {"", ""},
      {"1.2.3", "1.2"}, {"1,2.3", "1.2"},  {"--5", "-"},  {"5-3-", "5-3"}, {"abc12def", "12"}, {"Level 7", "7"}};
  for (const auto& p : parts) EXPECT_EQ(p.part, NumericPart(p.typed)) << p.typed;
  const struct { const char* part; double value; } values[] = {
      {"55", 55}, {"12.5", 12.5}, {"-3", -3}, {"5-", 5}, {".5", 0.5}, {"", 0}, {"-", 0}, {".", 0}};
  for (const auto& v : values) EXPECT_DOUBLE_EQ(v.value, ReadNumericPart(v.part)) << v.part;
}

}  // namespace
}  // namespace ordalis
