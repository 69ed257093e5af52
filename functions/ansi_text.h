// Names in the installation tables are kept as the file stores them, in the
// Windows ANSI code page (1252); the string table and everything shown is
// UTF-8. Descriptions convert each name as they take it.
#pragma once

#include <string>
#include <string_view>

namespace ordalis {

// The text in UTF-8. Bytes below 0x80 stay; every other byte becomes the
// character that code page 1252 gives it (its five unassigned bytes become
// the C1 controls of the same number, as Windows does).
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace ordalis
