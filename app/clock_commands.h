// The main window's file commands over the clock table: new table, open,
// save and save as, and the ask-to-save question that these commands and
// closing the main window share. They talk to the user only through Prompts.
#pragma once

#include <functional>
#include <string>

#include "app/program_state.h"
#include "base/prompts.h"

namespace ordalis {

// Fixed messages of the clock file (the same in every language).
inline constexpr const char* kNotAClockFileMessage = "NO KVB Clock file!";
inline constexpr const char* kClockReadErrorMessage = "Read error in CLOCK File";

struct ClockCommandContext {
  ProgramState& state;
  Prompts& prompts;
  // Recomputes and redraws the week view for the shown week; may be empty.
  std::function<void()> recomputeWeekView;
};

// The file dialogs' filters, in the program's "text |pattern|" form.
std::string OpenClockFileFilter();
std::string SaveClockFileFilter(const Texts& texts);

// Asks "File <name> is changed! / Save now?" with Yes, No and Cancel.
Answer AskToSave(const Texts& texts, const std::string& clockFileName, Prompts& prompts);

// Before the table is dropped (new table, open, closing the program): when
// ClocksChanged is set, asks to save; Yes runs the save command. Returns true
// when the caller may go on: nothing to save, saved, or the user said No.
// Returns false on Cancel and when the changes are still unsaved afterwards
// (the save dialog was cancelled or the write failed).
bool SaveChangesFirst(ClockCommandContext& context);

// Writes the table to ClockFileName; when ClockFileFormat is not the current
// one, asks the conversion question first. Returns true when the file was
// written; reports failures to the user. Does not touch ClocksChanged.
bool WriteClockFile(ClockCommandContext& context);

// Reads the clock file at path into the table. A file that cannot be read or
// does not start with "KVB" changes nothing and returns false (after telling
// the user). Otherwise the table is cleared, the file's format and model are
// taken, the lines read completely are copied, a missing trailer is reported,
// and true is returned.
bool ReadClockFile(ClockCommandContext& context, const std::string& path);

// File > New: an empty table named after the installation file.
void mmuFileNew_Click(ClockCommandContext& context);
// The table emptied and named after the installation file, without asking.
void NewClockTable(ClockCommandContext& context);
// File > Open...: a clock file chosen by the user. Returns whether a file was
// read (the table is then the file's).
bool mmuFileOpenCLK_Click(ClockCommandContext& context);
// File > Save: writes to ClockFileName; save as when there is none or when
// the name was made from the installation file's name.
void mmuFileSave_Click(ClockCommandContext& context);
// File > Save as...: writes under a name chosen by the user; a name typed
// without an extension gets ".clk".
void mmuFileSaveAs_Click(ClockCommandContext& context);

// The path with ".clk" added when its file name has no extension.
std::string WithClockExtension(const std::string& path);

// The installation file's base name with ".clk": the part after the last
// directory separator and before the last ".", no directory.
std::string NewClockFileName(const std::string& installationPath);
// Names the clock file after the installation file (NewClockFileName), as a
// name that the next save confirms with the user.
void NameClockFileAfterInstallation(ClockState& clock);

}  // namespace ordalis
