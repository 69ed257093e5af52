// The main window's Edit commands driven by keys: delete and undo back to the
// opened file, duplicate, and copy and paste between two windows.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "app/program_state.h"
#include "clock/clock_file.h"
#include "mainwindow/qt/frm_klokken.h"
#include "mainwindow/qt/week_area.h"
#include "support/line_builder.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

using namespace ordalis;

namespace {

// Wednesday 3 June 2026; its line stands at 10:00 in the Wednesday row.
const LocalTime kNow = makeLocalTime(2026, 6, 3, 8, 0);
const ClockLine kWednesdayLine = test::MakeLine({2026, 6, 3, 10, 0, kSpecialTable, kRepeatOnce, 0, 2, 5, 128});
const QPoint kWednesdaySpot(20 + 200, 2 * 70 + 40);

struct Program {
  Program() {
    ApplyCentralModel(state.installation, state.texts, kVordane);
    window = std::make_unique<FrmKlokken>(state, clock, prompts);
    window->show();
  }
  // Opens a file with the Wednesday line in line 0 and another in line 1.
  std::vector<uint8_t> open(const test::TempDir& folder) {
    ClockFileContent content;
    content.lines[0] = kWednesdayLine;
    content.lines[1] = test::MakeLine({2026, 6, 1, 18, 30});
    const std::vector<uint8_t> bytes = EncodeClockFile(content);
    test::writeBytes(folder.path("house.clk"), bytes);
    prompts.fileNames = {folder.path("house.clk")};
    window->mmuFileOpenCLK_Click();
    return bytes;
  }
  bool press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) return false;
    QTest::keyClick(window.get(), static_cast<Qt::Key>(key), modifiers);
    return true;
  }
  void selectWednesdayLine() { QTest::mouseClick(window->weekArea(), Qt::LeftButton, {}, kWednesdaySpot); }
  const ClockLine& line(size_t index) const { return state.clock.ClockTable[index]; }
  QString actionText(const char* name) const { return window->findChild<QAction*>(name)->text(); }

  ProgramState state;
  FixedClock clock{kNow};
  test::ScriptedPrompts prompts;
  std::unique_ptr<FrmKlokken> window;
};

// The line as copied into the shown week: all but Day, Month and Year equal.
bool EqualButDate(const ClockLine& copy, const ClockLine& original, int day, int month) {
  ClockLine expected = original;
  expected.Day = static_cast<uint8_t>(day);
  expected.Month = static_cast<uint8_t>(month);
  return lineBytes(copy) == lineBytes(expected);
}

}  // namespace

class EditCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void deletingAndUndoingThenSavingWritesTheOpenedFileAgain() {
    test::TempDir folder;
    Program program;
    const std::vector<uint8_t> opened = program.open(folder);
    program.selectWednesdayLine();
    program.prompts.answers = {Answer::Yes};
    QVERIFY(program.press(Qt::Key_Delete, Qt::NoModifier));
    QVERIFY(!program.line(0).inUse());
    QVERIFY(program.window->isWindowModified());
    QVERIFY(program.actionText("mmuUndo").startsWith("&Undo Delete "));
    QVERIFY(program.press(Qt::Key_Z));
    QVERIFY(program.line(0).inUse());
    QVERIFY(!program.state.clock.ClocksChanged);
    QVERIFY(!program.window->isWindowModified());
    QVERIFY(program.actionText("mmuRedo").startsWith("&Redo Delete "));
    QVERIFY(program.press(Qt::Key_S));
    QCOMPARE(test::readBytes(folder.path("house.clk")), opened);
    // Ctrl+Y redoes, and the file no longer matches the table.
    QVERIFY(program.press(Qt::Key_Y));
    QVERIFY(!program.line(0).inUse());
    QVERIFY(program.state.clock.ClocksChanged);
  }

  void duplicatingAndPastingGiveTheLineOnTheSameWeekdayOfTheShownWeek() {
    test::TempDir folder;
    Program source;
    source.open(folder);
    source.selectWednesdayLine();
    QVERIFY(source.press(Qt::Key_D));
    QVERIFY(EqualButDate(source.line(2), kWednesdayLine, 3, 6));
    QCOMPARE(source.state.clock.SelectedClockLine, 3);
    QVERIFY(source.press(Qt::Key_C));
    const QStringList words = QGuiApplication::clipboard()->text().split('\n');
    QCOMPARE(words.size(), 2);
    QVERIFY(words[1].startsWith("03/06 10:00"));

    Program target;  // a second window in the same process, showing next week
    target.window->scrWeeks()->setValue(1);
    QVERIFY(target.press(Qt::Key_V));
    QVERIFY(EqualButDate(target.line(0), kWednesdayLine, 10, 6));
    QCOMPARE(target.state.clock.SelectedClockLine, 1);
    QVERIFY(target.press(Qt::Key_Z));
    QVERIFY(!target.line(0).inUse());
    QVERIFY(!target.state.clock.ClocksChanged);
    QVERIFY(target.press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier));
    QVERIFY(EqualButDate(target.line(0), kWednesdayLine, 10, 6));
  }
};

QTEST_MAIN(EditCommandsTest)
#include "edit_commands_test.moc"
