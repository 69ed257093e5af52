// A settings file in the Windows INI form, read and written with the
// semantics of the Windows profile functions, and edited in place: a write
// changes or adds one key line and leaves every other line, comment and line
// ending exactly as it was (the file is shared with another program).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/ini_encoding.h"

namespace ordalis {

class IniFile {
 public:
  // An empty file.
  IniFile() = default;
  // The bytes of a file, as read from disk. A byte-order mark is skipped;
  // lines end at LF, CR LF, CR CR LF or a lone CR.
  static IniFile parse(const std::string& bytes);
  // The bytes to store, in the file's own form (its byte-order mark kept).
  std::string text() const;

  // Like GetPrivateProfileString: the value of key in section (both compared
  // without case; the first match counts), with the blanks around it and one
  // pair of enclosing quotes removed; defaultValue when the key is absent.
  // The result is cut to bufferSize - 1 characters, as a buffer of
  // bufferSize characters with its terminating zero would hold it.
  std::string get(const std::string& section, const std::string& key,
                  const std::string& defaultValue, size_t bufferSize) const;

  // The value when the key is present (trimmed, quotes removed), else nullopt.
  std::optional<std::string> find(const std::string& section, const std::string& key) const;

  // Like WritePrivateProfileString: replaces the value of an existing key in
  // its line, or adds "key=value" at the end of the section, or adds the
  // section at the end of the file.
  void set(const std::string& section, const std::string& key, const std::string& value);

 private:
  struct Line {
    std::string content;  // without the line ending
    std::string ending;   // "\n", "\r\n", "\r\r\n", "\r", or "" for a last line without one
  };

  std::optional<size_t> sectionLine(const std::string& section) const;
  // The line of key in the section that starts at sectionIndex.
  std::optional<size_t> keyLine(size_t sectionIndex, const std::string& key) const;
  // The line after the last non-blank line of the section.
  size_t sectionEnd(size_t sectionIndex) const;
  std::string newLineEnding() const;
  void insertLine(size_t at, const std::string& content);

  std::vector<Line> m_lines;
  IniEncoding m_encoding = IniEncoding::Plain;
};

// Numeric conversion of a profile value: the number its leading digits make
// (after leading blanks); 0 when it starts with no digit. Saturates at the
// largest int64 value.
int64_t leadingNumber(const std::string& text);

// The value with the blanks (space, tab, vertical tab, form feed, ^Z) at both
// ends removed.
std::string trimBlanks(const std::string& text);

}  // namespace ordalis
