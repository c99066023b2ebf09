// SPDX-License-Identifier: GPL-3.0-or-later
#include "day/time_settings.h"

#include "day/day_computation.h"
#include "day_test_support.h"

#include <gtest/gtest.h>

namespace day {
namespace {

using test::DateOf;
using test::kGreenwich;

TEST(ZoneHoursFor, FollowsTheTimeType) {
  struct Case {
    int timeType;
    float siteZone, expected;
  };
  const Case cases[] = {{0, 5.0f, 5.0f}, {1, 5.0f, 4.0f}, {2, 5.0f, 0.0f}, {3, 5.0f, 5.0f}, {4, 5.0f, 0.0f},
                        {0, -5.5f, -5.5f}, {1, -5.5f, -6.5f}, {-1, 8.0f, 0.0f}};
  for (const auto& c : cases)
    EXPECT_EQ(ZoneHoursFor(c.timeType, c.siteZone), c.expected) << "type " << c.timeType << ", zone " << c.siteZone;
}

TEST(TimeFormatFor, PicksThePattern) {
  const DayPeriodTexts english{QStringLiteral("AM"), QStringLiteral("PM")};
  const DayPeriodTexts none{};
  struct Case {
    int tFormat;
    bool seconds;
    DayPeriodTexts designators;
    const char* expected;
    const char* note;
  };
  const Case cases[] = {
      {0, false, english, "h:nn AMPM", "12-hour with the locale's designators"},
      {0, true, english, "h:nn AMPM", "the 12-hour clock never shows seconds"},
      {0, false, none, "h:nn AM/PM", "no designators: the fixed AM and PM"},
      {0, false, {QStringLiteral(" "), QStringLiteral("  ")}, "h:nn AM/PM", "blank designators count as none"},
      {1, false, english, "hh:nn", "24-hour"},
      {1, true, english, "hh:nn:ss", "24-hour with seconds"},
      {7, false, none, "hh:nn", "any other value is the 24-hour clock"},
  };
  for (const auto& c : cases) EXPECT_EQ(TimeFormatFor(c.tFormat, c.seconds, c.designators), c.expected) << c.note;
}

TEST(LocaleDayPeriodTexts, AreTheDefaultLocales) {
  const DayPeriodTexts texts = LocaleDayPeriodTexts();
  EXPECT_EQ(texts.am, QLatin1String("AM"));
  EXPECT_EQ(texts.pm, QLatin1String("PM"));
}

// The sunrise text at Greenwich on 2000-01-01 (08:06) after ApplyTimeSettings.
QString GreenwichSunrise(int timeType, int tFormat, bool seconds, const DayPeriodTexts& designators) {
  DayViewState view;
  astro::AstroState state;
  state.SiteLatitude = kGreenwich.latitude;
  state.SiteLongitude = kGreenwich.longitude;
  state.TimeType = timeType;
  state.ShowSeconds = seconds;
  state.CalcDate = DateOf(2000, 1, 1);
  ApplyTimeSettings(state, tFormat, kGreenwich.zone, view.Phases, designators);
  ComputeDay(state, DayViewOptions{}, view);
  return view.DayText[kSunrise];
}

TEST(ApplyTimeSettings, ShowsTheFixedDesignatorsWhenTheLocaleHasNone) {
  EXPECT_EQ(GreenwichSunrise(0, 0, false, DayPeriodTexts{}), QLatin1String("8:06 AM"));
}

TEST(ApplyTimeSettings, ShowsTheLocalesOwnDesignators) {
  const ScopedLocale korean(QLocale(QLocale::Korean, QLocale::SouthKorea));
  const DayPeriodTexts texts = LocaleDayPeriodTexts();
  ASSERT_NE(texts.am, QLatin1String("AM"));
  EXPECT_EQ(GreenwichSunrise(0, 0, false, texts), QStringLiteral("8:06 ") + texts.am);
}

TEST(ApplyTimeSettings, ChangesTheClockOfEveryTime) {
  const DayPeriodTexts english = LocaleDayPeriodTexts();
  struct Case {
    int timeType, tFormat;
    bool seconds;
    const char* sunrise;
  };
  // Greenwich keeps UT in winter: daylight time is an hour later.
  const Case cases[] = {
      {0, 1, false, "08:06"}, {1, 1, false, "09:06"}, {2, 1, false, "08:06  UT"},
      {0, 0, false, "8:06 AM"}, {2, 0, false, "08:06  UT"}, {0, 1, true, "08:05:37"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GreenwichSunrise(c.timeType, c.tFormat, c.seconds, english), QLatin1String(c.sunrise))
        << "type " << c.timeType << ", format " << c.tFormat << ", seconds " << c.seconds;
}

TEST(ApplyTimeSettings, SetsZoneAndFormatAndForcesAPhaseListRebuild) {
  astro::AstroState state;
  state.TimeType = 1;
  PhaseList phases;
  phases.LastPhaseK = 12.5f;
  ApplyTimeSettings(state, 1, 5.0f, phases);
  EXPECT_EQ(state.ZoneHours, 4.0f);
  EXPECT_EQ(state.TimeFormat, "hh:nn");
  EXPECT_EQ(phases.LastPhaseK, kRebuildPhaseList);
}

} // namespace
} // namespace day
