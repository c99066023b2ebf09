// SPDX-License-Identifier: GPL-3.0-or-later
// How long a chart takes: a year's daylight chart computed (target well under
// 100 ms) and then laid out and written as SVG, and the altitude chart of a
// night.

#include "astro/display.h"
#include "charts/altitude_chart.h"
#include "charts/daylight_chart.h"
#include "charts/daylight_scene.h"
#include "charts/svg_writer.h"

#include <QLocale>
#include <benchmark/benchmark.h>

namespace {

const settings::SiteLocation kPlace{QStringLiteral("London, UK"), 0.0f, 51.51f, 0.13f};
const charts::ChartClock kClock{kPlace, 1, 0};

astro::AstroState London() {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
  astro::AstroState s;
  s.SiteLatitude = kPlace.SiteLatitude;
  s.SiteLongitude = kPlace.SiteLongitude;
  s.ZoneHours = kPlace.SiteTimeZone;
  s.CalcDate = astro::DateTimeOfDate(QDate(2026, 1, 1));
  return s;
}

// Bands, moon times, seasons and eclipses of 365 days.
void DaylightChartOfAYear(benchmark::State& bench) {
  const astro::AstroState base = London();
  for (auto _ : bench) benchmark::DoNotOptimize(charts::ComputeDaylightChart(base, kClock, 2026, QDate(2026, 6, 1)));
}
BENCHMARK(DaylightChartOfAYear)->Unit(benchmark::kMillisecond);

// The computed chart laid out at 1200 by 760 pixels and written as SVG.
void DaylightChartAsSvg(benchmark::State& bench) {
  const charts::DaylightChart chart = charts::ComputeDaylightChart(London(), kClock, 2026, QDate(2026, 6, 1));
  for (auto _ : bench) benchmark::DoNotOptimize(charts::SvgOf(charts::DaylightScene(chart, {1200, 760})));
}
BENCHMARK(DaylightChartAsSvg)->Unit(benchmark::kMillisecond);

void AltitudeChartOfANight(benchmark::State& bench) {
  const astro::AstroState base = London();
  for (auto _ : bench) benchmark::DoNotOptimize(charts::ComputeAltitudeChart(base, kClock, QDate(2026, 12, 9)));
}
BENCHMARK(AltitudeChartOfANight)->Unit(benchmark::kMillisecond);

} // namespace
