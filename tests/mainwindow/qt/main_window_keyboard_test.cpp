// The main window without a mouse: menus by their mnemonics and F10, the week
// walked with the arrow keys, Enter, Delete and Home; and a click on a row of
// the selection panel. A fixed clock: Wednesday 3 June 2026, 10:30.
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

#include "app/program_state.h"
#include "mainwindow/qt/frm_klokken.h"
#include "mainwindow/qt/klokken_body.h"
#include "mainwindow/qt/selection_panel_widget.h"
#include "mainwindow/qt/week_area.h"
#include "support/scripted_prompts.h"

using namespace ordalis;

namespace {

// A line of the continue table, once, in the week of Monday 1 June 2026.
ClockLine onceAt(uint8_t day, uint8_t hour, uint8_t minute) {
  return ClockLine{.Minute = minute, .Hour = hour, .Day = day, .Month = 6, .Year = 26, .Table = kContinueTable,
                   .FunctionHigh = 1, .FunctionLow = 1, .Level = 255};
}

struct Program {
  // Monday 08:00 and 12:00, Tuesday 08:15, Thursday 20:00 and 08:00.
  Program() {
    ApplyCentralModel(state.installation, state.texts, kVordane);
    const ClockLine lines[] = {onceAt(1, 8, 0), onceAt(1, 12, 0), onceAt(2, 8, 15), onceAt(4, 20, 0),
                               onceAt(4, 8, 0)};
    std::copy(std::begin(lines), std::end(lines), state.clock.ClockTable.begin());
    window = std::make_unique<FrmKlokken>(state, clock, prompts);
    window->setClockLineEditor([this](bool isNew) {
      editorOpenedOn.push_back(isNew ? -1 : state.clock.SelectedClockLine - 1);
      return true;
    });
    window->ScrWeeks_Change();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }
  // Keys by their names in QKeySequence ("Right", "Return", "PgDown").
  void press(const QString& keys) {
    for (const QString& key : keys.split(' '))
      QTest::keyClick(QApplication::focusWidget(), Qt::Key(QKeySequence(key)[0].key()));
  }
  int selectedLine() const { return state.clock.SelectedClockLine - 1; }

  ProgramState state;
  FixedClock clock{makeLocalTime(2026, 6, 3, 10, 30)};
  test::ScriptedPrompts prompts;
  std::unique_ptr<FrmKlokken> window;
  std::vector<int> editorOpenedOn;
};

}  // namespace

class MainWindowKeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void theArrowsWalkTheLinesOfTheWeek_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("selected");
    QTest::newRow("right starts at the first line") << "Right" << 0;
    QTest::newRow("left starts at the last line") << "Left" << 3;
    QTest::newRow("right goes on in time, over days") << "Right Right Right" << 2;
    QTest::newRow("right then left comes back") << "Right Right Left" << 0;
    QTest::newRow("down finds the nearest time next day") << "Right Down" << 2;
    QTest::newRow("down passes a day without lines") << "Right Down Down" << 4;
    QTest::newRow("up from the evening") << "Left Up" << 2;
    QTest::newRow("no day before Monday: stays") << "Right Up" << 0;
    QTest::newRow("no line after the last: stays") << "Left Right" << 3;
  }
  void theArrowsWalkTheLinesOfTheWeek() {
    QFETCH(QString, keys);
    QFETCH(int, selected);
    Program program;
    QVERIFY(program.window->weekArea()->hasFocus());
    program.press(keys);
    QCOMPARE(program.selectedLine(), selected);
    // The place walked from has a frame in the highlight colour.
    const QImage area = program.window->weekArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(area.constBits());
    const QRgb highlight = program.window->weekArea()->palette().color(QPalette::Highlight).rgb();
    QVERIFY(std::count(pixels, pixels + area.width() * area.height(), highlight) > 20);
  }

  void tabReachesTheWeekAndEnterDeleteHomeAct() {
    Program program;
    program.window->findChild<QPushButton*>("CmdTest")->setFocus();
    for (int i = 0; i < 30 && !program.window->weekArea()->hasFocus(); ++i)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(program.window->weekArea()->hasFocus());
    program.press("Right Right Return");
    QCOMPARE(program.editorOpenedOn, std::vector<int>{1});
    program.prompts.answers = {Answer::Yes};
    program.press("Del");
    QVERIFY(!program.state.clock.ClockTable[1].inUse());
    program.press("PgDown PgDown PgUp");
    QCOMPARE(program.window->scrWeeks()->value(), 1);
    QCOMPARE(program.window->body()->dayDate(6), QString("14-06-2026"));
    program.press("Home");
    QCOMPARE(program.window->scrWeeks()->value(), 0);
    QCOMPARE(program.window->body()->dayDate(0), QString("01-06-2026"));
  }

  void aClickOnAPanelRowSelectsItsLine() {
    Program program;
    program.state.clock.ClockTable[5] = onceAt(1, 8, 0);  // beside line 0
    program.window->ScrWeeks_Change();
    program.press("Right");
    SelectionPanelWidget* panel = program.window->selectionPanel();
    QCOMPARE(panel->tabs()->count(), 2);
    QVERIFY(panel->slotFrame(1)->isVisible() && !panel->slotFrame(2)->isVisible());
    QVERIFY(panel->momentLabel(0)->text().startsWith("01/06 08:00"));
    QCOMPARE(panel->slotFrame(1)->palette().color(QPalette::Window), QColor(0, 0, 128));
    QCOMPARE(panel->functionLabel(1)->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    QCOMPARE(panel->functionLabel(0)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QTest::mouseClick(panel->momentLabel(1), Qt::LeftButton);
    QCOMPARE(program.selectedLine(), 5);
    QCOMPARE(panel->tabs()->currentIndex(), 1);
    QCOMPARE(panel->slotFrame(0)->palette().color(QPalette::Window), QColor(0, 0, 128));
    QTest::mouseClick(panel->slotFrame(0), Qt::LeftButton, {}, QPoint(200, 5));
    QCOMPARE(program.selectedLine(), 0);
  }

  void altFAndF10OpenTheFileMenu() {
    Program program;
    for (auto [key, modifier] : {std::pair{Qt::Key_F, Qt::AltModifier}, std::pair{Qt::Key_F10, Qt::NoModifier}}) {
      QTest::keyClick(program.window.get(), key, modifier);
      QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
      QCOMPARE(qobject_cast<QMenu*>(QApplication::activePopupWidget())->menuAction()->objectName(), "mmuFile");
      QApplication::activePopupWidget()->close();
    }
  }

  // Every item of every menu has its own letter, in all seven languages.
  void everyMenuItemHasAMnemonicOfItsOwn() {
    Program program;
    for (int language = 0; language < kLanguageCount; ++language) {
      program.state.texts.LanguageOffset = kLanguageOffsets[static_cast<size_t>(language)];
      program.window->SetFormTexts();
      QList<QMenu*> menus = program.window->findChildren<QMenu*>();
      menus.append(nullptr);  // the menu bar
      for (QMenu* menu : menus) {
        QSet<QChar> letters;
        const QList<QAction*> items = menu ? menu->actions() : program.window->menuBar()->actions();
        for (const QAction* item : items) {
          const QString text = item->text();
          if (item->isSeparator()) continue;
          QVERIFY2(text.count('&') == 1 && !text.endsWith('&'), qPrintable(text));
          const QChar letter = text[text.indexOf('&') + 1].toLower();
          QVERIFY2(!letters.contains(letter), qPrintable(text));
          letters.insert(letter);
        }
      }
    }
  }
};

QTEST_MAIN(MainWindowKeyboardTest)
#include "main_window_keyboard_test.moc"
