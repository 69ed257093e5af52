// The words of the Functions view in the user's language: a lane's state,
// the kind of a lane, and the texts the view shows around them.
#pragma once

#include <string>

#include "base/texts.h"
#include "week/function_lanes.h"

namespace ordalis {

enum LaneTextId : int {
  kFunctionsViewText = 1230,    // the view's toggle
  kConflictingLinesText = 1231,
  kUnknownStateText = 1232,
  kNoLanesText = 1233,          // no shown line is in use
};

// "On", "Off", "Uncoupled" as the level texts read, "50 %" for a dimmed
// state, and "Unknown".
std::string LaneStateText(const Texts& texts, const LaneState& state);

}  // namespace ordalis
