// Groups the firings of one minute by function and keeps the groups whose
// levels disagree between tables that can run together.
#include "clock/firing_conflicts.h"

#include <algorithm>

#include "clock/levels.h"

namespace ordalis {

namespace {

// True when another firing of the group could act beside f with another
// level (as the central receives it).
bool Contradicted(const Firing& f, const std::vector<const Firing*>& group, const TableOverlap& overlap) {
  return std::any_of(group.begin(), group.end(), [&](const Firing* other) {
    return overlap[f.table][other->table] &&
           ReceivedLevel(f.function >> 8, f.level) != ReceivedLevel(other->function >> 8, other->level);
  });
}

std::optional<FiringConflict> ConflictIn(const std::vector<const Firing*>& group, const TableOverlap& overlap) {
  FiringConflict conflict{group.front()->moment, group.front()->function, {}, std::nullopt};
  std::vector<uint8_t> tables;
  for (const Firing* f : group) {
    if (!Contradicted(*f, group, overlap)) continue;
    conflict.lines.push_back(f->line);
    tables.push_back(f->table);
  }
  if (conflict.lines.empty()) return std::nullopt;
  std::sort(conflict.lines.begin(), conflict.lines.end());
  if (std::all_of(tables.begin(), tables.end(), [&](uint8_t t) { return t == tables.front(); }))
    conflict.winner = conflict.lines.back();
  return conflict;
}

}  // namespace

std::vector<FiringConflict> FindFiringConflicts(const std::vector<Firing>& firings, const TableOverlap& overlap) {
  std::vector<FiringConflict> conflicts;
  std::vector<const Firing*> minute;
  for (size_t start = 0; start < firings.size();) {
    size_t end = start;
    while (end < firings.size() && firings[end].moment == firings[start].moment) ++end;
    if (end - start > 1) {
      minute.clear();
      for (size_t i = start; i < end; ++i) minute.push_back(&firings[i]);
      std::stable_sort(minute.begin(), minute.end(),
                       [](const Firing* a, const Firing* b) { return a->function < b->function; });
      for (size_t g = 0; g < minute.size();) {
        size_t h = g;
        while (h < minute.size() && minute[h]->function == minute[g]->function) ++h;
        std::vector<const Firing*> group(minute.begin() + static_cast<long>(g), minute.begin() + static_cast<long>(h));
        if (group.size() > 1)
          if (std::optional<FiringConflict> c = ConflictIn(group, overlap)) conflicts.push_back(std::move(*c));
        g = h;
      }
    }
    start = end;
  }
  return conflicts;
}

}  // namespace ordalis
