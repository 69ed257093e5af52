// Installation names in code page 1252 shown as UTF-8.
#include "functions/ansi_text.h"

#include <gtest/gtest.h>

namespace ordalis {
namespace {

TEST(AnsiToUtf8, KeepsAsciiAsItIs) { EXPECT_EQ("Kitchen  ", AnsiToUtf8("Kitchen  ")); }

TEST(AnsiToUtf8, ConvertsLatinLetters) {
  EXPECT_EQ("Salle \xC3\xA0 manger \xC3\xA9t\xC3\xA9", AnsiToUtf8("Salle \xE0 manger \xE9t\xE9"));
  EXPECT_EQ("K\xC3\xBC" "che", AnsiToUtf8("K\xFC" "che"));
  EXPECT_EQ("\xC2\xA0\xC3\xBF", AnsiToUtf8("\xA0\xFF"));
}

TEST(AnsiToUtf8, ConvertsTheWindowsRow) {
  EXPECT_EQ("\xE2\x82\xAC", AnsiToUtf8("\x80"));      // euro sign
  EXPECT_EQ("\xE2\x80\x9C" "a\xE2\x80\x9D", AnsiToUtf8("\x93" "a\x94"));
  EXPECT_EQ("\xC2\x81", AnsiToUtf8("\x81"));           // unassigned: its C1 control
  EXPECT_EQ("\xC5\xB8", AnsiToUtf8("\x9F"));           // Y with diaeresis
}

}  // namespace
}  // namespace ordalis
