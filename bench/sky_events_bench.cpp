// SPDX-License-Identifier: GPL-3.0-or-later
// How long one year of sky events for one place takes: every season,
// eclipse and apsis (the budget is 5 ms).

#include "astro/date_time.h"
#include "sky_events/sky_event_list.h"

#include <benchmark/benchmark.h>

namespace {

void YearOfSkyEvents(benchmark::State& bench) {
  const sky_events::GeoSite grandRapids{42.97, 85.6, 0.0};
  int year = 2024;
  for (auto _ : bench) {
    const double from = astro::DateTimeFromCivil({year, 1, 1}) + sky_events::kJulianDayOfDateTimeZero;
    const double to = astro::DateTimeFromCivil({year + 1, 1, 1}) + sky_events::kJulianDayOfDateTimeZero;
    benchmark::DoNotOptimize(sky_events::SkyEventsBetween(from, to, grandRapids));
    year = year == 2100 ? 1900 : year + 1; // every eclipse season of two centuries
  }
}
BENCHMARK(YearOfSkyEvents)->Unit(benchmark::kMillisecond);

} // namespace
