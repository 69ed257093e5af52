// The clock-line editor driven through its widgets, by mouse and keyboard,
// with a scripted user and a fixed clock (Tuesday 10 March 2026, 10:15).
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include "editor/clk_edit_fixture.h"
#include "editor/clk_edit_rules.h"
#include "clock/levels.h"
#include "editor/qt/frm_clk_edit.h"
#include "mainwindow/qt/frm_klokken.h"
#include "support/scripted_prompts.h"

using namespace ordalis;
using test::At;
using test::LineSpec;
using test::MakeLine;

namespace {

constexpr int kIndex = 6;
// Next Wednesday 07:30, every two days, in the continue table: a relay on.
const LineSpec kWednesdayRelay{2026, 3, 11, 7, 30, kContinueTable, kRepeatDays, 2, 1, 1, 255};
// What the main window gives a new line: a workday line on Monday at 10:00.
const LineSpec kNewLine{2026, 3, 9, 10, 0, kWorkdayTable, kRepeatDays, 1, 1, 1, 255};

struct Editor {
  explicit Editor(const LineSpec& spec, int showSetting = kShowExistingLine) {
    program.putLine(kIndex, MakeLine(spec));
    dialog.ShowSetting = showSetting;
  }
  // Loads and shows the dialog without a modal loop of its own.
  bool open() {
    if (!dialog.Form_Load()) return false;
    dialog.show();
    return QTest::qWaitForWindowExposed(&dialog);
  }
  template <class Widget>
  Widget* control(const char* name) const { return dialog.findChild<Widget*>(name); }
  QComboBox* combo(const char* name) const { return control<QComboBox>(name); }
  QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
  QRadioButton* option(int table) const {
    for (QRadioButton* option : dialog.findChildren<QRadioButton*>("OptTabel"))
      if (option->property("Index").toInt() == table) return option;
    return nullptr;
  }
  const ClockLine& stored() const { return program.lineAt(kIndex); }

  test::ClkEditProgram program;
  test::ScriptedPrompts prompts;
  FrmClkEdit dialog{program.state, program.clock, prompts};
};

}  // namespace

class FrmClkEditTest : public QObject {
  Q_OBJECT

 private slots:

  void enterTakesATypedLevelThatWasNotLeftYet() {
    Editor editor(kWednesdayRelay);
    QVERIFY(editor.open());
    QLineEdit* level = editor.box("TxtLvl");
    level->setFocus();
    level->selectAll();
    QTest::keyClicks(level, "off");
    QTest::keyClick(level, Qt::Key_Return);
    QVERIFY(!editor.dialog.isVisible());
    QCOMPARE(int{editor.stored().Level}, 0);
  }

  void theKeyboardAloneFillsANewLine() {
    Editor editor(kNewLine, kShowNewLine);
    QVERIFY(editor.open());
    // Tab runs in reading order; in the time picker it first moves from the
    // hours to the minutes. The workday table hides date and repeat.
    QWidget* expected[] = {editor.combo("CboFnc"), editor.combo("CboLd"), editor.box("TxtLvl"),
                           editor.control<QTimeEdit>("TimePic"), editor.control<QTimeEdit>("TimePic"),
                           editor.control<QPushButton>("CmdOK"), editor.control<QPushButton>("CmdCancel")};
    QCOMPARE(QApplication::focusWidget(), expected[0]);
    for (size_t i = 1; i < std::size(expected); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), expected[i]);
    }
    // Back to the table options: Shift+Tab from the type list.
    editor.combo("CboFnc")->setFocus();
    QTest::keyClick(editor.combo("CboFnc"), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), editor.option(kWorkdayTable));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QVERIFY(editor.option(kWeekendTable)->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QVERIFY(editor.option(kContinueTable)->isChecked());
    // Dimmers, the first dimmer, 30 per cent, Enter.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QComboBox* types = editor.combo("CboFnc");
    QCOMPARE(QApplication::focusWidget(), types);
    QTest::keyClick(types, Qt::Key_Down);
    QCOMPARE(types->currentData().toInt(), 2);
    QTest::keyClick(types, Qt::Key_Tab);
    QTest::keyClick(editor.combo("CboLd"), Qt::Key_Down);
    QCOMPARE(editor.combo("CboLd")->currentData().toInt(), test::kFirstDimmer);
    QTest::keyClick(editor.combo("CboLd"), Qt::Key_Tab);
    QLineEdit* level = editor.box("TxtLvl");
    QCOMPARE(QApplication::focusWidget(), level);
    level->selectAll();
    QTest::keyClicks(level, "30");
    QTest::keyClick(level, Qt::Key_Enter);
    QCOMPARE(editor.dialog.result(), int{QDialog::Accepted});
    QCOMPARE(editor.stored().Table, kContinueTable);
    QCOMPARE(editor.stored().functionCode(), test::kFirstDimmer);
    QCOMPARE(int{editor.stored().Level}, int{PercentLevels[30]});
  }

};

QTEST_MAIN(FrmClkEditTest)
#include "frm_clk_edit_test.moc"
