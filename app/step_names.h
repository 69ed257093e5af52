// The names of the undo steps as the Edit menu shows them after "Undo" and
// "Redo": the kind of change, and for a change of lines the function and
// level of the line it concerns ("Delete Garden path On").
#pragma once

#include <string>

#include "base/texts.h"
#include "clock/clock_line.h"
#include "week/selection_panel.h"

namespace ordalis {

enum class StepKind { AddLine, EditLine, DeleteLine, MoveLine, CopyLine, PasteLine, DuplicateLine,
                      NewTable, Receive, UpdateDates };

std::string StepName(StepKind kind, const Texts& texts, const CatalogueTexts& catalogue,
                     const ClockLineArray& before, const ClockLineArray& after);

}  // namespace ordalis
