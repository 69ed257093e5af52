// The text layer of an iCalendar file: TEXT values escaped, and content
// lines folded at 75 octets and ended with CRLF.
#pragma once

#include <string>
#include <string_view>

namespace ordalis {

// A TEXT value: backslash, semicolon and comma escaped with a backslash, a
// line break written as "\n"; other control characters (tab excepted),
// which a TEXT value may not hold, are left out.
std::string EscapeText(std::string_view text);

// One content line ("NAME:value", unfolded) as it goes into the file: cut
// into pieces of at most 75 octets, never inside a UTF-8 character, each
// later piece starting with one space, every piece ending in CRLF.
std::string FoldedLine(std::string_view line);

}  // namespace ordalis
