// Lookup of texts by number in the compiled string table.
#include "base/texts.h"

#include <algorithm>
#include <unordered_map>

#include "base/text_table.h"

namespace ordalis {

const char* const kLanguageNames[kLanguageCount] = {
    "English", "Nederlands", "Fran\xC3\xA7" "ais", "Deutsch", "Spaans", "Italiaans",
    "Portugu\xC3\xAA" "s"};

bool isValidLanguageOffset(int32_t offset) {
  return std::find(kLanguageOffsets.begin(), kLanguageOffsets.end(), offset) !=
         kLanguageOffsets.end();
}

namespace {

const std::unordered_map<int, const char*>& textIndex() {
  static const std::unordered_map<int, const char*> index = [] {
    std::unordered_map<int, const char*> map;
    map.reserve(static_cast<size_t>(kTextTableSize));
    for (int i = 0; i < kTextTableSize; ++i) map.emplace(kTextTable[i].number, kTextTable[i].text);
    return map;
  }();
  return index;
}

}  // namespace

std::optional<std::string> findText(int number) {
  const auto& index = textIndex();
  auto it = index.find(number);
  if (it == index.end()) return std::nullopt;
  return std::string(it->second);
}

std::string Texts::LoadText(int id) const {
  if (auto text = findText(id + LanguageOffset)) return *text;
  if (reportMissing) reportMissing("Out Of Memory! " + std::to_string(kTextNotFoundError));
  return {};
}

}  // namespace ordalis
