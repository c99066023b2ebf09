// SPDX-License-Identifier: GPL-3.0-or-later
// The year's events kept for the day view: computed once per year, place and
// clock, and the day's line in the day view's clock.

#include "astro/astro_state.h"
#include "sky_events_window/year_events.h"

#include <gtest/gtest.h>

namespace sky_events_window {
namespace {

constexpr double kDallasLatitude = 32.78; // degrees North
constexpr double kDallasLongitude = 96.80; // degrees West
constexpr double kCentralDaylightZone = 5.0; // hours behind UT

TEST(YearEvents, AYearIsComputedOnceForItsPlaceAndClock) {
  YearEvents events;
  const struct {
    QDate day;
    double latitude, zone;
    int computations; // after this look-up
    const char* note;
  } looks[] = {
      {QDate(2024, 4, 8), kDallasLatitude, kCentralDaylightZone, 1, "first look"},
      {QDate(2024, 4, 9), kDallasLatitude, kCentralDaylightZone, 1, "another day of the year"},
      {QDate(2024, 12, 31), kDallasLatitude, kCentralDaylightZone, 1, "the year's last day"},
      {QDate(2025, 1, 1), kDallasLatitude, kCentralDaylightZone, 2, "the next year"},
      {QDate(2025, 1, 2), 40.0, kCentralDaylightZone, 3, "another place"},
      {QDate(2025, 1, 2), 40.0, 6.0, 4, "another clock"},
  };
  for (const auto& l : looks) {
    (void)events.On(l.day, l.latitude, kDallasLongitude, l.zone);
    EXPECT_EQ(events.computations(), l.computations) << l.note;
  }
}

TEST(YearEvents, TheDayLineNamesTheDaysEventsTimeFirstOnTheDayViewsClock) {
  YearEvents events;
  astro::AstroState state;
  const struct {
    QDate day;
    double latitude, longitude, zone;
    int timeFormat; // 0 twelve-hour, 1 twenty-four-hour
    const char* full;
    const char* brief;
  } days[] = {
      // Totality crossed Dallas at about 13:40 CDT.
      {QDate(2024, 4, 8), kDallasLatitude, kDallasLongitude, kCentralDaylightZone, 0, "1:4", "1:4"},
      {QDate(2024, 4, 8), kDallasLatitude, kDallasLongitude, kCentralDaylightZone, 1, "13:4", "13:4"},
      {QDate(2024, 3, 19), kDallasLatitude, kDallasLongitude, kCentralDaylightZone, 0, "10:06 PM March equinox",
       "10:06 PM March equinox"}, // 03:06 UT on the 20th
      {QDate(2024, 4, 9), kDallasLatitude, kDallasLongitude, kCentralDaylightZone, 0, "", ""},
      // Pago Pago: greatest at 00:33 on 3 March 2026, the eclipse begins on the 2nd.
      {QDate(2026, 3, 2), -14.28, 170.70, 11.0, 0, "9:44 PM Total lunar eclipse begins", ""},
      {QDate(2026, 3, 3), -14.28, 170.70, 11.0, 0, "12:34 AM Total lunar eclipse", ""},
      // London: the Moon is down all through it.
      {QDate(2026, 3, 3), 51.5, 0.12, 0.0, 0, "11:34 AM Total lunar eclipse, not visible here",
       "11:34 AM Total lunar eclipse, not visible"},
      // Both of the day's events, each with its time.
      {QDate(2021, 5, 26), 51.5, 0.12, 0.0, 0, "1:49 AM Perigee", "1:49 AM Perigee 357,312 km; "},
      {QDate(2026, 12, 24), 51.5, 0.12, 0.0, 0, "", "AM Perigee 356,6"},
  };
  for (const auto& d : days) {
    state.ZoneHours = static_cast<float>(d.zone);
    state.TimeFormat = d.timeFormat == 0 ? "h:nn AM/PM" : "hh:nn";
    const DayEventLine line = DayEventLineOf(events.On(d.day, d.latitude, d.longitude, d.zone), d.day, state);
    const std::string where = d.day.toString(Qt::ISODate).toStdString() + ": " + line.full.toStdString();
    if (!*d.full && !*d.brief) {
      EXPECT_TRUE(line.full.isEmpty()) << where;
      continue;
    }
    EXPECT_TRUE(line.full.startsWith(QLatin1String(d.full))) << where;
    EXPECT_TRUE(line.brief.contains(QLatin1String(d.brief))) << where << " / " << line.brief.toStdString();
  }
  state.ZoneHours = 0.0f;
  const DayEventLine both = DayEventLineOf(events.On(QDate(2021, 5, 26), 51.5, 0.12, 0.0), QDate(2021, 5, 26), state);
  EXPECT_TRUE(both.full.contains("Perigee 357,312 km, full moon near perigee; ")) << both.full.toStdString();
  EXPECT_TRUE(both.full.contains("AM Total lunar eclipse, not visible here")) << both.full.toStdString();
}

} // namespace
} // namespace sky_events_window

namespace sky_events_window {
namespace {

// The day view reaches the years 1 and 9999 and every place: each year's list
// holds its four seasons, in time order, inside the year of the shown clock.
TEST(YearEvents, EveryYearAndPlaceTheDayViewReachesHasItsSeasons) {
  const struct {
    int year;
    double latitude, longitude, zone;
  } places[] = {{1, 0.0, 0.0, 0.0}, {9999, 0.0, 0.0, 0.0}, {2024, 89.9, 180.0, 12.0}, {2024, -89.9, -180.0, -12.0},
                {1582, 51.5, 0.1, 0.0}, {9999, -33.9, -151.2, -10.0}};
  for (const auto& p : places) {
    const std::vector<sky_events::SkyEvent> events = EventsOfYear({p.year, p.latitude, p.longitude, p.zone});
    int seasons = 0;
    for (std::size_t i = 0; i < events.size(); ++i) {
      seasons += events[i].kind <= sky_events::SkyEventKind::DecemberSolstice;
      if (i > 0) EXPECT_LE(events[i - 1].jdUt, events[i].jdUt) << p.year;
    }
    EXPECT_EQ(seasons, 4) << p.year << " at " << p.latitude;
    EXPECT_GE(events.size(), 28u) << p.year << ": about 13 perigees and 13 apogees";
  }
}

} // namespace
} // namespace sky_events_window
