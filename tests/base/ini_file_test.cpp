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

// Section and key match without case, values are trimmed and unquoted, an
// absent key (also one of another section) gives the default, the value is cut
// to the buffer less its terminating zero, the first of two equal keys counts.
TEST(IniFileReading, FollowsTheProfileFunctionsRules) {
  IniFile ini = IniFile::parse(kShared);
  EXPECT_EQ("20000", ini.get("GLOBAL", "language", "10", 15));
  EXPECT_EQ("C:\\Vantrel", ini.get("Global", "Path", "", 500));
  EXPECT_EQ("x", ini.get("Global", "LastForm", "x", 10));
  EXPECT_EQ(std::nullopt, ini.find("Global", "LastForm"));
  EXPECT_EQ("1234", ini.get("Global", "Missing", "1234567", 5));
  EXPECT_EQ("12345678901234", IniFile::parse("[G]\nL=123456789012345678\n").get("G", "L", "10", 15));
  EXPECT_EQ("1", IniFile::parse("[a]\nk=1\nK=2\n[A]\nk=3\n").get("A", "k", "", 10));
}

// An untouched file comes out byte for byte; a set rewrites only its value, a
// new key goes at the end of its section (before the blank line), a new
// section at the end in the file's line ending.
TEST(IniFileWriting, EditsInPlaceAndKeepsTheRest) {
  const std::string shared = kShared;
  const struct {
    std::string before, section, key, value, after;
  } cases[] = {
      {shared, "", "", "", shared},
      {"[a]\nx=1", "", "", "", "[a]\nx=1"},
      {shared, "global", "LANGUAGE", "30000", std::string(shared).replace(shared.find("20000 "), 6, "30000")},
      {shared, "Global", "Baudrate", "9600",
       std::string(shared).insert(shared.find("\r\n\r\n[Vantrel]") + 2, "Baudrate=9600\r\n")},
      {shared, "Clock", "NBTFile", "/v.nbt", shared + "[Clock]\r\nNBTFile=/v.nbt\r\n"},
      {"[a]\nx=1", "a", "y", "2", "[a]\nx=1\ny=2\n"},
      {"", "Global", "Language", "0", "[Global]\nLanguage=0\n"},
  };
  for (const auto& c : cases) {
    IniFile ini = IniFile::parse(c.before);
    if (!c.key.empty()) ini.set(c.section, c.key, c.value);
    EXPECT_EQ(c.after, ini.text()) << c.before << " + " << c.key;
  }
}

}  // namespace
}  // namespace ordalis
