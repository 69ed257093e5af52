// Upper case of UTF-8 text for comparing what the user typed with the texts
// of the string table. Covers ASCII and the Latin-1 letters of the seven
// languages (é -> É, ç -> Ç, ...); other characters stay as they are.
#pragma once

#include <string>

namespace ordalis {

std::string UpperCase(const std::string& text);

}  // namespace ordalis
