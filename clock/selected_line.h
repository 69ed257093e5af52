// The clock line that Edit, Delete and Test On-Line act on: the selected
// line, when one is selected and in use. With none, the user is told to
// select one and nothing else happens.
#pragma once

#include <optional>

#include "base/prompts.h"
#include "base/texts.h"
#include "clock/clock_state.h"

namespace ordalis {

// Index of the selected line; nullopt when none is selected or it is free.
std::optional<int> SelectedLine(const ClockState& clock);
// The same; nullopt after saying "Select an item!".
std::optional<int> SelectedLineOrSay(const ClockState& clock, const Texts& texts, Prompts& prompts);

}  // namespace ordalis
