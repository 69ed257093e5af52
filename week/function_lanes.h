// The Functions view as a model: one lane per function that a shown line
// switches, with what the function does over the shown week. A relay lane
// holds on, off and uncoupled intervals, a dimmer lane a step curve in per
// cent, and every other function a tick at each firing. Each firing is a
// change marker of its line; where lines of tables that may run together
// switch a function differently at the same minute, the lane marks a
// conflict. The state at the start of the week comes from the last firings
// before it. A pure computation over the firings; it changes nothing.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "clock/firings.h"

namespace ordalis {

// How a lane draws its function.
enum class LaneKind { Relay, Dimmer, Ticks };

// Relays and dimmers carry a state; every other type only ticks.
LaneKind LaneKindOfType(uint8_t type);

enum class LaneStateKind { Unknown, Off, On, Uncoupled, Dimmed };

struct LaneState {
  LaneStateKind kind = LaneStateKind::Unknown;
  int percent = 0;  // the dim level of a dimmed state, 0-100

  bool operator==(const LaneState&) const = default;
};

// The state a level puts a function of a kind in: a relay is off at 0, on at
// 255 (and 1), uncoupled at 3; a dimmer is uncoupled at 3 and dimmed to the
// per cent the central receives for the level otherwise (a level between the
// per-cent steps reads 0 %); a level no reading gives is unknown, and a
// ticking function has no state.
LaneState StateOfLevel(LaneKind kind, uint8_t level);

// One firing of a line on the lane.
struct LaneChange {
  LocalTime moment;
  int line = 0;
  uint8_t table = 0;
  uint8_t level = 0;
  LaneState after;        // the lane's state from this minute on
  bool conflict = false;  // another line switches the function differently at this minute
};

// The lane holds one state over [from, to).
struct LaneInterval {
  LocalTime from;
  LocalTime to;
  LaneState state;
};

// Lines of tables that may run together switching one function to different
// levels at one minute (the conflicts of the firings).
struct LaneConflict {
  LocalTime moment;
  std::vector<int> lines;  // in index order
};

struct FunctionLane {
  uint16_t function = 0;  // FunctionHigh << 8 | FunctionLow
  std::string name;       // as the line editor lists the function
  LaneKind kind = LaneKind::Ticks;
  LaneState carriedIn;    // the state at the start of the week
  std::vector<LaneChange> changes;
  std::vector<LaneInterval> intervals;  // relays and dimmers: the whole week, adjacent, no two alike in a row
  std::vector<LaneConflict> conflicts;
};

struct WeekLanes {
  LocalTime weekStart;
  std::vector<FunctionLane> lanes;  // in the catalogue's order
};

// Where a function stands in the catalogue and what the editor calls it.
struct LaneName {
  int rank = 0;  // lanes sort by rank, then by function code
  std::string name;
};
using LaneCatalogue = std::function<LaneName(uint16_t function)>;

// What the lanes are made of: the lines below the capacity of the shown
// tables, in the week that starts at weekStart (a Monday, 00:00).
struct LaneSource {
  const ClockLineArray& lines;
  int lineCount = kClockTableLines;
  LocalTime weekStart;
  TableSelection tables = kAllTables;
  WorkdayFlags workdays{};

  // The lines that count: lineCount, within the table.
  int countedLines() const { return std::clamp(lineCount, 0, kClockTableLines); }
  bool tableShown(uint8_t table) const { return table < kClockTableCount && tables[table]; }
  bool shows(const ClockLine& line) const { return line.inUse() && tableShown(line.Table); }
};

// The lanes from firings: `before` holds, for each function, its firings at
// the last minute before the week at which it fired (none: its state is
// unknown); `week` holds the firings in the week. Both in time order.
WeekLanes LanesFromFirings(const LaneSource& source, const std::vector<Firing>& before,
                           const std::vector<Firing>& week, const LaneCatalogue& catalogue);

// The firings that decide the states at the start of the week: for each
// relay and dimmer that a shown line switches, its firings at the last
// minute before the week at which it fired, looking back at most ten years.
std::vector<Firing> FiringsBeforeWeek(const LaneSource& source);

// The lanes of the shown week.
WeekLanes BuildWeekLanes(const LaneSource& source, const LaneCatalogue& catalogue);

}  // namespace ordalis
