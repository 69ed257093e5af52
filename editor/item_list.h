// A list of texts with an item value each, as the editor's combo boxes show
// them, and the selection of an entry by its value. The widget mirrors
// Entries and ListIndex and reacts to selections through SelectionChanged.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ordalis {

struct ListEntry {
  std::string Text;
  int32_t ItemData = 0;
};

struct ItemList {
  std::vector<ListEntry> Entries;
  int ListIndex = -1;  // selected entry, -1 = none

  // Called after every selection, also when the same entry is selected again.
  std::function<void(int index)> SelectionChanged;

  void clear() {
    Entries.clear();
    ListIndex = -1;
  }
  void add(std::string text, int32_t itemData) { Entries.push_back({std::move(text), itemData}); }
  // Selects an entry (index must be within Entries) and reports it.
  void select(int index);
};

// Selects, from first to last, every entry whose item value bitwise-and mask
// equals value, so the last match stays selected and each selection is
// reported. Returns the index of the last match, or -1 (selection unchanged)
// when no entry matches.
int SelectByItemData(ItemList& list, int32_t value, int32_t mask = -1);

}  // namespace ordalis
