// The selected line, or a word to the user that none is.
#include "clock/selected_line.h"

namespace ordalis {

namespace {
constexpr int kSelectAnItemText = 905;
}  // namespace

std::optional<int> SelectedLine(const ClockState& clock) {
  const int line = clock.SelectedClockLine - 1;
  if (line >= 0 && line < kClockTableLines && clock.ClockTable[static_cast<size_t>(line)].inUse()) return line;
  return std::nullopt;
}

std::optional<int> SelectedLineOrSay(const ClockState& clock, const Texts& texts, Prompts& prompts) {
  const std::optional<int> line = SelectedLine(clock);
  if (!line) prompts.tell(texts.LoadText(kSelectAnItemText));
  return line;
}

}  // namespace ordalis
