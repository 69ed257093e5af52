// The print preview on the offscreen platform: it shows one page per week
// asked for and the line list, and the weeks box on its tool bar changes
// how many weeks it shows.
#include <QPrintPreviewWidget>
#include <QSpinBox>
#include <QTest>

#include "app/program_state.h"
#include "export/qt/week_print_preview.h"
#include "tools/fixtures/demo_clock_table.h"
#include "tools/fixtures/demo_installation.h"

using namespace ordalis;

class PrintPreviewTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheWeeksAndTheLineList_data() {
    QTest::addColumn<int>("weeks");
    QTest::newRow("one week") << 1;
    QTest::newRow("five weeks") << 5;
  }

  void showsTheWeeksAndTheLineList() {
    QFETCH(int, weeks);
    ProgramState state;
    state.installation = fixtures::DemoInstallation();
    state.clock.ClockTable = fixtures::DemoClockTable(makeLocalTime(2026, 6, 3, 10, 30));
    const ClockState before = state.clock;
    QPrinter printer;
    const PrintJob job{state, QDate(2026, 6, 1), 1, QDateTime(QDate(2026, 6, 3), QTime(10, 30))};
    WeekPrintPreview preview(printer, job);
    preview.show();
    auto* pages = preview.findChild<QPrintPreviewWidget*>();
    QVERIFY(pages);
    QTRY_COMPARE(pages->pageCount(), 2);
    preview.weeksBox()->setValue(weeks);
    QTRY_COMPARE(pages->pageCount(), weeks + 1);
    QCOMPARE(preview.paintedPages(), weeks + 1);
    // Printing paints on a copy: the shown week and the selection stay.
    QCOMPARE(state.clock.WeekStart, before.WeekStart);
    QCOMPARE(state.clock.SelectedClockLine, before.SelectedClockLine);
  }
};

QTEST_MAIN(PrintPreviewTest)
#include "print_preview_test.moc"
