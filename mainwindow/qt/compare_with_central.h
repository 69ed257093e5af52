// "Compare with central": fetches the central unit's clock table through the
// communication dialog, shows how it differs from the program's in the
// differences dialog, and from there sends the program's table or takes the
// central's (after the question whether to save unsaved changes).
#pragma once

#include <functional>
#include <optional>

#include "app/program_state.h"
#include "base/clock_source.h"
#include "base/prompts.h"

class QWidget;

namespace ordalis {

// Opens the communication dialog with an action ("C" to fetch,
// "T" to send) and gives the central's table after a successful fetch.
using CommunicationRun = std::function<std::optional<ClockLineArray>(char mode)>;

void CompareWithCentral(QWidget* parent, ProgramState& state, Prompts& prompts, const Clock& clock,
                        const CommunicationRun& openDialog);

}  // namespace ordalis
