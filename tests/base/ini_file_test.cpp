// INI text read with the profile functions' rules and edited in place.
#include <gtest/gtest.h>

#include "base/ini_file.h"

namespace ordalis {
namespace {

const char* const kShared =
    "; Vantrel settings\r\n"
    "[Global]\r\n"
    "Language = 20000 \r\n"
    "Path=\"C:\\Vantrel\"\r\n"
    "\r\n"
    "[Vantrel]\r\n"
    "; which window was open last\r\n"
    "LastForm=Units\r\n"
    "Colors=1,2,3\r\n";

TEST(IniFileReading, SectionAndKeyMatchWithoutCaseAndValuesAreTrimmed) {
  IniFile ini = IniFile::parse(kShared);
  EXPECT_EQ("20000", ini.get("GLOBAL", "language", "10", 15));
  EXPECT_EQ("C:\\Vantrel", ini.get("Global", "Path", "", 500));  // quotes removed
}

TEST(IniFileReading, AnAbsentKeyOrSectionGivesTheDefault) {
  IniFile ini = IniFile::parse(kShared);
  EXPECT_EQ("19200", ini.get("Global", "Baudrate", "19200", 10));
  EXPECT_EQ("", ini.get("Clock", "NBTFile", "", 250));
  // a key of another section is not found
  EXPECT_EQ("x", ini.get("Global", "LastForm", "x", 10));
  EXPECT_EQ(std::nullopt, ini.find("Global", "LastForm"));
}

TEST(IniFileReading, TheValueIsCutToTheBufferLessItsTerminatingZero) {
  IniFile ini = IniFile::parse("[Global]\nLanguage=123456789012345678\n");
  EXPECT_EQ("12345678901234", ini.get("Global", "Language", "10", 15));
  EXPECT_EQ("1234", ini.get("Global", "Missing", "1234567", 5));
}

TEST(IniFileReading, TheFirstOfTwoEqualKeysCounts) {
  IniFile ini = IniFile::parse("[a]\nk=1\nK=2\n[A]\nk=3\n");
  EXPECT_EQ("1", ini.get("A", "k", "", 10));
}

TEST(LeadingNumber, TakesTheLeadingDigitsAndGivesZeroForText) {
  EXPECT_EQ(3000, leadingNumber("3000"));
  EXPECT_EQ(96, leadingNumber("96oo"));
  EXPECT_EQ(12, leadingNumber("  12 34"));
  EXPECT_EQ(0, leadingNumber("COM2"));
  EXPECT_EQ(0, leadingNumber(""));
  EXPECT_EQ(0, leadingNumber("-5"));
  EXPECT_EQ(INT64_MAX, leadingNumber("99999999999999999999999"));
}

TEST(IniFileWriting, AnUnchangedFileComesOutByteForByte) {
  EXPECT_EQ(kShared, IniFile::parse(kShared).text());
  const char* noFinalNewline = "[a]\nx=1";
  EXPECT_EQ(noFinalNewline, IniFile::parse(noFinalNewline).text());
}

TEST(IniFileWriting, ChangingAKeyRewritesOnlyItsValue) {
  IniFile ini = IniFile::parse(kShared);
  ini.set("global", "LANGUAGE", "30000");
  std::string expected = kShared;
  expected.replace(expected.find("20000 "), 6, "30000");
  EXPECT_EQ(expected, ini.text());
}

TEST(IniFileWriting, ANewKeyGoesAtTheEndOfItsSectionBeforeTheBlankLine) {
  IniFile ini = IniFile::parse(kShared);
  ini.set("Global", "Baudrate", "9600");
  std::string expected = kShared;
  expected.insert(expected.find("\r\n\r\n[Vantrel]") + 2, "Baudrate=9600\r\n");
  EXPECT_EQ(expected, ini.text());
}

TEST(IniFileWriting, ANewSectionIsAddedAtTheEndWithTheFilesLineEnding) {
  IniFile ini = IniFile::parse(kShared);
  ini.set("Clock", "NBTFile", "/home/anna/villa.nbt");
  EXPECT_EQ(std::string(kShared) + "[Clock]\r\nNBTFile=/home/anna/villa.nbt\r\n", ini.text());
}

TEST(IniFileWriting, ALastLineWithoutEndingGetsOneBeforeANewLine) {
  IniFile ini = IniFile::parse("[a]\nx=1");
  ini.set("a", "y", "2");
  EXPECT_EQ("[a]\nx=1\ny=2\n", ini.text());
}

TEST(IniFileWriting, AnEmptyFileGetsSectionAndKey) {
  IniFile ini;
  ini.set("Global", "Language", "0");
  EXPECT_EQ("[Global]\nLanguage=0\n", ini.text());
  EXPECT_EQ("0", ini.get("Global", "Language", "10", 15));
}

}  // namespace
}  // namespace ordalis
