// One step of dragging a line on the main window: the mouse moves, the model
// moves the line and places its controls, the affected controls are moved
// and repainted (the paint runs inside the measured step). Offscreen, on the
// demo clock table.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/offscreen_benchmarks.h"
#include "base/prompts.h"
#include "mainwindow/qt/frm_klokken.h"
#include "mainwindow/qt/week_area.h"
#include "week/week_geometry.h"
#include "tools/fixtures/demo_clock_table.h"

namespace {

using namespace ordalis;

class SilentPrompts : public Prompts {
 public:
  Answer ask(const Message& message) override { return message.defaultButton.value_or(Answer::Ok); }
  std::optional<std::string> openFileName(const FileDialog&) override { return std::nullopt; }
  std::optional<std::string> saveFileName(const FileDialog&) override { return std::nullopt; }
};

void DragStep(benchmark::State& run) {
  const LocalTime today = makeLocalTime(2026, 6, 3, 10, 30);
  ProgramState state;
  FixedClock clock{today};
  SilentPrompts prompts;
  ApplyCentralModel(state.installation, state.texts, kVordane);
  state.clock.ClockTable = fixtures::DemoClockTable(today);
  FrmKlokken window(state, clock, prompts);
  window.ScrWeeks_Change();
  window.show();
  QApplication::processEvents();
  WeekArea* area = window.weekArea();
  // The garden path light: a daily line with seven occurrences in the week.
  const QPointF grip(week::TimeX(19, 30), week::ReferenceY(0));
  area->mouseDown(Qt::LeftButton, grip);
  int step = 0;
  for (auto _ : run) {
    const double x = week::TimeX(8 + step % 12, 0);
    const double y = week::ReferenceY(step % 7);
    area->mouseMove(Qt::LeftButton, QPointF(x, y));
    QApplication::processEvents();
    ++step;
  }
  area->mouseUp(grip);
}
BENCHMARK(DragStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return ordalis::bench::RunOffscreenBenchmarks(argc, argv); }
