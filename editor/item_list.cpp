// Lists of texts with item values.
#include "editor/item_list.h"

namespace ordalis {

void ItemList::select(int index) {
  ListIndex = index;
  if (SelectionChanged) SelectionChanged(index);
}

int SelectByItemData(ItemList& list, int32_t value, int32_t mask) {
  int last = -1;
  for (int i = 0; i < static_cast<int>(list.Entries.size()); ++i) {
    if ((list.Entries[i].ItemData & mask) != value) continue;
    list.select(i);
    last = i;
  }
  return last;
}

}  // namespace ordalis
