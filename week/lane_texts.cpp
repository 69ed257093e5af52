// The state words of the lanes, from the level texts of the string table.
#include "week/lane_texts.h"

#include "functions/value_text.h"

namespace ordalis {

std::string LaneStateText(const Texts& texts, const LaneState& state) {
  switch (state.kind) {
    case LaneStateKind::On: return texts.LoadText(kRelayOnText);
    case LaneStateKind::Off: return texts.LoadText(kRelayOffText);
    case LaneStateKind::Uncoupled: return texts.LoadText(kUncoupledText);
    case LaneStateKind::Dimmed: return std::to_string(state.percent) + " %";
    case LaneStateKind::Unknown: break;
  }
  return texts.LoadText(kUnknownStateText);
}

}  // namespace ordalis
