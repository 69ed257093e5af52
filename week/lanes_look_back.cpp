// The states carried into the shown week. Each relay and dimmer needs only
// the last minute before the week at which it fired, so the look-back grows
// in spans (one week, then four times as long each round) over the lines of
// the functions still unknown: lines that fire often settle in the first
// span, and only rare lines are followed far back, at most ten years.
#include <algorithm>
#include <set>

#include "week/function_lanes.h"

namespace ordalis {

namespace {

constexpr std::chrono::days kWeekLength{7};
constexpr std::chrono::days kLookBackLimit{3652};  // ten years, as far as the firings reach
constexpr int kSpanGrowth = 4;

// A copy of the lines in which only the lines switching `functions` are in use.
ClockLineArray LinesSwitching(const ClockLineArray& lines, const std::set<uint16_t>& functions) {
  ClockLineArray subset = lines;
  for (ClockLine& line : subset)
    if (line.inUse() && !functions.contains(line.functionCode())) line.FunctionHigh = 0;
  return subset;
}

std::set<uint16_t> StatefulFunctions(const LaneSource& source) {
  std::set<uint16_t> functions;
  for (int i = 0; i < source.countedLines(); ++i) {
    const ClockLine& line = source.lines[static_cast<size_t>(i)];
    if (source.shows(line) && LaneKindOfType(line.FunctionHigh) != LaneKind::Ticks)
      functions.insert(line.functionCode());
  }
  return functions;
}

// Moves each function of `pending` that fired in `firings` (time order) to
// `found` with its firings at its last minute.
void TakeLastMinutes(const std::vector<Firing>& firings, std::set<uint16_t>& pending, std::vector<Firing>& found) {
  for (auto it = firings.rbegin(); it != firings.rend(); ++it) {
    if (!pending.contains(it->function)) continue;
    const Firing last = *it;
    for (auto same = it; same != firings.rend() && same->moment == last.moment; ++same)
      if (same->function == last.function) found.push_back(*same);
    pending.erase(last.function);
  }
}

}  // namespace

std::vector<Firing> FiringsBeforeWeek(const LaneSource& source) {
  std::set<uint16_t> pending = StatefulFunctions(source);
  std::vector<Firing> found;
  const LocalTime earliest = source.weekStart - kLookBackLimit;
  LocalTime spanEnd = source.weekStart;
  std::chrono::days span = kWeekLength;
  while (!pending.empty() && spanEnd > earliest) {
    const LocalTime spanStart = std::max<LocalTime>(spanEnd - span, earliest);
    TakeLastMinutes(ExpandFirings(LinesSwitching(source.lines, pending), source.countedLines(), spanStart, spanEnd,
                                  source.tables, source.workdays),
                    pending, found);
    spanEnd = spanStart;
    span *= kSpanGrowth;
  }
  std::stable_sort(found.begin(), found.end(), [](const Firing& a, const Firing& b) {
    return a.moment != b.moment ? a.moment < b.moment : a.line < b.line;
  });
  return found;
}

WeekLanes BuildWeekLanes(const LaneSource& source, const LaneCatalogue& catalogue) {
  const std::vector<Firing> week = ExpandFirings(source.lines, source.countedLines(), source.weekStart,
                                                 source.weekStart + kWeekLength, source.tables, source.workdays);
  return LanesFromFirings(source, FiringsBeforeWeek(source), week, catalogue);
}

}  // namespace ordalis
