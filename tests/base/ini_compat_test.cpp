// Settings files that an editor or another tool has touched read as the
// profile functions read them, and a write changes only the one value.
#include <gtest/gtest.h>

#include "base/ini_file.h"

namespace ordalis {
namespace {

struct TouchedFile {
  const char* what;
  std::string bytes;
  const char* section;
  const char* key;
  std::string read, written;  // what a read of the key gives; the bytes after it is set to "9"
};

// UTF-16 (little-endian) of ASCII text, with its byte-order mark.
std::string Utf16(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) bytes += {c, '\0'};
  return bytes;
}

const TouchedFile kFiles[] = {
    {"UTF-8 mark before the header", "\xEF\xBB\xBF[Global]\r\nPath=C:\\Caf\xC3\xA9\r\n", "Global", "Path",
     "C:\\Caf\xC3\xA9", "\xEF\xBB\xBF[Global]\r\nPath=9\r\n"},
    {"UTF-16 with its mark", Utf16("[Global]\r\nComPort=3\r\n"), "Global", "ComPort", "3",
     Utf16("[Global]\r\nComPort=9\r\n")},
    {"CR CR LF endings", "[Global]\r\r\nComPort=3\r\r\nBaudrate=9600\r\r\n", "Global", "ComPort", "3",
     "[Global]\r\r\nComPort=9\r\r\nBaudrate=9600\r\r\n"},
    {"lone CR endings", "[Global]\rComPort=3\rBaudrate=9600\r", "Global", "Baudrate", "9600",
     "[Global]\rComPort=3\rBaudrate=9\r"},
    {"a '[' without ']' is no header", "[Global]\n[draft\nComPort=3\n", "Global", "ComPort", "3",
     "[Global]\n[draft\nComPort=9\n"},
    {"a header runs to its last ']'", "[Clock]]\nTimeSet=1\n[Clock]\nTimeSet=2\n", "Clock", "TimeSet", "2",
     "[Clock]]\nTimeSet=1\n[Clock]\nTimeSet=9\n"},
    {"a key without '=' hides later lines", "[Clock]\nTimeSet\nTimeSet=1\n", "Clock", "TimeSet", "",
     "[Clock]\nTimeSet=9\nTimeSet=1\n"},
    {"vertical tab, form feed and ^Z are blanks", "[Global]\nComPort\v\f=\x1a" "7\x1a\n", "Global", "ComPort",
     "7", "[Global]\nComPort\v\f=\x1a" "9\n"},
};

TEST(IniCompat, TouchedFilesReadAsTheProfileFunctionsReadThemAndKeepTheirForm) {
  for (const TouchedFile& file : kFiles) {
    IniFile ini = IniFile::parse(file.bytes);
    EXPECT_EQ(ini.get(file.section, file.key, "absent", 260), file.read) << file.what;
    ini.set(file.section, file.key, "9");
    EXPECT_EQ(ini.text(), file.written) << file.what;
  }
}

}  // namespace
}  // namespace ordalis
