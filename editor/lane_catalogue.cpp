// The lane catalogue: every function of the editor's lists with its place.
#include "editor/lane_catalogue.h"

#include <climits>
#include <memory>
#include <unordered_map>

#include "base/trimmed.h"
#include "editor/function_catalogue.h"
#include "functions/function_text.h"

namespace ordalis {

LaneCatalogue ProgramLaneCatalogue(const Texts& texts, const Installation& installation) {
  auto listed = std::make_shared<std::unordered_map<uint16_t, LaneName>>();
  ItemList types;
  FillFunctionTypeList(texts, types);
  ItemList functions;
  for (const ListEntry& type : types.Entries)
    FillFunctionList(texts, installation, functions, type.ItemData, kNumberAndName, false, kFullDetail);
  for (const ListEntry& function : functions.Entries) {
    const auto code = static_cast<uint16_t>(function.ItemData);
    listed->try_emplace(code, LaneName{static_cast<int>(listed->size()), Trimmed(function.Text)});
  }
  return [listed, &texts, &installation](uint16_t code) {
    const auto found = listed->find(code);
    if (found != listed->end()) return found->second;
    return LaneName{INT_MAX, Trimmed(FunctionText(texts, installation, code >> 8, code & 0xFF, kNumberAndName, false))};
  };
}

}  // namespace ordalis
