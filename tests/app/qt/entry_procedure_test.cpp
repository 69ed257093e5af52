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

const std::string kFirstMessage =
    "U moet nu eerst een NBT Vantrel bestand inlezen om met dit programma te kunnen werken";
const std::string kSecondMessage =
    "U kan nu de gegevens van het ingelezen VANTREL bestand gebruiken om verder de acties te definiëren";

struct Start {
  explicit Start(const std::string& settings) {
    test::writeBytes(demoPath(), fixtures::BuildInstallationFile(fixtures::DemoInstallation()));
    if (!settings.empty()) test::writeText(settingsPath(), settings);
  }
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
      messagesBeforeStartDialog = prompts.shown.size();
      startDialogShown = true;
      if (lineBeforeStartDialog) state.clock.ClockTable[5].FunctionHigh = 1;
      (dialog.*button)()->click();
    };
    std::unique_ptr<FrmKlokken> window = StartProgram(environment);
    if (window) window->setClockLineEditor([](bool) { return true; });
    return window;
  }
  void finish() {
    EntryEnvironment environment{state, clock, prompts, settingsPath(), {}, {}, {}};
    FinishProgram(environment);
  }

  test::TempDir folder;
  ProgramState state;
  FixedClock clock{makeLocalTime(2026, 6, 3, 10, 30)};
  test::ScriptedPrompts prompts;
  bool startDialogShown = false;
  size_t messagesBeforeStartDialog = 0;
  int languageDialogs = 0;
  bool lineBeforeStartDialog = false;
  int32_t chosenLanguage = 30000;
};

std::string settingsNaming(const std::string& installation) {
  return "[Global]\nLanguage=0\n[Clock]\nNBTFile=" + installation + "\n";
}

}  // namespace

class EntryProcedureTest : public QObject {
  Q_OBJECT

 private slots:
  void aValidInstallationInTheSettingsLeadsStraightToTheStartDialog() {
    Start start("");
    test::writeText(start.settingsPath(), settingsNaming(start.demoPath()));
    auto window = start.run(&FrmSelectClkAct::CmdCancel);
    QVERIFY(window);
    QVERIFY(start.startDialogShown);
    QCOMPARE(start.messagesBeforeStartDialog, size_t{0});
    QVERIFY(start.prompts.shown.empty());
    QCOMPARE(start.languageDialogs, 0);
    QCOMPARE(start.state.installation.Settings.Workdays[0], uint8_t{1});
  }

  void theStartDialogsEmptyTableButtonRunsTheNewTableCommand() {
    Start start("");
    test::writeText(start.settingsPath(), settingsNaming(start.demoPath()));
    start.lineBeforeStartDialog = true;
    auto window = start.run(&FrmSelectClkAct::CmdNew);
    QVERIFY(window);
    QVERIFY(!start.state.clock.ClockTable[5].inUse());
    window->GlobalTimer_Timer();
    QCOMPARE(window->windowTitle(), QString("Ordalis - demo.clk[*]"));
  }

  void withoutASettingsFileTheLanguageIsAskedForAndWrittenOnUnload() {
    Start start("");
    start.prompts.fileNames = {start.demoPath()};
    auto window = start.run(&FrmSelectClkAct::CmdCancel);
    QVERIFY(window);
    QCOMPARE(start.languageDialogs, 1);
    QVERIFY(window->close());
    start.finish();
    const std::string written = test::readText(start.settingsPath());
    QVERIFY(written.find("Language=") != std::string::npos);
    QVERIFY(written.find("NBTFile=" + start.demoPath()) != std::string::npos);
  }
};

QTEST_MAIN(EntryProcedureTest)
#include "entry_procedure_test.moc"
