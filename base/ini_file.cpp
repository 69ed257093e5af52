// Parsing and in-place editing of INI text, with the lookup rules of the
// Windows profile functions.
#include "base/ini_file.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "base/ini_encoding.h"

namespace ordalis {

namespace {

// What counts as a blank around names and values: space, tab, vertical tab,
// form feed and the end-of-file mark ^Z.
constexpr const char* kBlanks = " \t\v\f\x1a";

bool equalNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

// The section name of a "[name]" line (up to its last ']'), or nullopt for
// any other line; a '[' without a ']' makes no header.
std::optional<std::string> sectionName(const std::string& content) {
  std::string line = trimBlanks(content);
  if (line.empty() || line.front() != '[') return std::nullopt;
  size_t close = line.rfind(']');
  if (close == std::string::npos) return std::nullopt;
  return trimBlanks(line.substr(1, close - 1));
}

// The key of a "key=value" line; a non-blank line without '=' is a key with
// an empty value. nullopt for a blank line.
std::optional<std::string> keyName(const std::string& content) {
  std::string name = trimBlanks(content.substr(0, content.find('=')));
  if (name.empty() && content.find('=') == std::string::npos) return std::nullopt;
  return name;
}

std::string valueOf(const std::string& content) {
  const size_t equals = content.find('=');
  if (equals == std::string::npos) return {};
  std::string value = trimBlanks(content.substr(equals + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

std::string trimBlanks(const std::string& text) {
  size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) return {};
  size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

int64_t leadingNumber(const std::string& text) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  int64_t number = 0;
  size_t i = text.find_first_not_of(kBlanks);
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    int digit = text[i] - '0';
    if (number > (kMax - digit) / 10) return kMax;
    number = number * 10 + digit;
  }
  return number;
}

namespace {

// The length of the line ending at text[at]: LF, CR LF, CR CR LF or a lone
// CR; 0 when no line ends there.
size_t lineEndingAt(const std::string& text, size_t at) {
  if (text[at] == '\n') return 1;
  if (text[at] != '\r') return 0;
  if (text.compare(at, 2, "\r\n") == 0) return 2;
  if (text.compare(at, 3, "\r\r\n") == 0) return 3;
  return 1;
}

}  // namespace

IniFile IniFile::parse(const std::string& bytes) {
  IniFile file;
  IniText decoded = DecodeIniBytes(bytes);
  file.m_encoding = decoded.encoding;
  const std::string& text = decoded.text;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    Line line;
    if (end == std::string::npos) {
      line.content = text.substr(start);
      start = text.size();
    } else {
      const size_t length = lineEndingAt(text, end);
      line.content = text.substr(start, end - start);
      line.ending = text.substr(end, length);
      start = end + length;
    }
    file.m_lines.push_back(std::move(line));
  }
  return file;
}

std::string IniFile::text() const {
  std::string out;
  for (const Line& line : m_lines) out += line.content + line.ending;
  return EncodeIniBytes(out, m_encoding);
}

std::optional<size_t> IniFile::sectionLine(const std::string& section) const {
  for (size_t i = 0; i < m_lines.size(); ++i) {
    auto name = sectionName(m_lines[i].content);
    if (name && equalNoCase(*name, section)) return i;
  }
  return std::nullopt;
}

std::optional<size_t> IniFile::keyLine(size_t sectionIndex, const std::string& key) const {
  for (size_t i = sectionIndex + 1; i < m_lines.size(); ++i) {
    if (sectionName(m_lines[i].content)) break;
    auto name = keyName(m_lines[i].content);
    if (name && equalNoCase(*name, key)) return i;
  }
  return std::nullopt;
}

size_t IniFile::sectionEnd(size_t sectionIndex) const {
  size_t end = sectionIndex + 1;
  for (size_t i = sectionIndex + 1; i < m_lines.size(); ++i) {
    if (sectionName(m_lines[i].content)) break;
    if (!trimBlanks(m_lines[i].content).empty()) end = i + 1;
  }
  return end;
}

std::optional<std::string> IniFile::find(const std::string& section, const std::string& key) const {
  auto sectionIndex = sectionLine(section);
  if (!sectionIndex) return std::nullopt;
  auto line = keyLine(*sectionIndex, key);
  if (!line) return std::nullopt;
  return valueOf(m_lines[*line].content);
}

std::string IniFile::get(const std::string& section, const std::string& key,
                         const std::string& defaultValue, size_t bufferSize) const {
  std::string value = find(section, key).value_or(defaultValue);
  size_t room = bufferSize == 0 ? 0 : bufferSize - 1;
  if (value.size() > room) value.resize(room);
  return value;
}

std::string IniFile::newLineEnding() const {
  for (const Line& line : m_lines)
    if (!line.ending.empty()) return line.ending;
  return "\n";
}

void IniFile::insertLine(size_t at, const std::string& content) {
  const std::string ending = newLineEnding();
  // The line before a new one needs an ending of its own.
  if (at > 0 && m_lines[at - 1].ending.empty()) m_lines[at - 1].ending = ending;
  m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), Line{content, ending});
}

void IniFile::set(const std::string& section, const std::string& key, const std::string& value) {
  auto sectionIndex = sectionLine(section);
  if (!sectionIndex) {
    insertLine(m_lines.size(), "[" + section + "]");
    insertLine(m_lines.size(), key + "=" + value);
    return;
  }
  if (auto line = keyLine(*sectionIndex, key)) {
    // Keep the key's spelling and the blanks before the value; a key line
    // without '=' gets one.
    std::string& content = m_lines[*line].content;
    if (content.find('=') == std::string::npos) content = trimBlanks(content) + "=";
    size_t valueStart = content.find_first_not_of(kBlanks, content.find('=') + 1);
    content = content.substr(0, std::min(valueStart, content.size())) + value;
    return;
  }
  insertLine(sectionEnd(*sectionIndex), key + "=" + value);
}

}  // namespace ordalis
