// SPDX-License-Identifier: GPL-3.0-or-later
// How long the day view's computation and a whole month table take, texts
// included.

#include "astro/display.h"
#include "day/day_computation.h"
#include "day/time_settings.h"
#include "month/copy_text.h"
#include "month/month_table.h"

#include <QLocale>
#include <benchmark/benchmark.h>

namespace {

astro::AstroState Site() {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  astro::AstroState s;
  s.SiteLatitude = 42.97f;
  s.SiteLongitude = 85.6f;
  s.CalcDate = astro::DateTimeOfDate(QDate(2024, 3, 17));
  day::PhaseList phases;
  day::ApplyTimeSettings(s, 0, 5.0f, phases);
  return s;
}

// ShowDay's computation for a new day: every text, the illumination and (as
// the date moves by a day at a time) the phase list when its quarter changes.
void ShowDayComputation(benchmark::State& bench) {
  astro::AstroState s = Site();
  day::DayViewState view;
  const double first = s.CalcDate;
  int day = 0;
  for (auto _ : bench) {
    s.CalcDate = first + (day++ % 365);
    benchmark::DoNotOptimize(day::ComputeDay(s, {2, true, false, false}, view));
  }
}
BENCHMARK(ShowDayComputation)->Unit(benchmark::kMicrosecond);

// MakeList for a month and the text its Copy puts on the clipboard.
void MonthTableWithCopyText(benchmark::State& bench) {
  const astro::AstroState s = Site();
  const month::CopyContext copy{{}, 2};
  for (auto _ : bench) {
    const month::MonthTable table = month::ComputeMonthTable(s, {0, 2, true, false, true});
    benchmark::DoNotOptimize(month::JoinLines(month::CopyLines(table, copy, 0), month::LineEnd::CrLf));
  }
}
BENCHMARK(MonthTableWithCopyText)->Unit(benchmark::kMillisecond);

} // namespace
