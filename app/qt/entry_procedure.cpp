// Start-up and the end of a run.
#include "app/qt/entry_procedure.h"

#include <QApplication>

#include "base/form_texts.h"
#include "base/qt/form_captions.h"
#include "app/qt/frm_select_clk_act.h"
#include "app/qt/frm_start.h"
#include "app/qt/frm_taal.h"
#include "app/settings_file.h"
#include "app/start_up.h"
#include "mainwindow/qt/communication_setup.h"
#include "mainwindow/qt/frm_klokken.h"

namespace ordalis {

namespace {

void readSettings(EntryEnvironment& environment) {
  ProgramState& state = environment.state;
  const SettingsReadResult read = ReadSettings(environment.settingsPath, state);
  if (!read.languageDialogNeeded) return;
  if (environment.chooseLanguage)
    environment.chooseLanguage(state.settings.LanguageSetting, state.texts.LanguageOffset);
  else
    FrmTaal::ChooseLanguage(state.settings.LanguageSetting, state.texts.LanguageOffset);
}

void runStartDialog(EntryEnvironment& environment, FrmKlokken& window) {
  FrmSelectClkAct dialog({[&window] { window.mmuFileOpenCLK_Click(); },
                          [&window] { window.mmuComGet_Click(); },
                          [&window] { window.mmuFileNew_Click(); }},
                         &window);
  ApplyFormTexts(&dialog, formTexts(environment.state.texts, "FrmSelectClkAct"));
  if (environment.runStartDialog)
    environment.runStartDialog(dialog);
  else
    dialog.exec();
}

}  // namespace

std::unique_ptr<FrmKlokken> StartProgram(EntryEnvironment& environment) {
  ProgramState& state = environment.state;
  QApplication::setApplicationName("Ordalis");
  state.texts.reportMissing = [&prompts = environment.prompts](const std::string& text) {
    prompts.tell(text);
  };
  readSettings(environment);

  auto splash = std::make_unique<FrmStart>();
  splash->show();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  splash->repaint();

  auto window = std::make_unique<FrmKlokken>(state, environment.clock, environment.prompts);
  InstallCommunication(*window, state, environment.prompts, environment.clock, environment.settingsPath);
  if (environment.prepareMainWindow) environment.prepareMainWindow(*window);
  splash.reset();
  window->show();

  if (!state.clock.InstallationPath.empty()) window->ReadInstallationFile();
  QApplication::restoreOverrideCursor();
  if (!InsistOnInstallation(state.clock, environment.prompts, [&window] { window->mmuFileOpenNBT_Click(); }))
    return nullptr;
  window->mmuFileNew_Click();
  window->RefreshDayIcons();
  runStartDialog(environment, *window);
  window->ScrWeeks_Change();
  return window;
}

void FinishProgram(EntryEnvironment& environment) {
  WriteSettings(environment.settingsPath, environment.state);
}

}  // namespace ordalis
