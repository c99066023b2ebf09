// SPDX-License-Identifier: GPL-3.0-or-later
// Day stepping in the main window: StepDate by one day and the repaint of the
// day view, offscreen. An auto-repeat runs at this speed.

#include "calendar_panel/calendar_panel.h"
#include "main_window/main_window.h"

#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void StepDayAndRepaint(benchmark::State& bench) {
  QTemporaryDir dir;
  const QString ini = dir.filePath("bench.ini");
  main_window::TfrmVesperon window(ini);
  window.show();
  QWidget* canvas = window.centralWidget();
  int direction = 1;
  int steps = 0;
  for (auto _ : bench) {
    if (++steps % 3000 == 0) direction = -direction; // stay well inside the calendar
    window.calendarPanel()->StepDate(dates::StepKind::Days, direction);
    canvas->repaint();
  }
  bench.counters["steps/s"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}
BENCHMARK(StepDayAndRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
