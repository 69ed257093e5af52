// How long the Functions view takes for a full week of 100 lines on the demo
// house: the lanes rebuilt from the lines (firings, the states carried in,
// the catalogue's names and order), the lanes painted, and both together as
// after every change of a line. Offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "bench/offscreen_benchmarks.h"
#include "clock/levels.h"
#include "clock/line_moment.h"
#include "editor/lane_catalogue.h"
#include "mainwindow/qt/function_lanes_view.h"
#include "tools/fixtures/demo_installation.h"

namespace {

using namespace ordalis;
using namespace std::chrono;

const LocalTime kMonday = makeLocalTime(2026, 6, 1);

// 40 relays switched on and off daily, 30 dimmers stepped every 6 hours, 20
// moods every 15 minutes from Monday noon, and 10 relays switched once, a
// year before the week, that only the look-back finds.
ClockLineArray HundredLines() {
  ClockLineArray lines{};
  auto put = [&](int i, LocalTime moment, uint8_t unit, uint8_t count, uint8_t type, uint8_t number, uint8_t level) {
    ClockLine& line = lines[static_cast<size_t>(i)];
    SetLineDate(line, floor<days>(moment));
    const hh_mm_ss time{moment - floor<days>(moment)};
    line.Hour = static_cast<uint8_t>(time.hours().count());
    line.Minute = static_cast<uint8_t>(time.minutes().count());
    line.RepeatUnit = unit;
    line.RepeatCount = count;
    line.FunctionHigh = type;
    line.FunctionLow = number;
    line.Level = level;
  };
  for (int i = 0; i < 40; ++i)
    put(i, kMonday - days{3} + hours{6 + i % 16}, kRepeatDays, 1, kRelayType, static_cast<uint8_t>(1 + i / 2),
        i % 2 ? 0 : 255);
  for (int i = 40; i < 70; ++i)
    put(i, kMonday - days{1} + minutes{7 * i}, kRepeatHours, 6, kDimmerType, static_cast<uint8_t>(1 + (i - 40) / 3),
        static_cast<uint8_t>(8 * i % 256));
  for (int i = 70; i < 90; ++i) put(i, kMonday + hours{12} + minutes{i}, kRepeatMinutes, 15, 8, static_cast<uint8_t>(i - 70), 255);
  for (int i = 90; i < 100; ++i) put(i, kMonday - days{365} + hours{i - 80}, kRepeatOnce, 0, kRelayType, static_cast<uint8_t>(i - 60), 255);
  return lines;
}

struct Scene {
  Installation installation = fixtures::DemoInstallation();
  Texts texts;
  ClockLineArray lines = HundredLines();
  LaneSource source{lines, kClockTableLines, kMonday, kAllTables, {1, 1, 1, 1, 1, 0, 0}};
  FunctionLanesView view;
  QImage canvas{FunctionLanesView::kWidth, 1200, QImage::Format_ARGB32_Premultiplied};

  Scene() { texts.FillTextTables(); }
  WeekLanes Build() const { return BuildWeekLanes(source, ProgramLaneCatalogue(texts, installation)); }
  void Paint() {
    QPainter painter(&canvas);
    view.render(&painter);
  }
};

void BM_BuildLanes(benchmark::State& run) {
  Scene scene;
  for (auto _ : run) benchmark::DoNotOptimize(scene.Build());
  run.counters["lanes"] = static_cast<double>(scene.Build().lanes.size());
}
BENCHMARK(BM_BuildLanes)->Unit(benchmark::kMillisecond);

void BM_PaintLanes(benchmark::State& run) {
  Scene scene;
  scene.view.setLanes(scene.Build());
  for (auto _ : run) scene.Paint();
}
BENCHMARK(BM_PaintLanes)->Unit(benchmark::kMillisecond);

void BM_RebuildAndPaintLanes(benchmark::State& run) {
  Scene scene;
  for (auto _ : run) {
    scene.view.setLanes(scene.Build());
    scene.Paint();
  }
}
BENCHMARK(BM_RebuildAndPaintLanes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return ordalis::bench::RunOffscreenBenchmarks(argc, argv); }
