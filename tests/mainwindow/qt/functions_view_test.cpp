// The main window's Functions view: its lanes replace the week view, a click
// on a lane's marker selects that line in the week view, a double-click
// edits it.
#include <QAction>
#include <QTest>

#include "app/program_state.h"
#include "mainwindow/qt/frm_klokken.h"
#include "mainwindow/qt/functions_view.h"
#include "mainwindow/qt/week_area.h"
#include "support/line_builder.h"
#include "support/scripted_prompts.h"

using namespace ordalis;
using test::At;

class FunctionsViewTest : public QObject {
  Q_OBJECT

 private slots:
  void aLaneMarkerSelectsItsLineInTheWeekViewAndADoubleClickEditsIt() {
    ProgramState state;
    FixedClock clock{At(2026, 6, 3, 10, 30)};  // Wednesday; the week of Monday 1 June
    test::ScriptedPrompts prompts;
    ApplyCentralModel(state.installation, state.texts, kVordane);
    auto& lines = state.clock.ClockTable;
    lines[2] = test::MakeLine({.year = 2026, .month = 5, .day = 31, .hour = 7, .unit = kRepeatDays, .count = 1});
    lines[5] = test::MakeLine({.year = 2026, .month = 6, .day = 3, .hour = 18, .level = 0});
    lines[7] = test::MakeLine({.year = 2026, .month = 6, .day = 3, .hour = 7, .functionLow = 2});
    FrmKlokken window(state, clock, prompts);
    std::vector<int> edited;
    window.setClockLineEditor([&](bool) {
      edited.push_back(state.clock.SelectedClockLine - 1);
      return false;
    });
    window.show();
    window.ScrWeeks_Change();
    window.functionsView()->toggle()->trigger();
    FunctionLanesView* view = window.functionsView()->lanes();
    QVERIFY(view->isVisible() && !window.weekArea()->isVisible());
    auto markerOf = [&](int line, LocalTime moment) {
      for (int lane = 0; lane < static_cast<int>(view->lanes().lanes.size()); ++lane)
        for (int c = 0; c < static_cast<int>(view->lanes().lanes[lane].changes.size()); ++c)
          if (const LaneChange& change = view->lanes().lanes[lane].changes[c]; change.line == line && change.moment == moment)
            return view->markerPosition(lane, c);
      return QPoint(-100, -100);
    };

    QTest::mouseClick(view, Qt::LeftButton, {}, markerOf(2, At(2026, 6, 3, 7)));
    QCOMPARE(state.clock.SelectedClockLine, 3);
    // The week view lists both lines on Wednesday 07:00, with line 2's tab chosen.
    QCOMPARE(window.model().HitList(), (std::vector<int>{3, 8}));
    QCOMPARE(window.model().SelectedEntry(), 1);
    QTest::mouseClick(view, Qt::LeftButton, {}, markerOf(7, At(2026, 6, 3, 7)));
    QCOMPARE(window.model().SelectedEntry(), 2);
    QTest::mouseDClick(view, Qt::LeftButton, {}, markerOf(5, At(2026, 6, 3, 18)));
    QCOMPARE(edited, std::vector<int>{5});

    window.functionsView()->toggle()->trigger();
    QVERIFY(!view->isVisible() && window.weekArea()->isVisible());
  }
};

QTEST_MAIN(FunctionsViewTest)
#include "functions_view_test.moc"
