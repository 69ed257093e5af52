// Lanes from firings: the functions of the shown lines, each firing as a
// change, the state it leaves, the intervals between, and the conflicts.
#include "week/function_lanes.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <span>

#include "clock/firing_conflicts.h"
#include "clock/levels.h"

namespace ordalis {

namespace {

constexpr std::chrono::days kWeekLength{7};
constexpr uint8_t kRelayOnLevel = 255;
constexpr uint8_t kRelayOnLevelToo = 1;  // reads "On" as well

// Lines that agree set the state their level reads; lines that disagree
// leave it unknown, since which of them acts last is not known.
LaneState StateAfterMinute(LaneKind kind, std::span<const Firing> minute) {
  const LaneState first = StateOfLevel(kind, minute.front().level);
  const bool agree = std::all_of(minute.begin(), minute.end(),
                                 [&](const Firing& f) { return StateOfLevel(kind, f.level) == first; });
  return agree ? first : LaneState{};
}

// Calls visit(minute) for each run of firings at the same moment.
template <class Visit>
void ForEachMinute(const std::vector<Firing>& firings, Visit visit) {
  for (auto begin = firings.begin(); begin != firings.end();) {
    auto end = std::find_if(begin, firings.end(), [&](const Firing& f) { return f.moment != begin->moment; });
    visit(std::span<const Firing>(&*begin, static_cast<size_t>(end - begin)));
    begin = end;
  }
}

using FiringsByFunction = std::map<uint16_t, std::vector<Firing>>;

FiringsByFunction ByFunction(const LaneSource& source, const std::vector<Firing>& firings) {
  FiringsByFunction result;
  for (const Firing& firing : firings)
    if (source.tableShown(firing.table)) result[firing.function].push_back(firing);
  return result;
}

LaneState CarriedIn(LaneKind kind, const FiringsByFunction& before, uint16_t function) {
  const auto found = before.find(function);
  if (found == before.end() || kind == LaneKind::Ticks) return {};
  const std::vector<Firing>& firings = found->second;
  const LocalTime last = firings.back().moment;
  const auto lastMinute = std::find_if(firings.begin(), firings.end(), [last](const Firing& f) { return f.moment == last; });
  return StateAfterMinute(kind, std::span<const Firing>(&*lastMinute, static_cast<size_t>(firings.end() - lastMinute)));
}

// Walks the week's firings of one lane: changes, conflicts and the intervals
// of its state.
void FillLane(FunctionLane& lane, const std::vector<Firing>& firings, const std::vector<FiringConflict>& conflicts,
              LocalTime weekStart) {
  for (const FiringConflict& conflict : conflicts)
    if (conflict.function == lane.function) lane.conflicts.push_back({conflict.moment, conflict.lines});
  auto inConflict = [&lane](const Firing& f) {
    return std::any_of(lane.conflicts.begin(), lane.conflicts.end(), [&f](const LaneConflict& conflict) {
      return conflict.moment == f.moment && std::count(conflict.lines.begin(), conflict.lines.end(), f.line) > 0;
    });
  };
  LaneState state = lane.carriedIn;
  LocalTime stateFrom = weekStart;
  ForEachMinute(firings, [&](std::span<const Firing> minute) {
    const LaneState after = StateAfterMinute(lane.kind, minute);
    for (const Firing& f : minute) lane.changes.push_back({f.moment, f.line, f.table, f.level, after, inConflict(f)});
    if (lane.kind == LaneKind::Ticks || after == state) return;
    if (minute.front().moment > stateFrom) lane.intervals.push_back({stateFrom, minute.front().moment, state});
    state = after;
    stateFrom = minute.front().moment;
  });
  if (lane.kind != LaneKind::Ticks) lane.intervals.push_back({stateFrom, weekStart + kWeekLength, state});
}

// The functions that the shown lines switch, each once.
std::vector<uint16_t> ShownFunctions(const LaneSource& source) {
  std::vector<uint16_t> functions;
  for (int i = 0; i < source.countedLines(); ++i) {
    const ClockLine& line = source.lines[static_cast<size_t>(i)];
    if (source.shows(line)) functions.push_back(line.functionCode());
  }
  std::sort(functions.begin(), functions.end());
  functions.erase(std::unique(functions.begin(), functions.end()), functions.end());
  return functions;
}

}  // namespace

LaneKind LaneKindOfType(uint8_t type) {
  if (type == kRelayType) return LaneKind::Relay;
  if (type == kDimmerType) return LaneKind::Dimmer;
  return LaneKind::Ticks;
}

LaneState StateOfLevel(LaneKind kind, uint8_t level) {
  switch (kind) {
    case LaneKind::Relay:
      if (level == 0) return {LaneStateKind::Off};
      if (level == kUncoupledLevel) return {LaneStateKind::Uncoupled};
      if (level == kRelayOnLevel || level == kRelayOnLevelToo) return {LaneStateKind::On};
      return {};
    case LaneKind::Dimmer:
      if (level == kUncoupledLevel) return {LaneStateKind::Uncoupled};
      return {LaneStateKind::Dimmed, LevelToPercent(level)};
    case LaneKind::Ticks:
      break;
  }
  return {};
}

WeekLanes LanesFromFirings(const LaneSource& source, const std::vector<Firing>& before,
                           const std::vector<Firing>& week, const LaneCatalogue& catalogue) {
  const FiringsByFunction beforeByFunction = ByFunction(source, before);
  const FiringsByFunction weekByFunction = ByFunction(source, week);
  std::vector<Firing> shownWeek;
  std::copy_if(week.begin(), week.end(), std::back_inserter(shownWeek),
               [&source](const Firing& f) { return source.tableShown(f.table); });
  const std::vector<FiringConflict> conflicts = FindFiringConflicts(shownWeek);
  const std::vector<Firing> none;
  std::vector<std::pair<LaneName, FunctionLane>> named;
  for (uint16_t function : ShownFunctions(source)) {
    FunctionLane lane;
    lane.function = function;
    lane.kind = LaneKindOfType(static_cast<uint8_t>(function >> 8));
    lane.carriedIn = CarriedIn(lane.kind, beforeByFunction, function);
    const auto firings = weekByFunction.find(function);
    FillLane(lane, firings == weekByFunction.end() ? none : firings->second, conflicts, source.weekStart);
    LaneName name = catalogue(function);
    lane.name = name.name;
    named.emplace_back(std::move(name), std::move(lane));
  }
  std::stable_sort(named.begin(), named.end(), [](const auto& a, const auto& b) { return a.first.rank < b.first.rank; });
  WeekLanes result{source.weekStart, {}};
  for (auto& entry : named) result.lanes.push_back(std::move(entry.second));
  return result;
}

}  // namespace ordalis
