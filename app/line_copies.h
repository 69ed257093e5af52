// Copies of clock lines: what the clipboard carries for a line (its 13 bytes
// and the central model it was made for, and a readable text), pasting and
// duplicating a line into a free line, and keeping the original in place when
// a line is dragged with Ctrl held. They talk to the user only through Prompts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "base/prompts.h"
#include "week/selection_panel.h"

namespace ordalis {

// The clipboard format of a copied line: the 13 line bytes, then the model byte.
inline constexpr const char* kClockLineMimeType = "application/x-ordalis-clock-line";

struct CopiedLine {
  ClockLine line;
  uint8_t centralModel = 0;
};

std::vector<uint8_t> EncodeCopiedLine(const CopiedLine& copied);
// nullopt unless the bytes are exactly one line and a model byte, and the line
// is in use with every field in its range (a clipboard is foreign input).
std::optional<CopiedLine> DecodeCopiedLine(const std::vector<uint8_t>& bytes);

// The line as the selection panel words it: function and level, then the
// moment and repeat rule on a second line.
std::string CopiedLineText(const ClockLineArray& table, int line, const CatalogueTexts& texts);

// The selected line, ready for the clipboard; nullopt when none is selected.
std::optional<CopiedLine> CopySelectedLine(const ProgramState& state);

// Paste: when the line was made for another central model, asks first. Then
// takes the first free line (telling the user when the table is full) and
// fills it with the copy, dated on the same weekday of the shown week, and
// selects it. Returns its index; nullopt when nothing changed.
std::optional<int> PasteLine(ProgramState& state, Prompts& prompts, const CopiedLine& copied);

// Duplicate: pastes the selected line, without the model question.
std::optional<int> DuplicateSelectedLine(ProgramState& state, Prompts& prompts);

// After line `dragged` was dragged with Ctrl held: when it moved, its
// `original` bytes go into a free line, so the drag made a copy and the
// original stays. With no free line the drag is taken back and the user told.
// Returns the index of the line that stayed behind; nullopt when none.
std::optional<int> KeepDraggedOriginal(ProgramState& state, Prompts& prompts, int dragged,
                                       const ClockLine& original);

}  // namespace ordalis
