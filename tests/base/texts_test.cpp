// The string table resources/texts.tsv is complete and well formed, every
// text id the program uses (found by scanning the sources for LoadText(n),
// constants named kText.../...Text/...TextId, lists named ...TextIds and
// TransferResult codes) exists in every language, and LoadText reports a
// missing one.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/texts.h"
#include "support/temp_dir.h"

namespace ordalis {
namespace {

namespace fs = std::filesystem;

constexpr int kDutch = 1;
constexpr int kTextDutchLacks = 919;
const char* const kAbsent = "(absent)";
const std::vector<std::string> kHeader = {"id", "en", "nl", "fr", "de", "es", "it", "pt"};
const std::vector<std::string> kScannedFolders = {"base",   "clock", "installation", "image",      "functions",
                                                  "week",   "editor", "comm",        "app",        "mainwindow",
                                                  "export", "cli"};

// The lines of texts.tsv that are no comment, split at tabs, CRs dropped.
std::vector<std::vector<std::string>> tableLines() {
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(test::readText(ORDALIS_SOURCE_DIR "/resources/texts.tsv"));
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    lines.emplace_back(1);
    for (char c : line) {
      if (c == '\t') lines.back().emplace_back();
      else if (c != '\r') lines.back().back() += c;
    }
  }
  return lines;
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

// A named constant holds a text id when its name says so: kTextFile, kFileText,
// kSelectItemTextId. kTextNotFoundError is an error number, not a text.
bool namesATextId(const std::string& name) {
  static const std::regex textPrefix(R"(kText[A-Z]\w*)"), error(R"(\w*Error)"), textEnd(R"(\w*Text(Id)?)");
  return (std::regex_match(name, textPrefix) && !std::regex_match(name, error)) || std::regex_match(name, textEnd);
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
      for (int id : textIdsIn(test::readText(entry.path().string())))
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
  auto rows = tableLines();
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(kHeader, rows.front());
  rows.erase(rows.begin());
  std::set<std::string> seen;
  std::vector<std::string> absent;
  for (const auto& row : rows) {
    ASSERT_EQ(kHeader.size(), row.size()) << "id cell \"" << row[0] << "\"";
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

// The tables find every text in every language; a missing Dutch text is
// reported and an empty one used.
TEST(LoadText, FindsEveryTableTextAndReportsAMissingDutchOne) {
  for (int language = 0; language < kLanguageCount; ++language) {
    Texts texts = textsIn(language);
    std::vector<std::string> reports;
    texts.reportMissing = [&](const std::string& message) { reports.push_back(message); };
    texts.FillTextTables();
    EXPECT_TRUE(reports.empty()) << kHeader[language + 1] << ": " << reports.front();
    EXPECT_EQ(language == kDutch, texts.LoadText(kTextDutchLacks).empty());
    EXPECT_EQ(language == kDutch ? std::vector<std::string>{"Out Of Memory! 326"} : std::vector<std::string>{},
              reports);
  }
}

}  // namespace
}  // namespace ordalis
