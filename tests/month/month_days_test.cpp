// SPDX-License-Identifier: GPL-3.0-or-later
#include "month/month_days.h"

#include "astro/day_positions.h"
#include "astro/time_scales.h"
#include "test_site.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace month {
namespace {

// The day computed alone, as the day view does: its own PrepareDay and a fresh
// three-day window.
MonthDay DirectDay(astro::AstroState state, double date, int twilight) {
  state.CalcDate = date;
  state.WantTransit = true;
  astro::PrepareDay(state);
  const astro::ThreeDayWindow window = astro::ComputeThreeDayWindow(state);
  return {date, astro::ComputeDayEvents(state, window, twilight),
          astro::MoonIllumination(state, window.MoonEcliptic(), window.SunEcliptic(), 0.5), window};
}

void ExpectSlotsNear(const astro::EventTimes& actual, const astro::EventTimes& expected, double tolerance,
                     const char* what, int day) {
  for (const int slot : {astro::kTransit, astro::kRise, astro::kSet}) {
    const std::size_t i = static_cast<std::size_t>(slot);
    EXPECT_NEAR(actual[i], expected[i], tolerance)
        << what << " slot " << slot << " on day " << day << ": difference " << actual[i] - expected[i];
  }
}

struct Site {
  QDate month;
  float latitude, longitude, zone;
  const char* note;
};

// A day slid into the window must agree with that day computed alone. The
// carried positions keep the nutation of the day they were made for, so the
// times may differ by some hundredths of a second; a window
// slid wrongly by one day moves the Moon by most of an hour.
TEST(ComputeMonthDays, AgreesWithEachDayComputedAlone) {
  const Site sites[] = {
      {QDate(2024, 3, 17), 42.97f, 85.6f, 5.0f, "Grand Rapids, March 2024"},
      {QDate(2023, 12, 1), -33.87f, -151.21f, -10.0f, "Sydney, December 2023 (year end ahead)"},
      {QDate(1900, 2, 10), 51.48f, 0.0f, 0.0f, "Greenwich, February 1900"},
  };
  constexpr double kTolerance = 2e-6; // days, 0.17 s
  for (const Site& site : sites) {
    const astro::AstroState dayView = testing_support::DayViewAt(site.month, site.latitude, site.longitude, site.zone);
    const std::vector<MonthDay> days = ComputeMonthDays(dayView, 0);
    ASSERT_EQ(static_cast<int>(days.size()), site.month.daysInMonth()) << site.note;
    for (std::size_t i = 0; i < days.size(); ++i) {
      const int day = static_cast<int>(i) + 1;
      const double date = astro::DateTimeOfDate(QDate(site.month.year(), site.month.month(), day));
      const MonthDay direct = DirectDay(dayView, date, 0);
      SCOPED_TRACE(site.note);
      EXPECT_EQ(days[i].date, date) << "day " << day;
      ExpectSlotsNear(days[i].events.sun, direct.events.sun, kTolerance, "sun", day);
      ExpectSlotsNear(days[i].events.twilight, direct.events.twilight, kTolerance, "twilight", day);
      ExpectSlotsNear(days[i].events.moon, direct.events.moon, kTolerance, "moon", day);
      EXPECT_NEAR(days[i].illuminatedFraction, direct.illuminatedFraction, 1e-6) << "day " << day;
    }
  }
}

TEST(ComputeMonthDays, FirstDayIsExactlyTheDayComputedAlone) {
  // On the 1st nothing is carried over yet: every position is made under the
  // same PrepareDay, so the results are identical.
  const astro::AstroState dayView = testing_support::DayViewAt(QDate(2024, 3, 17));
  const MonthDay first = ComputeMonthDays(dayView, 1).front();
  const MonthDay direct = DirectDay(dayView, astro::DateTimeOfDate(QDate(2024, 3, 1)), 1);
  EXPECT_EQ(first.events.sun, direct.events.sun);
  EXPECT_EQ(first.events.twilight, direct.events.twilight);
  EXPECT_EQ(first.events.moon, direct.events.moon);
  EXPECT_EQ(first.illuminatedFraction, direct.illuminatedFraction);
}

TEST(ComputeMonthDays, ComputesTransitsWhateverTheDayViewShows) {
  astro::AstroState dayView = testing_support::DayViewAt(QDate(2024, 3, 17));
  dayView.WantTransit = false;
  for (const MonthDay& day : ComputeMonthDays(dayView, 2)) {
    EXPECT_GT(day.events.sun[astro::kTransit], 0.0) << day.date;
    EXPECT_LT(day.events.sun[astro::kTransit], 1.0) << day.date;
  }
}

// Every site from pole to pole and zone to zone, at the first and last months
// and a midsummer: each slot is a time of the local day or a marker, and the
// illumination a fraction.
TEST(ComputeMonthDays, GivesTimesOrMarkersEverywhere) {
  const QDate months[] = {QDate(1, 1, 1), QDate(2024, 6, 1), QDate(9999, 12, 1)};
  for (const float latitude : {-90.0f, -66.5f, -30.0f, 0.0f, 45.0f, 70.0f, 90.0f}) {
    for (const float longitude : {-180.0f, 0.0f, 180.0f}) {
      for (const float zone : {-12.0f, 0.0f, 12.0f}) {
        for (const QDate& month : months) {
          for (const MonthDay& day : ComputeMonthDays(testing_support::DayViewAt(month, latitude, longitude, zone), 0)) {
            const auto where = [&] {
              return std::to_string(latitude) + " " + std::to_string(longitude) + " zone " + std::to_string(zone) +
                     " day " + std::to_string(day.date);
            };
            for (const astro::EventTimes* e : {&day.events.sun, &day.events.twilight, &day.events.moon}) {
              for (const int slot : {astro::kTransit, astro::kRise, astro::kSet}) {
                const double t = (*e)[static_cast<std::size_t>(slot)];
                ASSERT_TRUE(t == astro::NoEventToday || t == astro::NeverRisesOrSets || (t >= 0.0 && t <= 1.0))
                    << where() << " slot " << slot << ": " << t;
              }
            }
            ASSERT_GE(day.illuminatedFraction, 0.0) << where();
            ASSERT_LE(day.illuminatedFraction, 1.0) << where();
            if (latitude == 90.0f || latitude == -90.0f) {
              ASSERT_EQ(day.events.sun[astro::kRise], astro::NeverRisesOrSets) << where();
            }
          }
        }
      }
    }
  }
}

} // namespace
} // namespace month
