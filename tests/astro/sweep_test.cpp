// SPDX-License-Identifier: GPL-3.0-or-later
// Sweeps sites, zones and the first and last dates of the calendar: every slot
// must be a time inside the local day or a marker, never NaN or infinity.

#include "astro/date_time.h"
#include "astro/day_events.h"
#include "astro/moon_phase.h"
#include "astro/time_scales.h"

#include <gtest/gtest.h>

#include <cmath>

namespace astro {
namespace {

void ExpectSane(const EventTimes& e, bool wantTransit, const char* body, const AstroState& s) {
  const auto where = [&] {
    return ::testing::Message() << body << " lat " << s.SiteLatitude << " lon " << s.SiteLongitude << " zone "
                                << s.ZoneHours << " date " << s.CalcDate;
  };
  for (const double slot : e) ASSERT_TRUE(std::isfinite(slot)) << where();
  if (e[kRise] == NeverRisesOrSets) {
    EXPECT_EQ(e[kSet], NeverRisesOrSets) << where();
    EXPECT_EQ(e[kTransit], NeverRisesOrSets) << where();
    return;
  }
  for (const int slot : {kTransit, kRise, kSet}) {
    if (slot == kTransit && !wantTransit) {
      EXPECT_EQ(e[slot], 0.0) << where();
      continue;
    }
    const double v = e[slot];
    EXPECT_TRUE(v == NoEventToday || (v >= 0.0 && v <= 1.0)) << v << " in slot " << slot << where();
  }
  for (const int slot : {kRiseAzimuth, kSetAzimuth}) {
    EXPECT_GE(e[slot], 0.0) << where();
    EXPECT_LE(e[slot], 360.0) << where();
  }
}

TEST(Sweep, EveryEventIsATimeOrAMarkerEverywhere) {
  const double dates[] = {DateTimeFromCivil({1, 1, 1}), DateTimeFromCivil({1, 1, 2}), DateTimeFromCivil({1582, 10, 15}),
                          DateTimeFromCivil({2024, 6, 21}), DateTimeFromCivil({9999, 12, 30}),
                          DateTimeFromCivil({9999, 12, 31})};
  const float latitudes[] = {-90.0f, -89.99f, -75.0f, -66.6f, -45.0f, 0.0f, 30.0f, 66.6f, 75.0f, 89.99f, 90.0f};
  int polarMarkers = 0;
  int polarMoonCrossings = 0;
  for (const double date : dates) {
    for (const float latitude : latitudes) {
      for (float longitude = -180.0f; longitude <= 180.0f; longitude += 90.0f) {
        // From Kiribati's daylight time (15 hours East) to 12 hours West.
        for (const float zone : {-15.0f, -14.0f, -5.75f, 0.0f, 6.0f, 12.0f}) {
          for (const bool flags : {true, false}) {
            AstroState s;
            s.CalcDate = date;
            s.SiteLatitude = latitude;
            s.SiteLongitude = longitude;
            s.ZoneHours = zone;
            s.WantTransit = flags;
            s.WantAzimuth = flags;
            PrepareDay(s);
            const ThreeDayWindow window = ComputeThreeDayWindow(s);
            for (int twilight = 0; twilight <= 2; ++twilight) {
              const DayEvents e = ComputeDayEvents(s, window, twilight);
              ExpectSane(e.sun, flags, "sun", s);
              ExpectSane(e.twilight, flags, "twilight", s);
              ExpectSane(e.moon, flags, "moon", s);
              if (std::fabs(latitude) == 90.0f) {
                // At a pole a body's altitude is its declination: the Sun, a
                // week or more from an equinox on every date here, neither
                // rises nor sets; the Moon does only when its declination
                // passes the altitude that day.
                EXPECT_EQ(e.sun[kRise], NeverRisesOrSets);
                if (!IsMissingEvent(e.moon[kRise]) || !IsMissingEvent(e.moon[kSet])) ++polarMoonCrossings;
                ++polarMarkers;
              }
            }
            const double illumination = MoonIllumination(s, window.MoonEcliptic(), window.SunEcliptic(), 0.5);
            EXPECT_GE(illumination, 0.0);
            EXPECT_LE(illumination, 1.0);
          }
        }
      }
    }
  }
  EXPECT_GT(polarMarkers, 0);
  EXPECT_LT(polarMoonCrossings, polarMarkers);
}

TEST(Sweep, PhasesAtTheEndsOfTheCalendarAreFinite) {
  for (const float zone : {-15.0f, 0.0f, 12.0f}) {
    AstroState s;
    s.ZoneHours = zone;
    for (const float k : {kFirstListedLunation, kFirstListedLunation + 0.25f, 98640.0f, 98640.75f}) {
      const Phase p = MoonPhase(s, 0.01, k);
      EXPECT_TRUE(std::isfinite(p.Time)) << k;
    }
    EXPECT_EQ(CivilFromDateTime(MoonPhase(s, 0.01, kFirstListedLunation).Time).year, 1);
  }
}

} // namespace
} // namespace astro
