// Clock tables compared as the central unit would act on them.
#include "comm/acting_comparison.h"

#include "comm/reference_dates.h"
#include "image/clock_section.h"

namespace ordalis {

ClockLineArray ActingForm(const ClockLineArray& table, LocalTime now) {
  ClockLineArray acting = table;
  BringReferenceDatesUpToDate(acting, now);
  for (ClockLine& line : acting) line.Level = LevelFromByte(line.FunctionHigh, LevelByteOf(line));
  return acting;
}

TableDifferences CompareActingTables(const ClockLineArray& first, const ClockLineArray& second, int lineCount,
                                     LocalTime now) {
  return CompareClockTables(ActingForm(first, now), ActingForm(second, now), lineCount);
}

}  // namespace ordalis
