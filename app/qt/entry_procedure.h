// The entry procedure of the desktop program, in its fixed order: settings
// (and the language dialog when the stored language is not valid), the
// splash window, the main window, the installation file (insisting on one),
// an empty clock table, the day icons, the start dialog, the week view. And
// the end of a run: the settings are written when the main window unloads.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "base/clock_source.h"
#include "app/program_state.h"
#include "base/prompts.h"

namespace ordalis {

class FrmKlokken;
class FrmSelectClkAct;

struct EntryEnvironment {
  ProgramState& state;
  const Clock& clock;
  Prompts& prompts;
  std::string settingsPath;  // "Vantrel.ini" with its folder
  // The language dialog; stores the choice into the setting and offset.
  // Defaults to FrmTaal.
  std::function<void(int32_t& languageSetting, int32_t& languageOffset)> chooseLanguage;
  // Shows the start dialog modally. Defaults to exec().
  std::function<void(FrmSelectClkAct& dialog)> runStartDialog;
  // Prepares the main window before it is shown (tests replace its dialogs).
  std::function<void(FrmKlokken& window)> prepareMainWindow;
};

// Runs start-up up to the running program. Returns the shown main window, or
// nullptr when the user refused to read an installation file (the program
// then ends without writing settings).
std::unique_ptr<FrmKlokken> StartProgram(EntryEnvironment& environment);

// The end of a run, when the main window has unloaded: writes the settings.
void FinishProgram(EntryEnvironment& environment);

}  // namespace ordalis
