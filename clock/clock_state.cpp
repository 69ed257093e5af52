// The fixed repeat-unit names.
#include "clock/clock_state.h"

namespace ordalis {

const char* const kRepeatUnitNames[kRepeatUnitCount] = {
    "Eenmalig", "Minuut(en)",  "Uur(en)",       "Dag(en)",
    "Week(en)", "Maand(en)",   "Werkdag(en)",   "Weekenddag(en)"};

}  // namespace ordalis
