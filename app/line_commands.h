// The main window's commands on single clock lines: a new line in a table
// (up to and after the editor) and deleting the selected line, and the texts
// the main window keeps current. They talk to the user only through Prompts.
#pragma once

#include <optional>
#include <string>

#include "base/clock_source.h"
#include "app/program_state.h"
#include "base/prompts.h"
#include "week/selection_panel.h"

namespace ordalis {

// Fixed messages (the same in every language).
inline constexpr const char* kNoMoreMemoryMessage = "No more memory!";
inline constexpr const char* kNoInstallationMessage =
    "Geen VANTREL '.NBT' bestand ingeladen, u dient dit eerst te doen!";
inline constexpr const char* kNotInThisVersionMessage = "Nog niet in deze versie";

// The first free line below MaxClockLines; when none is free, tells the user
// why (the table is full, or no installation is loaded) and returns nullopt.
std::optional<int> TakeFreeLine(const ProgramState& state, Prompts& prompts);

// A new line in table `table` (0-4), before the editor opens: takes the first
// free line below MaxClockLines, fills it with the defaults (function 1/1,
// level 255, the current hour at :00, Monday of the current week, repeated
// every day) and selects it. When no line is free it tells the user why and
// returns nullopt; nothing changes then.
std::optional<int> StartNewClockLine(ProgramState& state, const Clock& clock, Prompts& prompts,
                                     int table);

// After the editor closed on a new line: a cancelled editor frees the line
// and clears the selection. ClocksChanged is set either way. Returns whether
// the line is in use.
bool FinishNewClockLine(ProgramState& state, int line, bool accepted);

// "Mag <function> <level> verwijderd worden?"
std::string DeleteQuestion(const std::string& functionName, const std::string& levelText);

// Deletes the selected line after asking (Yes/No, No the default). Returns
// true when the line was freed; false when none is selected (the user is
// told to select one) or the user said No. The caller repaints and clears the selection.
bool DeleteSelectedLine(ProgramState& state, Prompts& prompts, const CatalogueTexts& texts);

// The eight repeat-unit names, padded to 50 characters (main window load).
void FillRepeatUnitNames(ClockState& clock);

// "Ordalis - " followed by ClockFileName.
std::string MainWindowCaption(const ClockState& clock);

// The file name part of a path: after its last "\" or "/".
std::string FileNamePart(const std::string& path);

}  // namespace ordalis
