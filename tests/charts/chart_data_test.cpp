// SPDX-License-Identifier: GPL-3.0-or-later
// The charts' data read against the tables they are drawn from, over a year
// at an ordinary latitude and two polar ones.

#include "astro/display.h"
#include "charts/altitude_chart.h"
#include "charts/chart_summary.h"
#include "charts/daylight_chart.h"
#include "month/month_days.h"
#include "scoped_locale.h"
#include "test_site.h"
#include "year/year_table.h"

#include <gtest/gtest.h>

namespace charts {
namespace {

struct Place {
  const char* name;
  float latitude, longitude, zone; // North, West, West positive
  bool midnightSun, polarNight;    // spans the chart must show in 2026
};

constexpr Place kPlaces[] = {
    {"London, UK", 51.51f, 0.13f, 0.0f, false, false},
    {"Tromso, Norway", 69.65f, -18.96f, -1.0f, true, true},
    {"McMurdo Station, AQ", -77.85f, -166.68f, -12.0f, true, true},
};

ChartClock ClockOf(const Place& p) { return {{QString::fromLatin1(p.name), p.zone, p.latitude, p.longitude}, 1, 0}; }

astro::AstroState StateOf(const Place& p, QDate date) {
  return testing_support::DayViewAt(date, p.latitude, p.longitude, p.zone);
}

// The hours a band's spans start and end on, as the table's pair gives them.
bool StartsAt(const std::vector<HourSpan>& spans, double hours) {
  return std::any_of(spans.begin(), spans.end(), [&](const HourSpan& s) { return s.from == hours; });
}
bool EndsAt(const std::vector<HourSpan>& spans, double hours) {
  return std::any_of(spans.begin(), spans.end(), [&](const HourSpan& s) { return s.to == hours; });
}

TEST(DaylightChart, EveryBandAndMoonTimeIsTheYearTables) {
  const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedKingdom));
  const year::YearEvent events[] = {year::YearEvent::Astronomical, year::YearEvent::Nautical, year::YearEvent::Civil,
                                    year::YearEvent::Sun};
  for (const Place& p : kPlaces) {
    SCOPED_TRACE(p.name);
    const astro::AstroState base = StateOf(p, QDate(2026, 1, 1));
    const DaylightChart chart = ComputeDaylightChart(base, ClockOf(p), 2026, QDate(2026, 6, 21));
    ASSERT_EQ(chart.days.size(), 365u);
    for (std::size_t k = 0; k < 4; ++k) {
      const year::YearTable table = year::ComputeYearTable(base, 2026, events[k]);
      for (std::size_t i = 0; i < table.days.size(); ++i) {
        const auto& [rise, set] = table.days[i].times;
        const std::vector<HourSpan>& spans = chart.days[i].above[k];
        const QString at = QStringLiteral("%1 band %2").arg(table.days[i].date.toString(Qt::ISODate)).arg(k);
        if (rise.missing == month::MissingReason::None) { EXPECT_TRUE(StartsAt(spans, 24.0 * rise.time)) << at.toStdString(); }
        if (set.missing == month::MissingReason::None) { EXPECT_TRUE(EndsAt(spans, 24.0 * set.time)) << at.toStdString(); }
        if (rise.missing == month::MissingReason::StaysAbove && set.missing == month::MissingReason::StaysAbove) {
          EXPECT_EQ(TotalHours(spans), 24.0) << at.toStdString();
        }
        if (rise.missing == month::MissingReason::StaysBelow && set.missing == month::MissingReason::StaysBelow) {
          EXPECT_TRUE(spans.empty()) << at.toStdString();
        }
        // Each band lies inside the darker one's.
        if (k > 0) { EXPECT_LE(TotalHours(spans), TotalHours(chart.days[i].above[k - 1]) + 1e-9) << at.toStdString(); }
      }
    }
    const year::YearTable moon = year::ComputeYearTable(base, 2026, year::YearEvent::Moon);
    for (std::size_t i = 0; i < moon.days.size(); ++i) {
      const auto& [rise, set] = moon.days[i].times;
      EXPECT_EQ(chart.days[i].moonrise.has_value(), rise.missing == month::MissingReason::None);
      EXPECT_EQ(chart.days[i].moonset.has_value(), set.missing == month::MissingReason::None);
      if (chart.days[i].moonrise) { EXPECT_EQ(*chart.days[i].moonrise, 24.0 * rise.time); }
    }
    const auto has = [&](bool midnightSun) {
      return std::any_of(chart.polar.begin(), chart.polar.end(),
                         [&](const PolarSpan& s) { return s.midnightSun == midnightSun; });
    };
    EXPECT_EQ(has(true), p.midnightSun);
    EXPECT_EQ(has(false), p.polarNight);
    // One clock all year: no step, not even where the Sun's times race near the polar spans.
    EXPECT_TRUE(chart.clockChanges.empty());
    EXPECT_EQ(std::count_if(chart.marks.begin(), chart.marks.end(), [](const YearMark& m) { return m.kind == MarkKind::Season; }), 4);
  }
}

TEST(DaylightChart, ASummerClockShowsAsTwoStepsInTheSummary) {
  const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedKingdom));
  const Place& london = kPlaces[0];
  DaylightChart chart = ComputeDaylightChart(StateOf(london, QDate(2026, 1, 1)), ClockOf(london), 2026, QDate());
  // The clock an hour on from 29 March to 24 October, as a wall clock reads the Sun.
  for (int i = QDate(2026, 3, 29).dayOfYear() - 1; i < QDate(2026, 10, 25).dayOfYear() - 1; ++i)
    for (std::vector<HourSpan>& spans : chart.days[static_cast<std::size_t>(i)].above)
      for (HourSpan& s : spans) s = {s.from + 1.0, s.to + 1.0};
  const std::vector<ClockChange> changes = ClockChangesOf(chart.days);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(chart.days[static_cast<std::size_t>(changes[0].day)].date, QDate(2026, 3, 29));
  EXPECT_EQ(changes[0].hours, 1.0);
  EXPECT_EQ(chart.days[static_cast<std::size_t>(changes[1].day)].date, QDate(2026, 10, 25));
  EXPECT_EQ(changes[1].hours, -1.0);
  chart.clockChanges = changes;
  const QString summary = DaylightSummary(chart);
  EXPECT_TRUE(summary.contains("Shortest day: 21 December, 7 h 50 min of daylight.")) << summary.toStdString();
  EXPECT_TRUE(summary.contains("The clocks change on 29 March (1 hour forward) and 25 October (1 hour back)."))
      << summary.toStdString();
}

TEST(AltitudeChart, ItsEventsAreTheMonthTablesAndSitOnTheCurves) {
  const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedKingdom));
  const Place& london = kPlaces[0];
  astro::AstroState base = StateOf(london, QDate(2026, 12, 9));
  base.TimeFormat = "hh:nn";
  const AltitudeChart chart = ComputeAltitudeChart(base, ClockOf(london), QDate(2026, 12, 9));
  const std::vector<month::MonthDay> days = month::ComputeMonthDays(base, 2);
  const auto find = [&](const char* name) {
    const auto e = std::find_if(chart.events.begin(), chart.events.end(),
                                [&](const AltitudeEvent& a) { return a.name == QLatin1String(name); });
    return e == chart.events.end() ? nullptr : &*e;
  };
  ASSERT_NE(find("Sunset"), nullptr);
  EXPECT_EQ(find("Sunset")->hour, 24.0 * days[8].events.sun[astro::kSet]);
  ASSERT_NE(find("Sunrise"), nullptr);
  EXPECT_EQ(find("Sunrise")->hour, 24.0 + 24.0 * days[9].events.sun[astro::kRise]);
  EXPECT_EQ(find("Sunrise")->time, "07:55");
  for (std::size_t i = 1; i < chart.events.size(); ++i) EXPECT_LE(chart.events[i - 1].hour, chart.events[i].hour);
  // A rise or set mark is on its curve, at the altitude searched for.
  for (const AltitudeEvent& e : chart.events) {
    if (e.slot == astro::kTransit) continue;
    EXPECT_NEAR(e.degrees, e.body == Body::Sun ? -0.833 : 0.1, 0.5) << e.name.toStdString();
  }
  EXPECT_EQ(chart.sun.size(), 145u); // every ten minutes, noon to noon
  EXPECT_EQ(chart.moonPhase, "new moon");
  EXPECT_TRUE(chart.title.contains("London, UK, night of 9 December 2026")) << chart.title.toStdString();
  EXPECT_TRUE(AltitudeSummary(chart).contains("Sunset 15:52, Sunrise 07:55")) << AltitudeSummary(chart).toStdString();
}

} // namespace
} // namespace charts
