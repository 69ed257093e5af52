// Comparing two clock tables by what the central unit would do with them:
// both go through the reference-date update that precedes every transfer and
// their levels through the byte they travel as, so dates that the update
// moves onto the same occurrence, and levels that the central cannot tell
// apart, count as the same.
#pragma once

#include "base/clock_source.h"
#include "clock/table_comparison.h"

namespace ordalis {

// The table as the central unit would act on it when sent at `now`.
ClockLineArray ActingForm(const ClockLineArray& table, LocalTime now);

// CompareClockTables over the acting forms of both tables; the indices name
// the lines of the tables as given.
TableDifferences CompareActingTables(const ClockLineArray& first, const ClockLineArray& second, int lineCount,
                                     LocalTime now);

}  // namespace ordalis
