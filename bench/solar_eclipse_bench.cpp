// SPDX-License-Identifier: GPL-3.0-or-later
// How long the solar eclipses seen from one place take: a year of new moons,
// and one eclipse's local circumstances.

#include "sky_events/event_time.h"
#include "sky_events/moon_phases.h"
#include "sky_events/solar_eclipse_local.h"
#include "sky_events/solar_eclipse_search.h"

#include <benchmark/benchmark.h>

namespace {

// Dallas, on the path of totality of 2024-04-08.
constexpr sky_events::GeoSite kDallas{32.7767, 96.7970, 0.0};
constexpr double k2024 = 2460310.5;           // 2024-01-01 00:00 UT
constexpr double kTotalityNewMoon = 2460409.3; // 2024-04-08 19:20 UT

// Every new moon of 2024 as the events list treats it: the quick test for an
// eclipse anywhere, then the local circumstances of the two that pass.
void SolarEclipsesOfAYear(benchmark::State& bench) {
  for (auto _ : bench) {
    int seen = 0;
    for (const double newMoon : sky_events::SyzygiesBetween(k2024, k2024 + 366.0, sky_events::Syzygy::NewMoon)) {
      if (!sky_events::SolarEclipseAtNewMoon(newMoon)) continue;
      seen += sky_events::LocalSolarEclipse(sky_events::UniversalFromTerrestrial(newMoon), kDallas).has_value();
    }
    benchmark::DoNotOptimize(seen);
  }
}
BENCHMARK(SolarEclipsesOfAYear)->Unit(benchmark::kMicrosecond);

// The local circumstances alone, for a new moon that brings an eclipse.
void LocalCircumstancesOfOneEclipse(benchmark::State& bench) {
  for (auto _ : bench) benchmark::DoNotOptimize(sky_events::LocalSolarEclipse(kTotalityNewMoon, kDallas));
}
BENCHMARK(LocalCircumstancesOfOneEclipse)->Unit(benchmark::kMicrosecond);

} // namespace
