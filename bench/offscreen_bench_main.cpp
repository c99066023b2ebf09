// SPDX-License-Identifier: GPL-3.0-or-later
// main() of the benchmarks that need widgets: an application on the offscreen
// platform, so that they run without a display.

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
