// SPDX-License-Identifier: GPL-3.0-or-later
// How long the astronomy of one day and of one month takes.

#include "astro/date_time.h"
#include "astro/day_events.h"
#include "astro/day_positions.h"
#include "astro/shown_day.h"
#include "astro/time_scales.h"

#include <QTimeZone>

#include <benchmark/benchmark.h>

namespace {

astro::AstroState Site() {
  astro::AstroState s;
  s.SiteLatitude = 42.97f;
  s.SiteLongitude = 85.6f;
  s.ZoneHours = 5.0f;
  s.WantTransit = true;
  s.WantAzimuth = true;
  s.CalcDate = astro::DateTimeFromCivil({2024, 3, 17});
  return s;
}

// One day as the day view computes it: setup, both bodies on three days, the
// three searches.
void OneDay(benchmark::State& bench) {
  astro::AstroState s = Site();
  for (auto _ : bench) {
    astro::PrepareDay(s);
    const astro::ThreeDayWindow window = astro::ComputeThreeDayWindow(s);
    benchmark::DoNotOptimize(astro::ComputeDayEvents(s, window, 2));
  }
}
BENCHMARK(OneDay)->Unit(benchmark::kMicrosecond);

// One month as the month table computes it: the days on either side are
// computed once, the three-day window slides, each day adds only the day after.
void Month(benchmark::State& bench, astro::AstroState s, astro::CivilDate firstDay) {
  const double first = astro::DateTimeFromCivil(firstDay);
  for (auto _ : bench) {
    s.CalcDate = first;
    astro::PrepareDay(s);
    astro::ThreeDayWindow window{{astro::ComputeDayRecord(s, -1), astro::ComputeDayRecord(s, 0), {}}};
    for (int day = 0; day < 31; ++day) {
      s.CalcDate = first + day;
      astro::PrepareDay(s);
      window.days[2] = astro::ComputeDayRecord(s, 1);
      benchmark::DoNotOptimize(astro::ComputeDayEvents(s, window, 2));
      benchmark::DoNotOptimize(
          astro::MoonIllumination(s, window.MoonEcliptic(), window.SunEcliptic(), 0.5));
      window.days[0] = window.days[1];
      window.days[1] = window.days[2];
    }
  }
}

void OneMonth(benchmark::State& bench) { Month(bench, Site(), {2024, 3, 1}); }
BENCHMARK(OneMonth)->Unit(benchmark::kMillisecond);

// The polar night at Tromso: the Sun stays below the horizon on most days, so
// the search looks through those days for a crossing it cannot find.
void OneMonthPolarNight(benchmark::State& bench) {
  astro::AstroState s = Site();
  s.SiteLatitude = 69.65f;
  s.SiteLongitude = -18.96f;
  s.ZoneHours = -1.0f;
  Month(bench, s, {2026, 12, 1});
}
BENCHMARK(OneMonthPolarNight)->Unit(benchmark::kMillisecond);

// A month with a clock change, London March 2026, in Standard Time and in
// Local Time: Local Time reads the month's transitions once and searches the
// change day's lost or extra hour; it should cost within a tenth more.
void MonthInClock(benchmark::State& bench, bool local) {
  astro::AstroState s = Site();
  s.SiteLatitude = 51.51f;
  s.SiteLongitude = 0.13f;
  s.ZoneHours = 0.0f;
  const double first = astro::DateTimeFromCivil({2026, 3, 1});
  for (auto _ : bench) {
    const astro::ShownClock clock =
        local ? astro::ShownClock(QTimeZone("Europe/London"), first - 1.0, first + 32.0) : astro::ShownClock(0.0f);
    s.CalcDate = first;
    astro::PrepareDayIn(clock, s);
    astro::ThreeDayWindow window{{astro::ComputeDayRecord(s, -1), astro::ComputeDayRecord(s, 0), {}}};
    for (int day = 0; day < 31; ++day) {
      s.CalcDate = first + day;
      astro::PrepareDayIn(clock, s);
      window.days[2] = astro::ComputeDayRecord(s, 1);
      benchmark::DoNotOptimize(astro::ComputeDayEventsIn(clock, s, window, 2));
      window.days[0] = window.days[1];
      window.days[1] = window.days[2];
    }
  }
}

void OneMonthStandardTime(benchmark::State& bench) { MonthInClock(bench, false); }
BENCHMARK(OneMonthStandardTime)->Unit(benchmark::kMillisecond);

void OneMonthLocalTime(benchmark::State& bench) { MonthInClock(bench, true); }
BENCHMARK(OneMonthLocalTime)->Unit(benchmark::kMillisecond);

} // namespace
