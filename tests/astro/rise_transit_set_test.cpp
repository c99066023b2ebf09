// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/rise_transit_set.h"

#include "astro/crossings.h"
#include "astro/date_time.h"
#include "astro/day_events.h"
#include "astro/display.h"
#include "astro/time_scales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace astro {
namespace {

// The routine alone, on a hand-made table (Boston, Venus 1988-03-20).
AstroState VenusAtBostonState(float zoneHours) {
  AstroState s;
  s.SiteLatitude = 42.3333f;
  s.SiteLongitude = 71.0833f;
  s.ZoneHours = zoneHours;
  s.SiderealTime0 = 177.74208;
  s.DeltaTDays = 56.0 / 86400.0;
  s.WantTransit = true;
  s.WantAzimuth = true;
  return s;
}

constexpr PositionTable kVenus = {40.68021, 18.04761, 41.73129, 18.44092, 42.78204, 18.82742};
constexpr double kVenusAltitude = -0.5667;

QString Clock(double fraction) {
  AstroState s;
  s.ShowSeconds = true;
  s.TimeFormat = "hh:nn:ss";
  return TimeText(s, fraction);
}

struct VenusCase {
  float zoneHours;
  double transit, rise, set;
  const char *transitText, *riseText, *setText;
  double riseAzimuth, setAzimuth;
};

TEST(RiseTransitSet, TimesVenusAtBostonInUniversalTimeAndInZoneFive) {
  const VenusCase cases[] = {
      {0.0f, 0.819796, 0.517657, 0.121296, "19:40:30", "12:25:25", "02:54:39", 63.80, 295.98},
      // The set belonging to the local day is the one ~24 h after the UT-day set.
      {5.0f, 0.611463, 0.309323, 0.914299, "14:40:30", "07:25:25", "21:56:35", 63.80, 296.53},
  };
  for (const auto& c : cases) {
    const EventTimes e = RiseTransitSet(VenusAtBostonState(c.zoneHours), kVenus, kVenusAltitude);
    EXPECT_NEAR(e[kTransit], c.transit, 2e-6) << "zone " << c.zoneHours;
    EXPECT_NEAR(e[kRise], c.rise, 2e-6) << "zone " << c.zoneHours;
    EXPECT_NEAR(e[kSet], c.set, 2e-6) << "zone " << c.zoneHours;
    EXPECT_EQ(Clock(e[kTransit]), QLatin1String(c.transitText));
    EXPECT_EQ(Clock(e[kRise]), QLatin1String(c.riseText));
    EXPECT_EQ(Clock(e[kSet]), QLatin1String(c.setText));
    EXPECT_NEAR(e[kRiseAzimuth], c.riseAzimuth, 0.005);
    EXPECT_NEAR(e[kSetAzimuth], c.setAzimuth, 0.005);
  }
}

TEST(RiseTransitSet, LeavesSlotsItDoesNotComputeAtZero) {
  AstroState s = VenusAtBostonState(0.0f);
  s.WantTransit = false;
  s.WantAzimuth = false;
  const EventTimes e = RiseTransitSet(s, kVenus, kVenusAltitude);
  EXPECT_EQ(e[kTransit], 0.0);
  EXPECT_EQ(e[kRiseAzimuth], 0.0);
  EXPECT_EQ(e[kSetAzimuth], 0.0);
  EXPECT_NEAR(e[kRise], 0.517657, 2e-6);
}

TEST(RiseTransitSet, MarksABodyThatNeverCrossesTheAltitude) {
  AstroState s = VenusAtBostonState(0.0f);
  s.SiteLatitude = 80.0f; // declination 18: circumpolar at 80 N
  const EventTimes e = RiseTransitSet(s, kVenus, kVenusAltitude);
  for (const int slot : {kTransit, kRise, kSet}) EXPECT_EQ(e[slot], NeverRisesOrSets);
  EXPECT_EQ(e[kRiseAzimuth], 0.0) << "a fresh call starts from zeroed slots";
  EXPECT_EQ(e[kSetAzimuth], 0.0);
}

TEST(RiseTransitSet, InterpolatesRightAscensionAcrossZero) {
  const AstroState s = VenusAtBostonState(0.0f);
  const auto same = [&](PositionTable wrapped, PositionTable unwrapped) {
    const EventTimes a = RiseTransitSet(s, wrapped, kVenusAltitude);
    const EventTimes b = RiseTransitSet(s, unwrapped, kVenusAltitude);
    for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(a[i], b[i]) << "slot " << i;
  };
  same({359.0, 18.0, 0.5, 18.4, 2.0, 18.8}, {-1.0, 18.0, 0.5, 18.4, 2.0, 18.8});
  same({358.0, 18.0, 359.5, 18.4, 1.0, 18.8}, {358.0, 18.0, 359.5, 18.4, 361.0, 18.8});
}

// A whole prepared day, as the day view computes it.
DayEvents EventsOf(CivilDate date, float latitude, float longitude, float zone, int twilight) {
  AstroState s;
  s.CalcDate = DateTimeFromCivil(date);
  s.SiteLatitude = latitude;
  s.SiteLongitude = longitude;
  s.ZoneHours = zone;
  s.WantTransit = true;
  s.WantAzimuth = true;
  PrepareDay(s);
  return ComputeDayEvents(s, ComputeThreeDayWindow(s), twilight);
}

QString Minute(double fraction) {
  AstroState s;
  s.TimeFormat = "hh:nn";
  return TimeText(s, fraction);
}

TEST(RiseTransitSet, GreenwichOnTheFirstDayOf2000) {
  const DayEvents e = EventsOf({2000, 1, 1}, 51.4779f, 0.0015f, 0.0f, 0);
  EXPECT_EQ(Minute(e.sun[kTransit]), "12:03");
  EXPECT_EQ(Minute(e.sun[kRise]), "08:06");
  EXPECT_EQ(Minute(e.sun[kSet]), "16:01");
  EXPECT_NEAR(e.sun[kRiseAzimuth], 127.6, 0.05);
  EXPECT_NEAR(e.sun[kSetAzimuth], 232.4, 0.05);
  EXPECT_EQ(Minute(e.twilight[kRise]), "06:02");
  EXPECT_EQ(Minute(e.twilight[kSet]), "18:05");
  EXPECT_EQ(Minute(e.moon[kTransit]), "08:01");
  EXPECT_EQ(Minute(e.moon[kRise]), "02:40");
  EXPECT_EQ(Minute(e.moon[kSet]), "13:13");
}

TEST(RiseTransitSet, FindsATransitLateInTheDayEastOfGreenwich) {
  // Sydney in Universal Time: local midnight of the UT day lies far from the
  // first estimate, whose hour angle must be reduced completely.
  const DayEvents e = EventsOf({2001, 5, 19}, -33.9f, -151.2f, 0.0f, 2);
  EXPECT_NEAR(e.moon[kTransit], 0.977, 0.001);
}

TEST(RiseTransitSet, FindsEveryMoonTransitOfAYearEastOfGreenwich) {
  // Over a year in Universal Time at Sydney the Moon transits on all but the
  // dozen or so days when its ~24.8-hour cycle skips a UT day.
  int missing = 0;
  for (int day = 0; day < 365; ++day) {
    const CivilDate date = CivilFromDateTime(DateTimeFromCivil({2001, 1, 1}) + day);
    if (IsMissingEvent(EventsOf(date, -33.9f, -151.2f, 0.0f, 2).moon[kTransit])) ++missing;
  }
  EXPECT_LE(missing, 14);
  EXPECT_GE(missing, 11);
}

// Days at Reykjavik (64.13 N 21.93 W, Universal Time) on which the middle
// day's verdict or the corrections went wrong: the Moon's rise and set by
// PyEphem (minutes from midnight, -1 for none) and whether the Moon stays
// below the horizon all day.
struct HighLatitudeDay {
  CivilDate date;
  double rise, set; // minutes, -1 for none
  bool staysDown;
};

TEST(RiseTransitSet, ShowsTheMoonsRealCrossingsAtReykjavik) {
  const HighLatitudeDay days[] = {
      {{2026, 1, 18}, 736.36, 890.86, false},  // was "None" for all three
      {{2026, 6, 27}, -1.0, -1.0, true},       // was a set before the transit
      {{2026, 7, 24}, -1.0, -1.0, true},       // was rise, transit and set
      {{2026, 10, 4}, 1369.89, 1122.14, false}, // was a rise four hours early
  };
  for (const HighLatitudeDay& d : days) {
    const EventTimes moon = EventsOf(d.date, 64.13f, 21.93f, 0.0f, 2).moon;
    const auto where = ::testing::Message() << d.date.year << "-" << d.date.month << "-" << d.date.day;
    if (d.staysDown) {
      for (const int slot : {kTransit, kRise, kSet}) EXPECT_EQ(moon[slot], NeverRisesOrSets) << where;
      continue;
    }
    ASSERT_FALSE(IsMissingEvent(moon[kRise])) << where;
    ASSERT_FALSE(IsMissingEvent(moon[kSet])) << where;
    EXPECT_NEAR(moon[kRise] * 1440.0, d.rise, 2.0) << where;
    EXPECT_NEAR(moon[kSet] * 1440.0, d.set, 2.0) << where;
    EXPECT_FALSE(IsMissingEvent(moon[kTransit])) << where;
  }
}

TEST(RiseTransitSet, TheMoonRisesAndSetsAtThePoleOnceAMonth) {
  // At the North Pole the Moon's altitude is its declination, which climbs
  // through the horizon once a month and sinks through it once a month.
  int rises = 0, sets = 0;
  for (int day = 0; day < 365; ++day) {
    const CivilDate date = CivilFromDateTime(DateTimeFromCivil({2026, 1, 1}) + day);
    const EventTimes moon = EventsOf(date, 90.0f, 0.0f, 0.0f, 2).moon;
    rises += !IsMissingEvent(moon[kRise]);
    sets += !IsMissingEvent(moon[kSet]);
  }
  EXPECT_GE(rises, 13);
  EXPECT_LE(rises, 14);
  EXPECT_GE(sets, 13);
  EXPECT_LE(sets, 14);
}

// The search's shortcuts must give the answers of the full checks they stand
// in for: a midnight's side from the middle day's declination, a crossing
// judged from the last correction alone, and a scan left out where the
// day's declinations keep the body from the altitude. Random days from the
// first to the last year, places from pole to pole, zones to +-12 hours,
// both bodies and the altitudes searched for.
TEST(RiseTransitSet, ShortcutsAgreeWithTheFullChecks) {
  std::mt19937 random(20261209);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int surelyCrossing = 0;
  for (int trial = 0; trial < 4000; ++trial) {
    AstroState s;
    s.CalcDate = std::floor(-693500.0 + unit(random) * (2958465.0 + 693500.0));
    s.SiteLatitude = static_cast<float>(-90.0 + 180.0 * unit(random));
    s.SiteLongitude = static_cast<float>(-180.0 + 360.0 * unit(random));
    s.ZoneHours = static_cast<float>(std::round(-12.0 + 24.0 * unit(random)));
    PrepareDay(s);
    const ThreeDayWindow window = ComputeThreeDayWindow(s);
    const bool moon = trial % 2 == 1;
    const DayAltitude altitude(s, moon ? window.MoonPositions() : window.SunPositions());
    const double h0 = moon ? MoonRiseAltitude(window.MoonParallax()) : TwilightAltitude(static_cast<int>(trial / 2 % 4));
    const double sinH0 = std::sin(Radians(h0));
    // The half arc above h0 with the middle day's declination, as the search has it.
    const double cosHalfArc = (sinH0 - altitude.SinLatitude() * altitude.SinMiddleDeclination()) /
                              (altitude.CosLatitude() * altitude.CosMiddleDeclination());
    const double halfArc = std::fabs(cosHalfArc) <= 1.0 ? ArcCosDeg(cosHalfArc) : -1.0;
    for (int midnight : {0, 1}) {
      const bool above = altitude.SineAt(midnight) >= sinH0;
      EXPECT_EQ(altitude.IsAtOrAboveAtMidnight(midnight, sinH0, halfArc), above)
          << "date " << s.CalcDate << " latitude " << s.SiteLatitude << " midnight " << midnight;
      EXPECT_EQ(altitude.IsAtOrAboveAtMidnight(midnight, sinH0), above);
      // Near the altitude itself the estimate must defer to the full check.
      const double sine = altitude.SineAt(midnight);
      EXPECT_EQ(altitude.IsAtOrAboveAtMidnight(midnight, sine), true);
      EXPECT_EQ(altitude.IsAtOrAboveAtMidnight(midnight, std::nextafter(sine, 2.0)), false);
    }
    // The scan leaves out days the body cannot cross h0 on: where the
    // sampled altitudes change side, it must still find the crossing.
    bool changesSide = false;
    for (int k = 1; k <= 96 && !changesSide; ++k)
      changesSide = (altitude.SineAt((k - 1) / 96.0) >= sinH0) != (altitude.SineAt(k / 96.0) >= sinH0);
    const DayCrossings scanned = ScanCrossings(altitude, h0);
    EXPECT_EQ(changesSide, scanned.rise || scanned.set) << "date " << s.CalcDate << " latitude " << s.SiteLatitude;
    // A last correction at t that steps to t + step, searching for an
    // altitude within the tolerance of the one at t.
    const double t = unit(random);
    const double step = (unit(random) - 0.5) * 2e-4;
    const DayAltitude::Direction d = altitude.DirectionAt(t);
    const double here = ArcSinDeg(altitude.SineOf(d));
    const double searched = here + (unit(random) - 0.5) * 2.0 * kCrossingTolerance;
    for (const bool rising : {true, false}) {
      if (!IsSurelyCrossing(altitude, searched, {here, d, step}, rising)) continue;
      ++surelyCrossing;
      EXPECT_TRUE(IsCrossing(altitude, searched, t + step, rising))
          << "date " << s.CalcDate << " latitude " << s.SiteLatitude << " t " << t << " step " << step;
    }
  }
  EXPECT_GT(surelyCrossing, 1000) << "the shortcut was tried";
}

} // namespace
} // namespace astro
