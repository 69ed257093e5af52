// The string table: the translator's file resources/texts.tsv is complete and
// well formed, every text id the program uses exists in every language, and
// LoadText finds texts by id + language offset and reports a missing one.
//
// Ids the program uses are found by scanning the sources at test time:
//   LoadText(600)                       a literal id
//   constexpr int kTextFile = 600;      a constant named kText... or ...Text or ...TextId
//   kTextUncoupled = 401,               (an enumerator likewise)
//   kRegimeTextIds = {281, 282, ...};   a list of ids only, whose name contains TextIds
//   enum class TransferResult { ..., NoAnswer = 652, ... } or
//   constexpr TransferResult kNoAnswer = 652;   status codes that are text ids
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/texts.h"

namespace ordalis {
namespace {

namespace fs = std::filesystem;

constexpr int kDutch = 1;
constexpr int kTextDutchLacks = 919;
const char* const kAbsent = "(absent)";
const std::vector<std::string> kHeader = {"id", "en", "nl", "fr", "de", "es", "it", "pt"};
const std::vector<std::string> kScannedFolders = {"app",    "clock", "installation", "mainwindow",
                                                  "editor", "comm",  "image",        "cli"};

struct TableFile {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;  // id cell first, one cell per language after it
  std::vector<std::string> problems;
};

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> cells(1);
  for (char c : line) {
    if (c == '\t')
      cells.emplace_back();
    else if (c != '\r')
      cells.back() += c;
  }
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

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TableFile readTableFile() {
  TableFile table;
  std::istringstream in(readFile(fs::path(ORDALIS_SOURCE_DIR) / "resources" / "texts.tsv"));
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (line.empty() || line[0] == '#') continue;
    auto cells = splitTabs(line);
    if (table.header.empty()) {
      table.header = cells;
    } else if (cells.size() != kHeader.size()) {
      table.problems.push_back("line " + std::to_string(lineNumber) + " has " +
                               std::to_string(cells.size()) + " cells");
    } else {
      table.rows.push_back(cells);
    }
  }
  return table;
}

const TableFile& tableFile() {
  static const TableFile table = readTableFile();
  return table;
}

bool isNumber(const std::string& text) {
  return !text.empty() && text.size() <= 5 &&
         text.find_first_not_of("0123456789") == std::string::npos;
}

// A translator's editor that saves in a legacy code page breaks the accented
// letters; the table is UTF-8 throughout.
bool isUtf8(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    auto lead = static_cast<unsigned char>(text[i]);
    size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                                    : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return false;
    i += length;
  }
  return true;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A named constant holds a text id when its name says so: kTextFile, kFileText,
// kSelectItemTextId. kTextNotFoundError is an error number, not a text.
bool namesATextId(const std::string& name) {
  bool textPrefix = name.size() > 5 && name.compare(0, 5, "kText") == 0 && std::isupper(static_cast<unsigned char>(name[5]));
  return (textPrefix && !endsWith(name, "Error")) || endsWith(name, "Text") ||
         endsWith(name, "TextId");
}

// Every text id a piece of source text refers to, by the conventions above.
std::set<int> textIdsIn(const std::string& source) {
  static const std::regex literal(R"(LoadText\s*\(\s*(\d+)\s*\))");
  static const std::regex constant(R"(\b(k\w+)\s*=\s*(\d+)\b)");
  static const std::regex list(R"(\b\w*TextIds\w*[^=;{]*=\s*\{([^;]*)\};)");
  static const std::regex transferResults(R"(enum\s+(?:class\s+)?TransferResult\b[^{]*\{([^}]*)\})");
  static const std::regex transferResult(R"(\bTransferResult\s+k\w+\s*=\s*(\d+))");
  static const std::regex number(R"(\b(\d+)\b)");
  const std::sregex_iterator end;
  std::set<int> ids;
  auto add = [&](const std::string& digits) {
    if (int id = std::stoi(digits); id != 0) ids.insert(id);  // 0: a transfer's success
  };
  auto each = [&](const std::regex& pattern, auto&& use) {
    for (std::sregex_iterator it(source.begin(), source.end(), pattern); it != end; ++it) use(*it);
  };
  auto numbersIn = [&](const std::string& text) {
    for (std::sregex_iterator n(text.begin(), text.end(), number); n != end; ++n) add((*n)[1]);
  };
  each(literal, [&](const std::smatch& m) { add(m[1]); });
  each(constant, [&](const std::smatch& m) {
    if (namesATextId(m[1])) add(m[2]);
  });
  each(transferResult, [&](const std::smatch& m) { add(m[1]); });
  each(list, [&](const std::smatch& m) { numbersIn(m[1]); });
  each(transferResults, [&](const std::smatch& m) { numbersIn(m[1]); });
  return ids;
}

// id -> the files that use it, over every source file of the program's folders.
std::map<int, std::set<std::string>> textIdsUsedByTheProgram() {
  std::map<int, std::set<std::string>> used;
  for (const auto& folder : kScannedFolders) {
    fs::path root = fs::path(ORDALIS_SOURCE_DIR) / folder;
    if (!fs::exists(root)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      auto extension = entry.path().extension();
      if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h")) continue;
      for (int id : textIdsIn(readFile(entry.path())))
        used[id].insert(fs::relative(entry.path(), ORDALIS_SOURCE_DIR).string());
    }
  }
  return used;
}

Texts textsIn(int language) {
  Texts texts;
  texts.LanguageOffset = kLanguageOffsets[language];
  return texts;
}

// Each id once as a number; every cell filled, UTF-8, and only Dutch text
// 919 marked absent.
TEST(TextTableFile, HoldsEachIdOnceWithEveryCellFilledInUtf8) {
  const auto& table = tableFile();
  EXPECT_EQ(kHeader, table.header);
  EXPECT_TRUE(table.problems.empty()) << table.problems.front();
  std::set<std::string> seen;
  std::vector<std::string> absent;
  for (const auto& row : tableFile().rows) {
    EXPECT_TRUE(isNumber(row[0])) << "id cell \"" << row[0] << "\"";
    EXPECT_TRUE(seen.insert(row[0]).second) << "id " << row[0] << " appears twice";
    for (size_t column = 1; column < row.size(); ++column) {
      const std::string where = "id " + row[0] + ", language " + kHeader[column];
      EXPECT_FALSE(row[column].empty()) << where;
      EXPECT_TRUE(isUtf8(row[column])) << where;
      if (row[column] == kAbsent) absent.push_back(row[0] + " " + kHeader[column]);
    }
  }
  EXPECT_EQ(std::vector<std::string>{std::to_string(kTextDutchLacks) + " nl"}, absent);
  EXPECT_FALSE(isUtf8("Fran\xE7" "ais"));
}

TEST(TextTableFile, EveryCellIsInTheCompiledTableUnderIdPlusLanguageOffset) {
  for (const auto& row : tableFile().rows) {
    if (!isNumber(row[0])) continue;
    int id = std::stoi(row[0]);
    for (int language = 0; language < kLanguageCount; ++language) {
      const std::string& cell = row[language + 1];
      auto compiled = findText(id + kLanguageOffsets[language]);
      if (cell == kAbsent) {
        EXPECT_FALSE(compiled.has_value()) << id << " " << kHeader[language + 1];
      } else {
        EXPECT_EQ(unescapeCell(cell), compiled.value_or("<missing>"))
            << id << " " << kHeader[language + 1];
      }
    }
  }
}

TEST(TextIdScan, EveryIdTheProgramUsesExistsInEveryLanguage) {
  for (const auto& [id, files] : textIdsUsedByTheProgram()) {
    for (int language = 0; language < kLanguageCount; ++language) {
      if (id == kTextDutchLacks && language == kDutch) continue;
      EXPECT_TRUE(findText(id + kLanguageOffsets[language]).has_value())
          << "text " << id << " (used in " << *files.begin() << ") lacks "
          << kHeader[language + 1];
    }
  }
}

TEST(FillTextTables, FindsEveryTextItNeedsInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    Texts texts = textsIn(language);
    std::vector<std::string> reports;
    texts.reportMissing = [&](const std::string& message) { reports.push_back(message); };
    texts.FillTextTables();
    EXPECT_TRUE(reports.empty()) << kHeader[language + 1] << ": " << reports.front();
  }
}

TEST(LoadText, ReportsAMissingDutchTextAndGoesOnWithAnEmptyOne) {
  Texts texts = textsIn(kDutch);
  std::vector<std::string> reports;
  texts.reportMissing = [&](const std::string& message) { reports.push_back(message); };
  EXPECT_EQ("", texts.LoadText(kTextDutchLacks));
  EXPECT_EQ(std::vector<std::string>{"Out Of Memory! 326"}, reports);

  reports.clear();
  texts.LanguageOffset = kLanguageOffsets[0];
  EXPECT_FALSE(texts.LoadText(kTextDutchLacks).empty());
  EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace ordalis
