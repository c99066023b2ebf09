// SPDX-License-Identifier: GPL-3.0-or-later
// Local Time against the frozen wall-clock reference of
// tests/data/reference_local_time.csv (tools/reference_local_time.py: PyEphem
// and Python's zoneinfo): every day of 2026 at eleven places with clock
// changes, half- and quarter-hour zones, +13 and +14 and a daylight time
// suspended for a month, through the month computation the tables, the
// year table and the calendar file read.

#include "astro/shown_day.h"
#include "month/month_days.h"
#include "../support/reference_table.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QTimeZone>
#include <cmath>
#include <map>
#include <memory>

namespace month {
namespace {

// Below 55 degrees the program's sunrise and sunset lie within 0.14 minutes
// of the same reference's (ReferenceEphemeris.*): a little more covers the
// rounding of the table's cells, while a day in the wrong clock is off by 30
// minutes or more.
constexpr double kLimitMinutes = 0.25;

struct Key {
  std::string place;
  std::string date;
  auto operator<=>(const Key&) const = default;
};

TEST(LocalTimeReference, SunriseAndSunsetOnTheWallClockWithTheOffsetInForce) {
  const auto rows = testing_support::ReadCsv("reference_local_time.csv");
  ASSERT_EQ(rows.size(), 11u * 365u) << "the local-time reference table is missing or short";
  std::map<Key, const std::vector<std::string>*> reference;
  std::vector<std::vector<std::string>> firsts; // each place's first row
  for (const auto& row : rows) {
    reference[{row[0], row[4]}] = &row;
    if (firsts.empty() || firsts.back()[0] != row[0]) firsts.push_back(row);
  }

  int compared = 0;
  for (const auto& place : firsts) {
    astro::AstroState state;
    state.SiteLatitude = std::stof(place[1]);
    state.SiteLongitude = std::stof(place[2]);
    state.TimeType = astro::kLocalTime;
    state.LocalClock = std::make_shared<const astro::ShownClock>(QTimeZone(QByteArray::fromStdString(place[3])), 0.0, -1.0);
    const astro::ShownClock clock(state.LocalClock->Zone(), testing_support::DateOf("2025-12-30"),
                                  testing_support::DateOf("2027-01-02"));
    double largest = 0.0;
    for (int m = 1; m <= 12; ++m) {
      state.CalcDate = testing_support::DateOf(QDate(2026, m, 1).toString(Qt::ISODate).toStdString());
      for (const MonthDay& day : ComputeMonthDays(state, 2)) {
        const std::string date = QDate::fromJulianDay(static_cast<qint64>(day.date) + 2415019).toString(Qt::ISODate).toStdString();
        const auto& row = *reference.at({place[0], date});
        const std::pair<int, int> columns[2] = {{astro::kRise, 5}, {astro::kSet, 7}};
        for (const auto& [slot, column] : columns) {
          const double t = day.events.sun[static_cast<std::size_t>(slot)];
          const std::optional<double> expected = testing_support::ReferenceMinutes(row[column]);
          ASSERT_EQ(expected.has_value(), !astro::IsMissingEvent(t)) << place[0] << ' ' << date << " column " << column;
          if (!expected) continue;
          const double apart = std::abs(t * testing_support::kMinutesPerDay - *expected);
          largest = std::max(largest, apart);
          EXPECT_LE(apart, kLimitMinutes) << place[0] << ' ' << date << " column " << column;
          const double offsetMinutes = -astro::ZoneHoursOfShown(clock, day.date, t) * 60.0;
          EXPECT_EQ(std::lround(offsetMinutes), std::stol(row[column + 1])) << place[0] << ' ' << date;
          ++compared;
        }
      }
    }
    std::printf("%-18s largest difference %.3f minutes\n", place[0].c_str(), largest);
  }
  EXPECT_EQ(compared, 2 * 11 * 365);
}

} // namespace
} // namespace month
