// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/moon_phase.h"

#include "astro/date_time.h"
#include "astro/display.h"

#include <gtest/gtest.h>

#include <cmath>

namespace astro {
namespace {

constexpr double kDeltaT = 0.00077546; // 67 seconds, in days

QString Stamp(double dateTime) {
  const CivilDate d = CivilFromDateTime(dateTime);
  return QString::asprintf("%04d-%02d-%02d ", d.year, d.month, d.day) + FormatClockTime(dateTime, "hh:nn:ss");
}

struct PhaseCase {
  float k;
  const char* name;
  const char* stamp;
};

TEST(MoonPhase, TimesPhasesFrom1977To2024ToTheSecond) {
  const PhaseCase cases[] = {
      {0.0f, "New Moon", "2000-01-06 18:13:38"},
      {0.25f, "First Quarter", "2000-01-14 13:34:02"},
      {0.5f, "Full Moon", "2000-01-21 04:40:20"},
      {0.75f, "Last Quarter", "2000-01-28 07:56:43"},
      {-0.25f, "Last Quarter", "1999-12-29 14:04:19"},
      {-283.0f, "New Moon", "1977-02-18 03:36:34"},
      {300.5f, "Full Moon", "2024-04-23 23:49:05"},
  };
  AstroState s;
  s.ZoneHours = 0.0f;
  for (const auto& c : cases) {
    const Phase p = MoonPhase(s, kDeltaT, c.k);
    EXPECT_EQ(p.Name, c.name) << "k = " << c.k;
    EXPECT_EQ(Stamp(p.Time), QLatin1String(c.stamp)) << "k = " << c.k;
  }
}

TEST(MoonPhase, ShowsTheTimeInTheChosenClock) {
  AstroState ut;
  AstroState eastern;
  eastern.ZoneHours = 5.0f;
  for (const float k : {0.0f, 0.25f, -283.0f}) {
    EXPECT_NEAR(MoonPhase(ut, kDeltaT, k).Time - MoonPhase(eastern, kDeltaT, k).Time, 5.0 / 24.0, 1e-9);
  }
}

// Continuous day count of a date-time in the program's encoding.
double Continuous(double dateTime) {
  const double whole = std::trunc(dateTime);
  return whole + std::fabs(dateTime - whole);
}

TEST(MoonPhase, EncodesPhasesBefore1900WithAForwardCountingFraction) {
  const AstroState s;
  const Phase early = MoonPhase(s, kDeltaT, -1300.0f); // a new moon in 1894
  const Phase later = MoonPhase(s, kDeltaT, -1299.75f);
  ASSERT_LT(early.Time, 0.0);
  EXPECT_EQ(CivilFromDateTime(early.Time).year, 1894);
  const double quarter = Continuous(later.Time) - Continuous(early.Time);
  EXPECT_GT(quarter, 6.0);
  EXPECT_LT(quarter, 9.0);
}

TEST(QuarterLunationAtOrBelow, StepsInQuarters) {
  // 2000-01-01: t0 = -0.5 / 36525; 1236.85 t0 - 0.152 = -0.1689 -> -0.25.
  EXPECT_EQ(QuarterLunationAtOrBelow(-0.5 / 36525.0), -0.25f);
  // 2000-01-07 (just after the new moon of k = 0) gives 0.
  EXPECT_EQ(QuarterLunationAtOrBelow(5.5 / 36525.0), 0.0f);
}

} // namespace
} // namespace astro
