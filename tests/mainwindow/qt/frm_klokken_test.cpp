// The main window's commands, driven as a user would, with a scripted user
// for every question and a fixed clock (Wednesday 3 June 2026, 10:30).
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include "app/program_state.h"
#include "clock/line_moment.h"
#include "mainwindow/qt/frm_klokken.h"
#include "mainwindow/qt/klok_control.h"
#include "mainwindow/qt/klokken_body.h"
#include "mainwindow/qt/selection_panel_widget.h"
#include "mainwindow/qt/week_area.h"
#include "support/line_builder.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

using namespace ordalis;

namespace {

const LocalTime kNow = makeLocalTime(2026, 6, 3, 10, 30);

// A line of table `table` on Monday 1 June 2026 at hour:minute, once.
ClockLine lineAt(uint8_t table, int hour, int minute, uint8_t functionHigh = 1) {
  return test::MakeLine({2026, 6, 1, hour, minute, table, kRepeatOnce, 0, functionHigh});
}

struct Program {
  Program() {
    ApplyCentralModel(state.installation, state.texts, kVordane);
    state.clock.InstallationPath = "demo.nbt";
    state.clock.ClockFileName = "demo.clk";
    window = std::make_unique<FrmKlokken>(state, clock, prompts);
    window->setClockLineEditor([this](bool isNew) {
      editorCalls.push_back(isNew);
      if (state.clock.SelectedClockLine > 0)
        lineInEditor = state.clock.ClockTable[static_cast<size_t>(state.clock.SelectedClockLine - 1)];
      return editorAccepts;
    });
    window->show();
  }
  KlokControl* mainControl(int line) const { return window->weekArea()->control(line); }
  // The visible controls, main or pool, that draw a line.
  std::vector<KlokControl*> controlsOf(int line) const {
    std::vector<KlokControl*> found;
    for (int id = 0; id < kControlCount; ++id) {
      KlokControl* control = window->weekArea()->control(id);
      if (control->isVisible() && control->line() == line) found.push_back(control);
    }
    return found;
  }

  ProgramState state;
  FixedClock clock{kNow};
  test::ScriptedPrompts prompts;
  std::unique_ptr<FrmKlokken> window;
  std::vector<bool> editorCalls;
  ClockLine lineInEditor;  // the selected line as the editor got it
  bool editorAccepts = true;
};

QPushButton* button(FrmKlokken& window, const char* name) { return window.findChild<QPushButton*>(name); }

}  // namespace

class FrmKlokkenTest : public QObject {
  Q_OBJECT

 private slots:
  void theAddButtonMakesAWorkdayLineAtTheCurrentHourOnMondayEveryDay() {
    Program program;
    program.editorAccepts = false;  // a cancelled editor leaves no line behind
    QTest::mouseClick(button(*program.window, "CmdAdd"), Qt::LeftButton);
    QVERIFY(!program.state.clock.ClockTable[0].inUse());
    QVERIFY(!program.mainControl(0)->isVisible());
    QCOMPARE(program.state.clock.SelectedClockLine, 0);
    program.editorAccepts = true;
    QTest::mouseClick(button(*program.window, "CmdAdd"), Qt::LeftButton);
    QCOMPARE(program.editorCalls, (std::vector<bool>{true, true}));
    QCOMPARE(program.lineInEditor.Day, 1);  // the editor gets Monday 1 June
    // Shown, a workday line is dated on the Sunday before the current week.
    QCOMPARE(program.state.clock.ClockTable[0].Day, 31);
    QCOMPARE(program.state.clock.SelectedClockLine, 1);
    QVERIFY(program.state.clock.ClocksChanged);
    // Monday to Friday at 10:00 by the default workday flags.
    const std::vector<KlokControl*> shown = program.controlsOf(0);
    QCOMPARE(shown.size(), size_t{5});
    for (KlokControl* control : shown) {
      QVERIFY(control->isSelectedLine());
      QCOMPARE(control->colour(), QColor(255, 0, 0));
      QCOMPARE(control->x(), 20 + 200 - 5);
    }
  }

  void deletingAsksFirstAndThenClosingAsksToSave() {
    Program program;
    program.state.clock.ClockTable[0] = lineAt(kContinueTable, 8, 0);
    program.window->ScrWeeks_Change();
    QTest::mouseClick(program.window->weekArea(), Qt::LeftButton, {}, QPoint(180, 40));
    QCOMPARE(program.state.clock.SelectedClockLine, 1);
    program.prompts.answers = {Answer::Yes};
    QTest::mouseClick(button(*program.window, "CmdDelete"), Qt::LeftButton);
    QVERIFY(program.prompts.texts().back().starts_with("Mag "));
    QVERIFY(!program.state.clock.ClockTable[0].inUse());
    QVERIFY(!program.mainControl(0)->isVisible());
    QCOMPARE(program.state.clock.SelectedClockLine, 0);
    program.prompts.answers = {Answer::No};
    QVERIFY(program.window->close());
    QCOMPARE(program.prompts.shown.back().title, std::string("HALVERON Domotic system"));
    QCOMPARE(program.prompts.shown.back().buttons, MessageButtons::YesNoCancel);
  }

  void receivingOverUnsavedChangesAsksToSaveAndCancelKeepsThem() {
    Program program;
    std::vector<char> modes;
    program.window->setCommunicationDialog([&modes](char mode) { modes.push_back(mode); });
    program.window->mmuComGet_Click();  // an unchanged table: nothing asked
    program.window->toolButton("SEND")->trigger();
    QVERIFY(program.prompts.shown.empty());
    QCOMPARE(modes, (std::vector<char>{'R', 'T'}));
    modes.clear();
    program.state.clock.ClockTable[0] = lineAt(kContinueTable, 8, 0);
    program.state.clock.ClocksChanged = true;
    program.prompts.answers = {Answer::Cancel};
    program.window->toolButton("RCV")->trigger();
    QCOMPARE(program.prompts.shown.size(), size_t(1));
    QCOMPARE(program.prompts.shown[0].buttons, MessageButtons::YesNoCancel);
    QVERIFY(modes.empty());
    QVERIFY(program.state.clock.ClockTable[0].inUse());
    program.prompts.answers = {Answer::No};
    program.window->toolButton("RCV")->trigger();
    QCOMPARE(modes, std::vector<char>{'R'});
  }

  void closingWithChangesAndYesThenCancellingSaveAsKeepsTheProgramOpen() {
    Program program;
    program.state.clock.ClockTable[0] = lineAt(kContinueTable, 8, 0);
    program.state.clock.ClocksChanged = true;
    program.state.clock.ClockFileName.clear();
    program.prompts.answers = {Answer::Yes};
    program.prompts.fileNames = {std::nullopt};
    QVERIFY(!program.window->close());
    QVERIFY(program.window->isVisible());
    QVERIFY(program.state.clock.ClocksChanged);
    QVERIFY(program.state.clock.ClockTable[0].inUse());
    QCOMPARE(program.prompts.saveDialogs.size(), size_t{1});
  }

  void aDoubleClickEditsTheLineAndFollowsItToItsNewWeek() {
    Program program;
    program.state.clock.ClockTable[0] = lineAt(kContinueTable, 8, 0);
    program.window->ScrWeeks_Change();
    program.window->setClockLineEditor([&](bool isNew) {
      program.editorCalls.push_back(isNew);
      program.state.clock.ClockTable[0].Day = 17;  // Wednesday two weeks on
      return true;
    });
    // A double-click arrives as a click followed by the double-click itself.
    QTest::mouseClick(program.window->weekArea(), Qt::LeftButton, {}, QPoint(180, 40));
    QTest::mouseDClick(program.window->weekArea(), Qt::LeftButton, {}, QPoint(180, 40));
    QCOMPARE(program.editorCalls, std::vector<bool>{false});
    QCOMPARE(program.window->scrWeeks()->value(), 2);
    QCOMPARE(program.window->model().WeekStart(), makeLocalTime(2026, 6, 15));
    QCOMPARE(program.state.clock.SelectedClockLine, 1);
    QCOMPARE(program.mainControl(0)->pos(), QPoint(180 - 5, 2 * 70 + 15));
    QVERIFY(program.state.clock.ClocksChanged);
  }

  void draggingALineToTheFarRightGives2359OfThatRowsDay() {
    Program program;
    program.state.clock.ClockTable[0] = lineAt(kContinueTable, 8, 0);
    program.window->ScrWeeks_Change();
    WeekArea* area = program.window->weekArea();
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(180, 40));
    area->mouseMove(Qt::LeftButton, QPointF(300, 110));
    area->mouseMove(Qt::LeftButton, QPointF(539, 180));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(539, 180));
    QCOMPARE(LineMoment(program.state.clock.ClockTable[0]), makeLocalTime(2026, 6, 3, 23, 59));  // row 2
    QCOMPARE(program.mainControl(0)->pos(), QPoint(500 - 5, 2 * 70 + 15));
  }

};

QTEST_MAIN(FrmKlokkenTest)
#include "frm_klokken_test.moc"
