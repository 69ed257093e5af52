// Start-up in its fixed order and the end of a run, with a scripted user, a
// settings file in a fresh folder and the demo installation.
#include <QTest>

#include "app/qt/entry_procedure.h"
#include "app/qt/frm_select_clk_act.h"
#include "mainwindow/qt/frm_klokken.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "tools/fixtures/demo_installation.h"
#include "tools/fixtures/installation_file_builder.h"

using namespace ordalis;

namespace {

struct Start {
  Start() { test::writeBytes(demoPath(), fixtures::BuildInstallationFile(fixtures::DemoInstallation())); }
  std::string demoPath() const { return folder.path("demo.nbt"); }
  std::string settingsPath() const { return folder.path("Vantrel.ini"); }

  // Runs start-up; the start dialog is answered by pressing `button`.
  std::unique_ptr<FrmKlokken> run(QPushButton* (FrmSelectClkAct::*button)() const) {
    EntryEnvironment environment{state, clock, prompts, settingsPath(), {}, {}, {}};
    environment.chooseLanguage = [this](int32_t& setting, int32_t& offset) {
      ++languageDialogs;
      setting = offset = chosenLanguage;
    };
    environment.runStartDialog = [this, button](FrmSelectClkAct& dialog) {
      startDialogShown = true;
      if (lineBeforeStartDialog) state.clock.ClockTable[5].FunctionHigh = 1;
      (dialog.*button)()->click();
    };
    std::unique_ptr<FrmKlokken> window = StartProgram(environment);
    if (window) window->setClockLineEditor([](bool) { return true; });
    return window;
  }

  test::TempDir folder;
  ProgramState state;
  FixedClock clock{makeLocalTime(2026, 6, 3, 10, 30)};
  test::ScriptedPrompts prompts;
  bool startDialogShown = false;
  int languageDialogs = 0;
  bool lineBeforeStartDialog = false;
  int32_t chosenLanguage = 30000;
};

}  // namespace

class EntryProcedureTest : public QObject {
  Q_OBJECT

 private slots:
  // Its empty-table button then runs the new-table command.
  void aValidInstallationInTheSettingsLeadsStraightToTheStartDialog() {
    Start start;
    test::writeText(start.settingsPath(), "[Global]\nLanguage=0\n[Clock]\nNBTFile=" + start.demoPath() + "\n");
    start.lineBeforeStartDialog = true;
    auto window = start.run(&FrmSelectClkAct::CmdNew);
    QVERIFY(window);
    QVERIFY(start.startDialogShown);
    QVERIFY(start.prompts.shown.empty());
    QCOMPARE(start.languageDialogs, 0);
    QCOMPARE(start.state.installation.Settings.Workdays[0], uint8_t{1});
    QVERIFY(!start.state.clock.ClockTable[5].inUse());
    window->GlobalTimer_Timer();
    QCOMPARE(window->windowTitle(), QString("Ordalis - demo.clk[*]"));
  }

  void withoutASettingsFileTheLanguageIsAskedForAndWrittenOnUnload() {
    Start start;
    start.prompts.fileNames = {start.demoPath()};
    auto window = start.run(&FrmSelectClkAct::CmdCancel);
    QVERIFY(window);
    QCOMPARE(start.languageDialogs, 1);
    QVERIFY(window->close());
    EntryEnvironment environment{start.state, start.clock, start.prompts, start.settingsPath(), {}, {}, {}};
    FinishProgram(environment);
    const std::string written = test::readText(start.settingsPath());
    QVERIFY(written.find("Language=") != std::string::npos);
    QVERIFY(written.find("NBTFile=" + start.demoPath()) != std::string::npos);
  }
};

QTEST_MAIN(EntryProcedureTest)
#include "entry_procedure_test.moc"
