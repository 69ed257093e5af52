// Entry numbers from files, clock lines and buttons are checked against the
// table's size before they are used.
#pragma once

namespace ordalis {

template <class Table>
bool inTable(const Table& table, int n) {
  return n >= 0 && n < static_cast<int>(table.size());
}

}  // namespace ordalis
