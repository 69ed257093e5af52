// Build-time tool: turns resources/texts.tsv into a C++ table of texts.
//
// The TSV has a header row "id<TAB>en<TAB>nl<TAB>fr<TAB>de<TAB>es<TAB>it<TAB>pt",
// then one row per text id. Lines starting with '#' are comments. A cell may
// use the escapes \n, \r, \t and \\. A cell holding exactly "(absent)" marks a
// text that the language lacks on purpose; it is left out of the table, so a
// lookup of it fails as the program expects.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kLanguages = 7;
constexpr int kLanguageStep = 10000;
const char* const kAbsent = "(absent)";

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> cells;
  std::string cell;
  for (char c : line) {
    if (c == '\t') {
      cells.push_back(cell);
      cell.clear();
    } else if (c != '\r') {
      cell += c;
    }
  }
  cells.push_back(cell);
  return cells;
}

std::string unescapeCell(const std::string& cell) {
  std::string out;
  for (size_t i = 0; i < cell.size(); ++i) {
    if (cell[i] == '\\' && i + 1 < cell.size()) {
      char next = cell[++i];
      out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
    } else {
      out += cell[i];
    }
  }
  return out;
}

// Octal escapes for every byte outside printable ASCII: they never run into
// a following character the way hex escapes can.
std::string cppLiteral(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7f || c == '?') {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: textgen texts.tsv texts_table.cpp\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "textgen: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::ostringstream rows;
  std::string line;
  int lineNumber = 0;
  bool headerSeen = false;
  int count = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> cells = splitTabs(line);
    if (!headerSeen) {
      headerSeen = true;
      continue;
    }
    if (static_cast<int>(cells.size()) != kLanguages + 1) {
      std::cerr << argv[1] << ":" << lineNumber << ": expected " << kLanguages + 1
                << " cells, found " << cells.size() << "\n";
      return 1;
    }
    int id = std::stoi(cells[0]);
    for (int language = 0; language < kLanguages; ++language) {
      const std::string& cell = cells[language + 1];
      if (cell == kAbsent) continue;
      rows << "    {" << id + language * kLanguageStep << ", " << cppLiteral(unescapeCell(cell))
           << "},\n";
      ++count;
    }
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << "// Generated from resources/texts.tsv by textgen. Do not edit.\n"
      << "#include \"base/text_table.h\"\n\n"
      << "namespace ordalis {\n\n"
      << "const TextTableEntry kTextTable[] = {\n"
      << rows.str() << "};\n\n"
      << "const int kTextTableSize = " << count << ";\n\n"
      << "}  // namespace ordalis\n";
  return out ? 0 : 1;
}
