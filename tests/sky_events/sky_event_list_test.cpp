// SPDX-License-Identifier: GPL-3.0-or-later
// The list as a whole against published facts: the eclipse counts of the
// five-millennium canons (Espenak and Meeus) and the perigees of well-reported
// "supermoons".

#include "astro/date_time.h"
#include "sky_events/event_time.h"
#include "sky_events/moon_phases.h"
#include "sky_events/sky_event_list.h"
#include "sky_events/solar_eclipse_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace sky_events {
namespace {

double JulianDayOf(int year, int month, int day, double hours = 0.0) {
  return astro::DateTimeFromCivil({year, month, day}) + kJulianDayOfDateTimeZero + hours / 24.0;
}

TEST(SkyEventList, EclipseCountsOf2001To2100MatchTheCanons) {
  // 228 lunar eclipses (86 penumbral, 57 partial, 85 total) and 224 solar
  // eclipses in the 21st century.
  const double from = JulianDayOf(2001, 1, 1);
  const double to = JulianDayOf(2101, 1, 1);
  int counts[3] = {0, 0, 0};
  for (const SkyEvent& event : SkyEventsBetween(from, to, GeoSite{}, {false, true, false}))
    if (event.lunar) ++counts[static_cast<int>(event.lunar->type)];
  EXPECT_EQ(counts[static_cast<int>(LunarEclipseType::Penumbral)], 86);
  EXPECT_EQ(counts[static_cast<int>(LunarEclipseType::Partial)], 57);
  EXPECT_EQ(counts[static_cast<int>(LunarEclipseType::Total)], 85);

  const auto newMoons = SyzygiesBetween(TerrestrialFromUniversal(from), TerrestrialFromUniversal(to), Syzygy::NewMoon);
  EXPECT_EQ(std::count_if(newMoons.begin(), newMoons.end(), SolarEclipseAtNewMoon), 224);
}

TEST(SkyEventList, PublishedSupermoonPerigeesWithinFiveMinutesAndFiveKm) {
  struct Perigee {
    double jdUt, km;
  };
  // Reported perigees, each within hours of a full moon.
  const Perigee published[] = {
      {JulianDayOf(2011, 3, 19, 19 + 10 / 60.0), 356577},
      {JulianDayOf(2012, 5, 6, 3 + 34 / 60.0), 356955},
      {JulianDayOf(2016, 11, 14, 11 + 22 / 60.0), 356509},
  };
  for (const Perigee& p : published) {
    const auto events = SkyEventsBetween(p.jdUt - 0.5, p.jdUt + 0.5, GeoSite{}, {false, false, true});
    ASSERT_EQ(events.size(), 1u) << p.jdUt;
    EXPECT_EQ(events[0].kind, SkyEventKind::Perigee);
    EXPECT_NEAR(events[0].jdUt, p.jdUt, 5.0 / 1440.0);
    EXPECT_NEAR(events[0].apsis->distanceKm, p.km, 5.0);
    EXPECT_TRUE(events[0].apsis->fullMoonNearPerigee);
  }
}

TEST(SkyEventList, AYearInTimeOrderWithTheChosenKindsOnly) {
  const double from = JulianDayOf(2024, 1, 1);
  const double to = JulianDayOf(2025, 1, 1);
  const auto all = SkyEventsBetween(from, to, GeoSite{51.48, 0.0, 0.0});
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](auto& a, auto& b) { return a.jdUt < b.jdUt; }));
  EXPECT_TRUE(std::all_of(all.begin(), all.end(), [&](auto& e) { return e.jdUt >= from && e.jdUt < to; }));

  // Full moons of 2024 within a day of perigee: 18 September and 17 October
  // (the full moons of 19 August and 15 November miss by a day and a half).
  std::vector<double> nearPerigee;
  for (const SkyEvent& e : all)
    if (e.apsis && e.apsis->fullMoonNearPerigee) nearPerigee.push_back(e.jdUt);
  ASSERT_EQ(nearPerigee.size(), 2u);
  EXPECT_NEAR(nearPerigee[0], JulianDayOf(2024, 9, 18, 13.4), 0.1);
  EXPECT_NEAR(nearPerigee[1], JulianDayOf(2024, 10, 17, 0.9), 0.1);

  // The lunar eclipse of 18 September 2024 is seen from Greenwich, that of
  // 25 March (07:13 UT, after moonset) is not.
  // No solar eclipse of 2024 is seen there (8 April is below the horizon).
  const auto eclipses = SkyEventsBetween(from, to, GeoSite{51.48, 0.0, 0.0}, {false, true, false});
  ASSERT_EQ(eclipses.size(), 2u);
  EXPECT_FALSE(eclipses[0].lunar->greatest.moonAboveHorizon);
  EXPECT_TRUE(eclipses[1].lunar->greatest.moonAboveHorizon);

  const auto seasons = SkyEventsBetween(from, to, GeoSite{}, {true, false, false});
  const auto apsides = SkyEventsBetween(from, to, GeoSite{}, {false, false, true});
  EXPECT_EQ(seasons.size(), 4u);
  EXPECT_EQ(all.size(), seasons.size() + eclipses.size() + apsides.size());
}

} // namespace
} // namespace sky_events
