// Lines that switch the same function at the same minute with different
// levels, in tables the central unit can run at the same time: which of them
// stays in force is then a matter of the order in which the central takes
// them. A pure computation over firings.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "clock/firings.h"

namespace ordalis {

// Entry [a][b] says whether tables a and b can be active at the same time.
using TableOverlap = std::array<std::array<bool, kClockTableCount>, kClockTableCount>;

// The central runs one clock regime at a time (workday, weekend or presence
// simulation table); the continue table always runs and the special table
// has its own on/off switch, so both run beside any regime.
constexpr TableOverlap DefaultTableOverlap() {
  TableOverlap overlap{};
  for (int a = 0; a < kClockTableCount; ++a)
    for (int b = 0; b < kClockTableCount; ++b) {
      const bool aRegime = a >= kWorkdayTable && a <= kSimulationTable;
      const bool bRegime = b >= kWorkdayTable && b <= kSimulationTable;
      overlap[a][b] = a == b || !aRegime || !bRegime;
    }
  return overlap;
}

struct FiringConflict {
  LocalTime moment;
  uint16_t function = 0;
  std::vector<int> lines;  // the lines involved, ascending
  // The line whose level stays when the central takes a table's lines in
  // list order (index order): known only when all the lines share one table.
  std::optional<int> winner;
};

// The conflicts among time-ordered firings, in time order, then by function.
std::vector<FiringConflict> FindFiringConflicts(const std::vector<Firing>& firings,
                                                const TableOverlap& overlap = DefaultTableOverlap());

}  // namespace ordalis
