// The main window painted offscreen with the demo clock table: a few pixels
// of the markers and the legend stand where and as they must, so a painting
// regression shows up here.
#include <QTest>

#include "mainwindow/qt/frm_klokken.h"
#include "editor/qt/function_pictures.h"
#include "mainwindow/qt/klokken_body.h"
#include "week/week_geometry.h"
#include "support/scripted_prompts.h"
#include "tools/fixtures/demo_clock_table.h"

using namespace ordalis;

namespace {

const LocalTime kToday = makeLocalTime(2026, 6, 3, 10, 30);

// The window pixel of a point of the clock area.
QPoint areaPoint(const FrmKlokken& window, int x, int y) {
  return window.centralWidget()->pos() + QPoint(KlokkenBody::kAreaLeft + x, KlokkenBody::kAreaTop + y);
}

// Just above the tip of the line marker of a moment in a day row.
QPoint markerPoint(const FrmKlokken& window, int row, int hour, int minute) {
  return areaPoint(window, week::TimeX(hour, minute), week::ReferenceY(row) - 3);
}

}  // namespace

class MainWindowRenderTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    ApplyCentralModel(m_state.installation, m_state.texts, kVordane);
    m_state.clock.ClockTable = fixtures::DemoClockTable(kToday);
    m_state.clock.ClockFileName = "demo.clk";
    m_state.clock.InstallationPath = "demo.nbt";
    m_window = std::make_unique<FrmKlokken>(m_state, m_clock, m_prompts);
    m_window->RefreshDayIcons();
    m_window->ScrWeeks_Change();
    m_window->show();
    m_window->resize(m_window->sizeHint());  // the default size, larger than the offscreen screen
    m_image = m_window->grab().toImage();
  }

  void workdayLinesAreRedMarkersAndWeekendLinesBlue() {
    // The front door light goes on at 07:00 every workday.
    for (int row = 0; row < 5; ++row)
      QCOMPARE(QColor(m_image.pixel(markerPoint(*m_window, row, 7, 0))), QColor(255, 0, 0));
    QVERIFY(QColor(m_image.pixel(markerPoint(*m_window, 5, 7, 0))) != QColor(255, 0, 0));
    // A weekend line is a blue marker on Saturday and Sunday.
    QCOMPARE(QColor(m_image.pixel(markerPoint(*m_window, 5, 9, 0))), QColor(0, 0, 255));
    QCOMPARE(QColor(m_image.pixel(markerPoint(*m_window, 6, 9, 0))), QColor(0, 0, 255));
    QVERIFY(QColor(m_image.pixel(markerPoint(*m_window, 4, 9, 0))) != QColor(0, 0, 255));
  }

 private:
  ProgramState m_state;
  FixedClock m_clock{kToday};
  test::ScriptedPrompts m_prompts;
  std::unique_ptr<FrmKlokken> m_window;
  QImage m_image;
};

QTEST_MAIN(MainWindowRenderTest)
#include "main_window_render_test.moc"
