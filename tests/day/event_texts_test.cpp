// SPDX-License-Identifier: GPL-3.0-or-later
#include "day/event_texts.h"

#include "day_test_support.h"

#include <gtest/gtest.h>

namespace day {
namespace {

TEST(EventTimeText, ShowsNoneForBothMarkersAndTheClockTimeOtherwise) {
  astro::AstroState state;
  state.TimeFormat = "hh:nn";
  struct Case {
    double time;
    const char* expected;
  };
  const Case cases[] = {
      {astro::NoEventToday, "None"}, {astro::NeverRisesOrSets, "None"}, {0.5, "12:00"}, {0.0, "00:00"},
      {0.999999, "23:59"},
  };
  for (const auto& c : cases) EXPECT_EQ(EventTimeText(state, c.time), QLatin1String(c.expected)) << c.time;
}

TEST(EventAzimuthText, IsEmptyForAMissingEvent) {
  EXPECT_EQ(EventAzimuthText(0.3, 127.6), QStringLiteral("128\u00B0"));
  EXPECT_EQ(EventAzimuthText(astro::NoEventToday, 127.6), QString());
  EXPECT_EQ(EventAzimuthText(astro::NeverRisesOrSets, 127.6), QString());
}

TEST(IlluminationText, RoundsToAWholePercentHalvesUp) {
  struct Case {
    double fraction;
    const char* expected;
  };
  const Case cases[] = {{0.0, "0%"}, {0.004, "0%"}, {0.125, "13%"}, {0.625, "63%"}, {0.2292, "23%"}, {0.9951, "100%"}, {1.0, "100%"}};
  for (const auto& c : cases) EXPECT_EQ(IlluminationText(c.fraction), QLatin1String(c.expected)) << c.fraction;
}

} // namespace
} // namespace day
