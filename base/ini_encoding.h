// The forms a settings file may be stored in besides plain 8-bit text: with
// a UTF-8 byte-order mark, or as UTF-16 with its byte-order mark (as editors
// save it). A file is read as UTF-8 text and written back in its own form.
#pragma once

#include <string>

namespace ordalis {

enum class IniEncoding { Plain, Utf8WithMark, Utf16LittleEndian, Utf16BigEndian };

struct IniText {
  IniEncoding encoding = IniEncoding::Plain;
  std::string text;  // without the byte-order mark; UTF-8 for the marked forms
};

// The file's form and its text. Bytes without a mark are taken as they are.
IniText DecodeIniBytes(const std::string& bytes);

// The bytes to store for text in the given form, its byte-order mark first.
// In the UTF-16 forms a byte that is not part of valid UTF-8 is stored as
// the character of the same number.
std::string EncodeIniBytes(const std::string& text, IniEncoding encoding);

}  // namespace ordalis
