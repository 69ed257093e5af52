// The main of the widget benchmarks: a QApplication on the offscreen platform
// (unless another is asked for), then every benchmark of the program.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

namespace ordalis::bench {

inline int RunOffscreenBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace ordalis::bench
