// SPDX-License-Identifier: GPL-3.0-or-later
// The day view over the whole range of sites, zones and dates: every slot is a
// time or "None" in step with the raw events, and nothing is NaN.

#include "day/day_computation.h"

#include "day_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace day {
namespace {

using test::DateOf;

bool ShowsEvent(const QString& text, double event) {
  return astro::IsMissingEvent(event) ? text == QLatin1String("None") : !text.isEmpty() && text != QLatin1String("None");
}

TEST(ComputeDaySweep, KeepsTextsInStepWithTheEventsEverywhere) {
  const double dates[] = {DateOf(1, 1, 1), DateOf(1582, 10, 14), DateOf(2000, 6, 21), DateOf(9999, 12, 31)};
  int days = 0;
  for (int latitude = -90; latitude <= 90; latitude += 15)
    for (int longitude = -180; longitude <= 180; longitude += 90)
      for (const int zone : {-14, 0, 12}) // standard time, 14 hours East to 12 West
        for (const double date : dates)
          for (const bool transit : {true, false}) {
            DayViewState view;
            astro::AstroState state =
                test::StateFor({float(latitude), float(longitude), float(zone)}, 1, view);
            state.CalcDate = date;
            state.WantTransit = transit;
            state.WantAzimuth = !transit;
            DayViewOptions options;
            options.JulianLine = true;
            const astro::DayEvents e = ComputeDay(state, options, view);
            const DayTexts& t = view.DayText;
            const auto where = testing::Message() << "lat " << latitude << ", lon " << longitude << ", zone "
                                                  << zone << ", date " << date << ", transit " << transit;
            ++days;

            for (const astro::EventTimes* times : {&e.sun, &e.twilight, &e.moon})
              for (const int slot : {astro::kRise, astro::kSet}) {
                const double v = (*times)[slot];
                ASSERT_TRUE(astro::IsMissingEvent(v) || (v >= 0.0 && v <= 1.0)) << where;
              }
            EXPECT_TRUE(ShowsEvent(t[kSunrise], e.sun[astro::kRise])) << where;
            EXPECT_TRUE(ShowsEvent(t[kSunset], e.sun[astro::kSet])) << where;
            EXPECT_TRUE(ShowsEvent(t[kTwilightBegins], e.twilight[astro::kRise])) << where;
            EXPECT_TRUE(ShowsEvent(t[kTwilightEnds], e.twilight[astro::kSet])) << where;

            // Each wanted moon event is in exactly one row, beside its label.
            const int rows = transit ? 3 : 2;
            for (int row = 0; row < 3; ++row) {
              const QString& label = t[kFirstMoonLabel + row];
              const QString& time = t[kFirstMoonTime + 2 * row];
              const QString& extra = t[kFirstMoonTime + 2 * row + 1];
              if (row >= rows) {
                EXPECT_TRUE(label.isEmpty() && time.isEmpty() && extra.isEmpty()) << where;
                continue;
              }
              const int slot = label == QLatin1String("Moonrise :") ? astro::kRise
                               : label == QLatin1String("Moonset :") ? astro::kSet
                                                                     : astro::kTransit;
              EXPECT_TRUE(ShowsEvent(time, e.moon[slot])) << where << ", row " << row;
              const bool noExtra = astro::IsMissingEvent(e.moon[slot]) || (slot == astro::kTransit && state.WantAzimuth);
              EXPECT_EQ(extra.isEmpty(), noExtra)
                  << where << ", row " << row;
            }
            QStringList labels{t[kFirstMoonLabel], t[kFirstMoonLabel + 1], t[kFirstMoonLabel + 2]};
            labels.removeAll(QString());
            labels.sort();
            EXPECT_EQ(labels.size(), rows) << where;
            EXPECT_EQ(labels.removeDuplicates(), 0) << where;

            ASSERT_FALSE(std::isnan(view.IllumPercent)) << where;
            EXPECT_LE(std::fabs(view.IllumPercent), 100.0) << where;
            EXPECT_FALSE(t[kDateLine].isEmpty()) << where;
            EXPECT_EQ(t[kJulianLine].isEmpty(), date >= DateOf(1582, 10, 15)) << where;
            // Rows are filled up to the last date the program accepts and
            // stay empty after it, which only the last month reaches.
            bool ended = false;
            for (int row = 0; row < 4; ++row) {
              const bool empty = view.Phases.PhaseText[row].date.isEmpty();
              EXPECT_FALSE(empty && (row == 0 || date < DateOf(9999, 12, 1))) << where << ", phase row " << row;
              EXPECT_FALSE(ended && !empty) << where << ", phase row " << row;
              ended = ended || empty;
            }
          }
  EXPECT_EQ(days, 13 * 5 * 3 * 4 * 2);
}

} // namespace
} // namespace day
