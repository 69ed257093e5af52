// Parsing and in-place editing of INI text, with the lookup rules of the
// Windows profile functions.
#include "base/ini_file.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace ordalis {

namespace {

bool equalNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string> sectionName(const std::string& content) {
  std::string line = trimBlanks(content);
  if (line.empty() || line.front() != '[') return std::nullopt;
  size_t close = line.find(']');
  return trimBlanks(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

// The key of a "key=value" line, or nullopt for a line without '='.
std::optional<std::string> keyName(const std::string& content) {
  size_t equals = content.find('=');
  if (equals == std::string::npos) return std::nullopt;
  return trimBlanks(content.substr(0, equals));
}

std::string valueOf(const std::string& content) {
  std::string value = trimBlanks(content.substr(content.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

std::string trimBlanks(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

int64_t leadingNumber(const std::string& text) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  int64_t number = 0;
  size_t i = text.find_first_not_of(" \t");
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    int digit = text[i] - '0';
    if (number > (kMax - digit) / 10) return kMax;
    number = number * 10 + digit;
  }
  return number;
}

IniFile IniFile::parse(const std::string& text) {
  IniFile file;
  size_t start = 0;
  while (start < text.size()) {
    size_t newline = text.find('\n', start);
    Line line;
    if (newline == std::string::npos) {
      line.content = text.substr(start);
      start = text.size();
    } else {
      bool crlf = newline > start && text[newline - 1] == '\r';
      line.content = text.substr(start, newline - start - (crlf ? 1 : 0));
      line.ending = crlf ? "\r\n" : "\n";
      start = newline + 1;
    }
    file.m_lines.push_back(std::move(line));
  }
  return file;
}

std::string IniFile::text() const {
  std::string out;
  for (const Line& line : m_lines) out += line.content + line.ending;
  return out;
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
    // Keep the key's spelling and the blanks before the value.
    std::string& content = m_lines[*line].content;
    size_t valueStart = content.find_first_not_of(" \t", content.find('=') + 1);
    content = content.substr(0, std::min(valueStart, content.size())) + value;
    return;
  }
  insertLine(sectionEnd(*sectionIndex), key + "=" + value);
}

}  // namespace ordalis
