// The clock-line editor driven through its widgets, by mouse and keyboard,
// with a scripted user and a fixed clock (Tuesday 10 March 2026, 10:15).
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

#include "clock/line_moment.h"
#include "editor/clk_edit_fixture.h"
#include "editor/clk_edit_rules.h"
#include "clock/levels.h"
#include "editor/qt/frm_clk_edit.h"
#include "editor/qt/up_down.h"
#include "mainwindow/qt/frm_klokken.h"
#include "editor/qt/function_pictures.h"
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
  // A mouse choice of the entry with this item value.
  void choose(const char* name, int itemValue) {
    QComboBox* list = combo(name);
    const int index = list->findData(itemValue);
    QVERIFY2(index >= 0, name);
    list->setCurrentIndex(index);
    emit list->activated(index);
  }
  // Types text into a value box and leaves it with Tab.
  void typeInto(const char* name, const QString& text) {
    QLineEdit* edit = box(name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
  }
  void clickOk() { QTest::mouseClick(control<QPushButton>("CmdOK"), Qt::LeftButton); }
  const ClockLine& stored() const { return program.lineAt(kIndex); }

  test::ClkEditProgram program;
  test::ScriptedPrompts prompts;
  FrmClkEdit dialog{program.state, program.clock, prompts};
};

}  // namespace

class FrmClkEditTest : public QObject {
  Q_OBJECT

 private slots:
  void noSelectedLineOpensNothing() {
    Editor editor(kWednesdayRelay);
    editor.program.state.clock.SelectedClockLine = 0;
    QCOMPARE(editor.dialog.exec(), int{QDialog::Rejected});
    QVERIFY(!editor.dialog.isVisible());
    QCOMPARE(editor.stored().functionCode(), test::kHallCeilingRelay);
    QVERIFY(!editor.program.state.clock.ClocksChanged);
  }

  void everyControlHasItsNameAndCaption() {
    Editor editor(kWednesdayRelay);
    QVERIFY(editor.open());
    QCOMPARE(editor.dialog.windowTitle(), QString("Clockline add/edit"));
    QCOMPARE(editor.control<QLabel>("LblTabel")->text(), QString("TABLE"));
    const QStringList options = {"Cont", "Work", "Wknd", "Simu", "Spec"};
    for (int table = 0; table < kClockTableCount; ++table) QCOMPARE(editor.option(table)->text(), options[table]);
    QCOMPARE(editor.control<QLabel>("LblFnc")->text(), QString("Type Function:"));
    QCOMPARE(editor.control<QLabel>("LblLd")->text(), QString("Name Function:"));
    QCOMPARE(editor.control<QLabel>("LblTijd")->text(), QString("Time"));
    QCOMPARE(editor.control<QPushButton>("CmdOK")->text(), QString("OK"));
    QCOMPARE(editor.control<QPushButton>("CmdCancel")->text(), QString("Cancel"));
    for (const char* name : {"TxtPrv", "VLAG", "TimePic", "DatePic", "CboRepeat", "UpdLvl", "UpdRepeat", "LblLvl",
                             "LblDate", "LblRepeat"})
      QVERIFY2(editor.dialog.findChild<QWidget*>(name), name);
    QCOMPARE(editor.combo("CboRepeat")->count(), 8);
    QCOMPARE(editor.combo("CboRepeat")->currentText(), QString("Dag(en)"));
    QCOMPARE(editor.box("TxtLvl")->text(), QString("On"));
    QCOMPARE(editor.box("TxtRepeat")->text(), QString("2"));
    QCOMPARE(editor.control<QDateEdit>("DatePic")->date(), QDate(2026, 3, 11));
    QCOMPARE(editor.control<QTimeEdit>("TimePic")->time(), QTime(7, 30));
  }

  void aNewLineCancelledIsFreeAgain() {
    Editor editor(kNewLine, kShowNewLine);
    QVERIFY(editor.open());
    QTest::mouseClick(editor.control<QPushButton>("CmdCancel"), Qt::LeftButton);
    QVERIFY(!editor.dialog.isVisible());
    QVERIFY(!editor.stored().inUse());
  }

  void anExistingLineLeftWithEscapeIsUnchanged() {
    Editor editor(kWednesdayRelay);
    QVERIFY(editor.open());
    editor.choose("CboFnc", 2);
    editor.typeInto("TxtRepeat", "9");
    QTest::keyClick(&editor.dialog, Qt::Key_Escape);
    QVERIFY(!editor.dialog.isVisible());
    const ClockLine expected = MakeLine(kWednesdayRelay);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(&editor.stored()), sizeof(ClockLine)),
             QByteArray(reinterpret_cast<const char*>(&expected), sizeof(ClockLine)));
  }

  void theCloseBoxLeavesANewLineInUse() {
    Editor editor(kNewLine, kShowNewLine);
    QVERIFY(editor.open());
    editor.dialog.close();
    QVERIFY(!editor.dialog.isVisible());
    QVERIFY(editor.stored().inUse());
    QCOMPARE(editor.dialog.result(), int{QDialog::Rejected});
  }

  void okWithATypeButNoFunctionAsksToSelectAnItem() {
    Editor editor(kWednesdayRelay);
    QVERIFY(editor.open());
    editor.choose("CboFnc", 5);
    QCOMPARE(editor.combo("CboLd")->currentIndex(), -1);
    editor.clickOk();
    QCOMPARE(editor.prompts.texts(), std::vector<std::string>{"Select an item!"});
    QVERIFY(editor.dialog.isVisible());
    QCOMPARE(editor.stored().FunctionHigh, 1);
  }

  void okMovesTheDateBackToTheSaturdayBeforeThisMonday() {
    Editor editor(kWednesdayRelay);
    QSignalSpy pressed(&editor.dialog, &FrmClkEdit::tableButtonPressed);
    QVERIFY(editor.open());
    editor.clickOk();
    QVERIFY(!editor.dialog.isVisible());
    QCOMPARE(editor.dialog.result(), int{QDialog::Accepted});
    QCOMPARE(LineMoment(editor.stored()), At(2026, 3, 7, 7, 30));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).toInt(), int{kContinueTable});
    QVERIFY(editor.program.state.clock.ClocksChanged);
  }

  void aLineChosenOnceKeepsItsDate() {
    Editor editor(kWednesdayRelay);
    QVERIFY(editor.open());
    editor.choose("CboRepeat", kRepeatOnce);
    QVERIFY(editor.box("TxtRepeat")->isHidden());
    editor.clickOk();
    QCOMPARE(LineMoment(editor.stored()), At(2026, 3, 11, 7, 30));
    QCOMPARE(editor.stored().RepeatUnit, kRepeatOnce);
  }

  void aDateAndTimeChosenInThePickersAreStored() {
    Editor editor(kWednesdayRelay);
    QVERIFY(editor.open());
    editor.choose("CboRepeat", kRepeatOnce);
    editor.control<QDateEdit>("DatePic")->setDate(QDate(2026, 7, 14));
    QTimeEdit* time = editor.control<QTimeEdit>("TimePic");
    time->setFocus();
    time->setCurrentSection(QDateTimeEdit::HourSection);
    QTest::keyClick(time, Qt::Key_Up);
    editor.clickOk();
    QCOMPARE(LineMoment(editor.stored()), At(2026, 7, 14, 8, 30));
  }

  void aWorkdayLineIsDatedTheSundayBeforeThisWeek() {
    Editor editor(kWednesdayRelay);
    QVERIFY(editor.open());
    QTest::mouseClick(editor.option(kWorkdayTable), Qt::LeftButton);
    QVERIFY(editor.control<QDateEdit>("DatePic")->isHidden());
    QVERIFY(editor.combo("CboRepeat")->isHidden());
    QVERIFY(editor.box("TxtRepeat")->isHidden());
    editor.clickOk();
    QCOMPARE(editor.stored().Table, kWorkdayTable);
    QCOMPARE(LineDate(editor.stored()), std::chrono::floor<std::chrono::days>(At(2026, 3, 8)));
    QCOMPARE(editor.stored().RepeatUnit, kRepeatDays);
    QCOMPARE(editor.stored().RepeatCount, 2);
  }

  void aGeneralMoodHidesTheLevelAndStoresNoLevel() {
    Editor editor({2026, 3, 11, 7, 30, kContinueTable, kRepeatOnce, 1, 1, 1, 0});
    QVERIFY(editor.open());
    QVERIFY(editor.box("TxtLvl")->isVisible());
    editor.choose("CboFnc", 10);
    editor.choose("CboLd", test::kAllOffGeneralMood);
    QVERIFY(editor.box("TxtLvl")->isHidden());
    QVERIFY(editor.control<UpDown>("UpdLvl")->isHidden());
    QVERIFY(editor.control<QLabel>("VLAG")->isVisible());
    QVERIFY(!editor.control<QWidget>("TxtPrv")->property("plainText").toString().isEmpty());
    editor.clickOk();
    QCOMPARE(editor.stored().FunctionHigh, 10);
    QCOMPARE(editor.stored().Level, 255);
  }

  void theDayOfASensorShowsTheDayPictureAndStoresItsOwnType() {
    Editor editor(kWednesdayRelay);
    QVERIFY(editor.open());
    editor.choose("CboFnc", 65);
    editor.choose("CboLd", test::kLivingRoomSensorDay);
    QLabel* vlag = editor.control<QLabel>("VLAG");
    const QPixmap day = FunctionPicture(kPictureDay, vlag->devicePixelRatioF(), 32);
    QCOMPARE(vlag->pixmap().toImage(), day.toImage());
    editor.clickOk();
    QCOMPARE(editor.stored().FunctionHigh, 26);
    QCOMPARE(editor.stored().FunctionLow, 1);
  }

  void aCountOfOneDayHidesTheDateAndTwoShowsIt() {
    Editor editor(kWednesdayRelay);
    QVERIFY(editor.open());
    QLineEdit* count = editor.box("TxtRepeat");
    QDateEdit* date = editor.control<QDateEdit>("DatePic");
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, "1");
    QVERIFY(date->isHidden());
    QTest::keyClick(count, Qt::Key_Backspace);
    QTest::keyClicks(count, "2");
    QVERIFY(date->isVisible());
  }

  void theRepeatCountStepsAndIsKeptWithinLimits() {
    Editor editor(kWednesdayRelay);
    QVERIFY(editor.open());
    editor.typeInto("TxtRepeat", "0");
    QCOMPARE(editor.box("TxtRepeat")->text(), QString("1"));
    QVERIFY(editor.control<QDateEdit>("DatePic")->isHidden());
    QTest::mouseClick(editor.control<UpDown>("UpdRepeat")->upButton(), Qt::LeftButton);
    QCOMPARE(editor.box("TxtRepeat")->text(), QString("2"));
    QVERIFY(editor.control<QDateEdit>("DatePic")->isVisible());
    editor.typeInto("TxtRepeat", "250");
    QCOMPARE(editor.box("TxtRepeat")->text(), QString("100"));
  }

  void levelsOfARelayAreTypedAsWordsOrNumbers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::newRow("off") << "off" << "Off" << 0;
    QTest::newRow("on") << "ON" << "On" << 255;
    QTest::newRow("49") << "49" << "Off" << 0;
    QTest::newRow("50") << "50" << "On" << 255;
    QTest::newRow("uncoupled") << "Uncoupled" << "Uncoupled" << 3;
  }
  void levelsOfARelayAreTypedAsWordsOrNumbers() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    Editor editor(kWednesdayRelay);
    QVERIFY(editor.open());
    editor.typeInto("TxtLvl", typed);
    QCOMPARE(editor.box("TxtLvl")->text(), shown);
    editor.clickOk();
    QCOMPARE(int{editor.stored().Level}, stored);
  }

  void aDimmerStepsByFivePerCent() {
    Editor editor(kWednesdayRelay);
    QVERIFY(editor.open());
    editor.choose("CboFnc", 2);
    editor.choose("CboLd", test::kFirstDimmer);
    editor.typeInto("TxtLvl", "50");
    QCOMPARE(editor.box("TxtLvl")->text(), QString("50 %"));
    QLineEdit* level = editor.box("TxtLvl");
    level->setFocus();
    QTest::keyClick(level, Qt::Key_Up);
    QCOMPARE(level->text(), QString("55 %"));
    QTest::mouseClick(editor.control<UpDown>("UpdLvl")->downButton(), Qt::LeftButton);
    QTest::mouseClick(editor.control<UpDown>("UpdLvl")->downButton(), Qt::LeftButton);
    QCOMPARE(level->text(), QString("45 %"));
    editor.typeInto("TxtLvl", "200");
    QCOMPARE(level->text(), QString("Uncoupled"));
    editor.clickOk();
    QCOMPARE(int{editor.stored().Level}, 3);
  }

  void aButtonSimulationKeepsItsButtonBetweenOneAndEight() {
    Editor editor(kWednesdayRelay);
    QVERIFY(editor.open());
    editor.choose("CboFnc", 52);
    QComboBox* functions = editor.combo("CboLd");
    QVERIFY(functions->count() > 0);
    editor.choose("CboLd", functions->itemData(0).toInt());
    QCOMPARE(editor.box("TxtLvl")->text(), QString("8"));  // the relay's 255, limited
    editor.typeInto("TxtLvl", "12");
    QCOMPARE(editor.box("TxtLvl")->text(), QString("8"));
    editor.typeInto("TxtLvl", "0");
    QCOMPARE(editor.box("TxtLvl")->text(), QString("1"));
    QTest::mouseClick(editor.control<UpDown>("UpdLvl")->upButton(), Qt::LeftButton);
    QCOMPARE(editor.box("TxtLvl")->text(), QString("2"));
    editor.clickOk();
    QCOMPARE(editor.stored().FunctionHigh, 52);
    QCOMPARE(int{editor.stored().Level}, 2);
  }

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
    QVERIFY(editor.control<QDateEdit>("DatePic")->isVisible() ||
            editor.box("TxtRepeat")->text() == "1");
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

  void aStoredTypeAbove127IsShownAndKept() {
    Editor editor({2026, 3, 11, 7, 30, kSpecialTable, kRepeatOnce, 1, 150, 5, 0});
    QVERIFY(editor.open());
    QCOMPARE(editor.combo("CboLd")->currentText(), QString("Function: 150 5"));
    editor.clickOk();
    QCOMPARE(editor.stored().FunctionHigh, 150);
    QCOMPARE(editor.stored().FunctionLow, 5);
  }

  void aLineDatedOutsideThePickerWindowKeepsItsDate() {
    Editor editor({2024, 1, 3, 8, 0, kContinueTable, kRepeatOnce, 1, 1, 1, 255});
    QVERIFY(editor.open());
    QCOMPARE(editor.control<QDateEdit>("DatePic")->date(), QDate(2024, 1, 3));
    editor.clickOk();
    QCOMPARE(LineMoment(editor.stored()), At(2024, 1, 3, 8, 0));
  }

  void afterOkTheMainWindowShowsTheLinesTableAndCountsAsChanged() {
    test::ClkEditProgram program;
    test::ScriptedPrompts prompts;
    FrmKlokken window(program.state, program.clock, prompts);
    window.show();
    QAction* weekend = window.tableToggle(kWeekendTable);
    weekend->trigger();  // hide the weekend table
    QVERIFY(!weekend->isChecked());
    program.state.clock.ClocksChanged = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<FrmClkEdit*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      QRadioButton* weekendOption = nullptr;
      for (QRadioButton* option : dialog->findChildren<QRadioButton*>("OptTabel"))
        if (option->property("Index").toInt() == kWeekendTable) weekendOption = option;
      QTest::mouseClick(weekendOption, Qt::LeftButton);
      QTest::mouseClick(dialog->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
    });
    window.mmuNieuw_Click(kWorkdayTable);
    QVERIFY(weekend->isChecked());
    QVERIFY(program.state.clock.ClocksChanged);
    QCOMPARE(program.lineAt(0).Table, kWeekendTable);
    QVERIFY(program.lineAt(0).inUse());
  }

  void cancellingAfterAddLeavesNoLineInTheMainWindow() {
    test::ClkEditProgram program;
    test::ScriptedPrompts prompts;
    FrmKlokken window(program.state, program.clock, prompts);
    window.show();
    QTimer::singleShot(0, [&] {
      auto* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog);
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    window.mmuNieuw_Click(kContinueTable);
    QVERIFY(!program.lineAt(0).inUse());
    QCOMPARE(program.state.clock.SelectedClockLine, 0);
  }
};

QTEST_MAIN(FrmClkEditTest)
#include "frm_clk_edit_test.moc"
