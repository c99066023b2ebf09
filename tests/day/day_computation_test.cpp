// SPDX-License-Identifier: GPL-3.0-or-later
#include "day/day_computation.h"

#include "astro/display.h"
#include "day_test_support.h"

#include <gtest/gtest.h>

#include <array>

namespace day {
namespace {

using test::DateOf;
using test::kGreenwich;
using test::StateFor;

// Greenwich, 2000-01-01, astronomical twilight, transit and azimuths on.
struct GreenwichDay {
  DayViewState view;
  astro::AstroState state;
  DayViewOptions options;
  astro::DayEvents events;

  explicit GreenwichDay(int tFormat, bool wantAzimuth = true) : state(StateFor(kGreenwich, tFormat, view)) {
    state.CalcDate = DateOf(2000, 1, 1);
    state.WantAzimuth = wantAzimuth;
    options.Twilight = 0;
    events = ComputeDay(state, options, view);
  }
};

void ExpectDayTexts(const DayTexts& actual, const std::array<const char*, kDayTextCount>& expected) {
  for (int slot = 0; slot < kDayTextCount; ++slot)
    EXPECT_EQ(actual[slot], QString::fromUtf8(expected[slot])) << "DayText[" << slot << "]";
}

TEST(ComputeDay, GreenwichOnTheFirstDayOf2000In24HourClockWithAzimuths) {
  // The Sun's transit (12:03) is not shown; rise and set carry their azimuths
  // (127.6 and 232.4 degrees), the Moon's rows run rise, transit, set.
  const GreenwichDay day(1);
  ExpectDayTexts(day.view.DayText,
                 {"06:02", "08:06", "128°", "16:01", "232°", "18:05",
                  "02:40", "105°", "08:01", "", "13:13", "252°",
                  "Moonrise :", "Transit :", "Moonset :",
                  "Twilight :", "Sunrise :", "Sunset :", "Twilight :",
                  "Saturday, January 1, 2000", ""});
  EXPECT_EQ(astro::TimeText(day.state, day.events.sun[astro::kTransit]), QLatin1String("12:03"));
  EXPECT_NEAR(day.events.sun[astro::kRiseAzimuth], 127.6, 0.05);
  EXPECT_NEAR(day.events.sun[astro::kSetAzimuth], 232.4, 0.05);
}

TEST(ComputeDay, GreenwichIn12HourClockUsesTheLocaleDesignators) {
  const GreenwichDay day(0);
  ExpectDayTexts(day.view.DayText,
                 {"6:02 AM", "8:06 AM", "128°", "4:01 PM", "232°", "6:05 PM",
                  "2:40 AM", "105°", "8:01 AM", "", "1:13 PM", "252°",
                  "Moonrise :", "Transit :", "Moonset :",
                  "Twilight :", "Sunrise :", "Sunset :", "Twilight :",
                  "Saturday, January 1, 2000", ""});
}

TEST(ComputeDay, IlluminationModeShowsPercentOnEveryMoonRowAndNoSunAzimuths) {
  // Five days before the new moon of 2000-01-06 the waning crescent is about
  // a quarter lit, a little less at each later event.
  const GreenwichDay day(1, false);
  const DayTexts& t = day.view.DayText;
  EXPECT_EQ(t[kSunriseAzimuth], QString());
  EXPECT_EQ(t[kSunsetAzimuth], QString());
  EXPECT_EQ(t[7], QLatin1String("26%"));
  EXPECT_EQ(t[9], QLatin1String("24%"));
  EXPECT_EQ(t[11], QLatin1String("23%"));
  EXPECT_NEAR(day.view.IllumPercent, -22.9, 0.05) << "waning: negative";
}

TEST(ComputeDay, ReturnsTheRawEventsOfTheThreeSearches) {
  const GreenwichDay day(1);
  // Civil days at Greenwich: fractions match the shown clock times.
  EXPECT_NEAR(day.events.sun[astro::kRise], (8 * 60 + 6) / 1440.0, 1.0 / 1440);
  EXPECT_NEAR(day.events.twilight[astro::kSet], (18 * 60 + 5) / 1440.0, 1.0 / 1440);
  EXPECT_NEAR(day.events.moon[astro::kTransit], (8 * 60 + 1) / 1440.0, 1.0 / 1440);
  EXPECT_NEAR(day.events.moon[astro::kRise], (2 * 60 + 40) / 1440.0, 1.0 / 1440);
  EXPECT_NEAR(day.events.moon[astro::kSet], (13 * 60 + 13) / 1440.0, 1.0 / 1440);
}

// One day at Greenwich in the 24-hour clock, illumination mode.
struct MoonDayCase {
  int month, day;
  bool wantTransit;
  std::array<const char*, 9> rows; // DayText[6..14]
  const char* note;
};

TEST(ComputeDay, OrdersTheMoonRowsByTheirEvents) {
  const MoonDayCase cases[] = {
      {1, 14, true, {"11:39", "49%", "18:11", "52%", "None", "", "Moonrise :", "Transit :", "Moonset :"},
       "no moon set: the missing set counts as late"},
      {1, 15, true, {"00:57", "55%", "12:04", "60%", "19:02", "63%", "Moonset :", "Moonrise :", "Transit :"},
       "the set comes first: set, rise, transit"},
      {1, 21, true, {"08:03", "100%", "17:02", "100%", "None", "", "Moonset :", "Moonrise :", "Transit :"},
       "no transit: it counts as late"},
      {1, 27, true, {"05:13", "61%", "10:55", "59%", "None", "", "Transit :", "Moonset :", "Moonrise :"},
       "no moon rise, the transit first: transit, set, rise"},
      {1, 1, false, {"02:40", "26%", "13:13", "23%", "", "", "Moonrise :", "Moonset :", ""},
       "without the transit: rise, set and an empty third row"},
      {1, 15, false, {"00:57", "55%", "12:04", "60%", "", "", "Moonset :", "Moonrise :", ""},
       "without the transit: set, rise"},
      {1, 27, false, {"10:55", "59%", "None", "", "", "", "Moonset :", "Moonrise :", ""},
       "without the transit and without a rise: set, rise"},
  };
  for (const auto& c : cases) {
    DayViewState view;
    astro::AstroState state = StateFor(kGreenwich, 1, view);
    state.CalcDate = DateOf(2000, c.month, c.day);
    state.WantTransit = c.wantTransit;
    ComputeDay(state, DayViewOptions{}, view);
    for (int i = 0; i < 9; ++i)
      EXPECT_EQ(view.DayText[kFirstMoonTime + i], QString::fromUtf8(c.rows[i])) << c.note << ", slot " << 6 + i;
  }
}

TEST(ComputeDay, AzimuthModeEmptiesTheTransitIlluminationAndAMissingEventsAzimuth) {
  DayViewState view;
  astro::AstroState state = StateFor(kGreenwich, 1, view);
  state.CalcDate = DateOf(2000, 1, 14); // no moon set
  state.WantAzimuth = true;
  ComputeDay(state, DayViewOptions{}, view);
  EXPECT_EQ(view.DayText[6], QLatin1String("11:39"));
  EXPECT_TRUE(view.DayText[7].endsWith(QChar(0x00B0))) << view.DayText[7].toStdString();
  EXPECT_EQ(view.DayText[8], QLatin1String("18:11"));
  EXPECT_EQ(view.DayText[9], QString()) << "transit: no azimuth, no illumination";
  EXPECT_EQ(view.DayText[10], QLatin1String("None"));
  EXPECT_EQ(view.DayText[11], QString());
}

struct PolarCase {
  float latitude;
  int month, day, twilight;
  const char *twilightBegins, *sunrise, *sunset, *twilightEnds;
  const char* note;
};

TEST(ComputeDay, ShowsNoneForBothTimesWhenTheSunNeverCrossesTheAltitude) {
  const PolarCase cases[] = {
      {78.0f, 1, 1, 2, "None", "None", "None", "None", "polar night, even civil twilight"},
      {78.0f, 6, 21, 2, "None", "None", "None", "None", "midnight sun"},
      {-78.0f, 6, 21, 2, "None", "None", "None", "None", "southern polar night"},
      {69.65f, 1, 1, 2, "09:44", "None", "None", "14:23", "polar night with civil twilight"},
      {60.0f, 6, 21, 0, "None", "02:36", "21:28", "None", "astronomical twilight never ends"},
  };
  for (const auto& c : cases) {
    DayViewState view;
    astro::AstroState state = StateFor({c.latitude, kGreenwich.longitude, 0.0f}, 1, view);
    state.CalcDate = DateOf(2000, c.month, c.day);
    state.WantAzimuth = true;
    DayViewOptions options;
    options.Twilight = c.twilight;
    ComputeDay(state, options, view);
    const DayTexts& t = view.DayText;
    EXPECT_EQ(t[kTwilightBegins], QLatin1String(c.twilightBegins)) << c.note;
    EXPECT_EQ(t[kSunrise], QLatin1String(c.sunrise)) << c.note;
    EXPECT_EQ(t[kSunset], QLatin1String(c.sunset)) << c.note;
    EXPECT_EQ(t[kTwilightEnds], QLatin1String(c.twilightEnds)) << c.note;
    EXPECT_EQ(t[kSunriseAzimuth].isEmpty(), t[kSunrise] == QLatin1String("None")) << c.note;
    EXPECT_EQ(t[kSunsetAzimuth].isEmpty(), t[kSunset] == QLatin1String("None")) << c.note;
  }
}

TEST(ComputeDay, FlagsTheMoonLabelsOnlyWhenTheFirstLabelChanges) {
  DayViewState view;
  astro::AstroState state = StateFor(kGreenwich, 1, view);
  struct Step {
    int day;
    bool repaint;
    const char* note;
  };
  const Step steps[] = {
      {13, true, "first day: the labels were empty"},
      {14, false, "Moonrise first again"},
      {15, true, "Moonset first now"},
      {16, false, "Moonset first again"},
  };
  for (const auto& step : steps) {
    view.PaintMoonLabels = false; // as the painter leaves it
    state.CalcDate = DateOf(2000, 1, step.day);
    ComputeDay(state, DayViewOptions{}, view);
    EXPECT_EQ(view.PaintMoonLabels, step.repaint) << step.note;
  }
}

TEST(ComputeDay, SignsTheIlluminationByWaxingOrWaning) {
  struct Case {
    int day;
    double percent;
    const char* note;
  };
  const Case cases[] = {
      {6, 0.1, "new moon day"},
      {10, 12.6, "waxing crescent"},
      {20, 99.3, "full moon eve"},
      {21, -99.9, "just past full"},
      {28, -48.4, "waning, about half"},
  };
  for (const auto& c : cases) {
    DayViewState view;
    astro::AstroState state = StateFor(kGreenwich, 1, view);
    state.CalcDate = DateOf(2000, 1, c.day);
    ComputeDay(state, DayViewOptions{}, view);
    EXPECT_NEAR(view.IllumPercent, c.percent, 0.05) << c.note;
  }
}

TEST(ComputeDay, KeepsTheSunLabelsAndSetsTheDateLine) {
  DayViewState view;
  view.PaintSunLabels = false;
  astro::AstroState state = StateFor(kGreenwich, 1, view);
  state.CalcDate = DateOf(1969, 7, 20);
  ComputeDay(state, DayViewOptions{}, view);
  EXPECT_EQ(view.DayText[kFirstSunLabel], QLatin1String("Twilight :"));
  EXPECT_EQ(view.DayText[kFirstSunLabel + 3], QLatin1String("Twilight :"));
  EXPECT_EQ(view.DayText[kDateLine], QLatin1String("Sunday, July 20, 1969"));
  EXPECT_FALSE(view.PaintSunLabels) << "the sun labels are the painter's business";
}

TEST(ComputeDay, WritesTheJulianLineOnlyBeforeTheGregorianCalendarWhenAsked) {
  struct Case {
    int year, month, day;
    bool julianLine;
    const char* expected;
  };
  const Case cases[] = {
      {1582, 10, 14, true, "Oct 4, 1582   Julian"},
      {1582, 10, 15, true, ""},
      {2000, 1, 1, true, ""},
      {1582, 10, 14, false, ""},
  };
  DayViewState view;
  astro::AstroState state = StateFor(kGreenwich, 1, view);
  for (const auto& c : cases) {
    view.DayText[kJulianLine] = QStringLiteral("stale");
    state.CalcDate = DateOf(c.year, c.month, c.day);
    DayViewOptions options;
    options.JulianLine = c.julianLine;
    ComputeDay(state, options, view);
    EXPECT_EQ(view.DayText[kJulianLine], QLatin1String(c.expected)) << c.year << "-" << c.month << "-" << c.day;
  }
}

} // namespace
} // namespace day
