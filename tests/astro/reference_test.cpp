// SPDX-License-Identifier: GPL-3.0-or-later
// The program's times against an independent ephemeris: the frozen tables in
// tests/data (made by tools/reference_ephemeris.py with PyEphem and the U.S.
// Naval Observatory's conventions; see tests/data/README.md). The limits
// below are the measured error distribution with a little room, so a change
// that makes any kind of event less accurate fails here.

#include "astro/date_time.h"
#include "astro/moon_phase.h"
#include "astro/time_scales.h"
#include "reference_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace astro {
namespace {

// Errors of one kind of event, in minutes, and the days on which only one
// side has the event (it falls within a minute or so of midnight, or the body
// grazes the altitude).
struct Errors {
  std::vector<double> minutes;
  int presenceMismatches = 0;

  void Add(std::optional<double> program, std::optional<double> reference) {
    if (program && reference) minutes.push_back(std::abs(*program - *reference));
    else if (program.has_value() != reference.has_value()) ++presenceMismatches;
  }
};

struct Distribution {
  double median, p99, max;
};

Distribution DistributionOf(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const auto rank = [&](double q) { return v[static_cast<std::size_t>(std::ceil(q * v.size())) - 1]; };
  return {rank(0.5), rank(0.99), v.back()};
}

// Limits in minutes: the measured median, 99th percentile and maximum (see
// tests/data/README.md) times 1.5, and the number of days on which only one
// side has the event as measured. Remeasure and update them together with the
// README when the astronomy is made more accurate.
struct Limit {
  double median, p99, max;
  int presenceMismatches;
};

// Latitudes from here to the poles (degrees, either hemisphere) are judged apart:
// the Sun and the Moon cross the horizon at a shallow angle there, so a small
// error in altitude becomes a larger one in time.
constexpr double kHighLatitude = 55.0;

std::string GroupOf(const testing_support::EventColumn& column, double latitude) {
  return std::string(column.group) + (std::abs(latitude) < kHighLatitude ? ", below 55" : ", 55 and above");
}

void ExpectWithin(const std::string& kind, const Errors& errors, const Limit& limit) {
  ASSERT_FALSE(errors.minutes.empty()) << kind;
  const Distribution d = DistributionOf(errors.minutes);
  std::printf("%-36s n=%4zu  median %6.2f  p99 %6.2f  max %6.2f  one-sided %d\n", kind.c_str(),
              errors.minutes.size(), d.median, d.p99, d.max, errors.presenceMismatches);
  EXPECT_LE(d.median, limit.median) << kind << ": median error in minutes";
  EXPECT_LE(d.p99, limit.p99) << kind << ": 99th percentile error in minutes";
  EXPECT_LE(d.max, limit.max) << kind << ": largest error in minutes";
  EXPECT_LE(errors.presenceMismatches, limit.presenceMismatches)
      << kind << ": days on which only one of the program and the reference has the event";
}

TEST(ReferenceEphemeris, RiseTransitSetAndTwilightAgreeWithTheReference) {
  const auto rows = testing_support::ReadCsv("reference_events.csv");
  ASSERT_GT(rows.size(), 500u) << "the reference table is missing or short";

  std::map<std::string, Errors> errors;
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), testing_support::kFirstEventColumn + std::size(testing_support::kEventColumns));
    const auto program = testing_support::ProgramEvents(row);
    const double latitude = std::stod(row[1]);
    for (std::size_t c = 0; c < std::size(testing_support::kEventColumns); ++c)
      errors[GroupOf(testing_support::kEventColumns[c], latitude)].Add(program[c], testing_support::ReferenceMinutes(row[testing_support::kFirstEventColumn + c]));
  }

  const std::map<std::string, Limit> limits = {
      {"sunrise and sunset, below 55", {0.04, 0.11, 0.14, 0}},
      {"sunrise and sunset, 55 and above", {0.06, 0.24, 0.27, 0}},
      {"sun transit, below 55", {0.03, 0.05, 0.06, 0}},
      {"sun transit, 55 and above", {0.03, 0.05, 0.06, 0}},
      {"twilight, below 55", {0.03, 0.08, 0.18, 0}},
      {"twilight, 55 and above", {0.05, 0.27, 0.48, 0}},
      {"moonrise and moonset, below 55", {0.06, 0.32, 0.71, 1}},
      {"moonrise and moonset, 55 and above", {0.15, 1.91, 2.19, 0}},
      {"moon transit, below 55", {0.05, 0.24, 0.44, 0}},
      {"moon transit, 55 and above", {0.05, 0.17, 0.26, 10}},
  };
  ASSERT_EQ(errors.size(), limits.size());
  for (const auto& [group, limit] : limits) ExpectWithin(group, errors[group], limit);
}

TEST(ReferenceEphemeris, PrincipalPhasesAgreeWithTheReference) {
  const auto rows = testing_support::ReadCsv("reference_phases.csv");
  ASSERT_GT(rows.size(), 100u) << "the reference table is missing or short";

  constexpr double kMeanLunation = 29.530588853; // days
  constexpr double kFirstNewMoon = J2000Epoch + 5.09765; // k = 0, dynamical time
  std::map<std::string, Errors> errors;
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), 3u);
    const double when = testing_support::DateOf(row[0]) + std::stod(row[1]) / testing_support::kMinutesPerDay; // Universal Time
    // The quarter-lunation number nearest to the reference instant.
    const float k = static_cast<float>(std::round(4.0 * (when - kFirstNewMoon) / kMeanLunation) / 4.0);
    AstroState state; // ZoneHours 0: Universal Time
    state.CalcDate = testing_support::DateOf(row[0]);
    PrepareDay(state); // the Delta T of the day the phase falls on, as the phase list uses it
    const Phase phase = MoonPhase(state, state.DeltaTDays, k);
    EXPECT_EQ(phase.Name, row[2]) << row[0] << " k = " << k;
    // After 2010 Delta T is extrapolated by a parabola that runs ahead of the
    // Earth's real rotation, which moves every phase earlier.
    const bool extrapolated = CivilFromDateTime(when).year > 2010;
    errors[extrapolated ? "phases, 2011 to 2100" : "phases, 1900 to 2010"].minutes.push_back(
        std::abs(phase.Time - when) * testing_support::kMinutesPerDay);
  }
  ExpectWithin("phases, 1900 to 2010", errors["phases, 1900 to 2010"], {0.09, 0.47, 0.48, 0});
  ExpectWithin("phases, 2011 to 2100", errors["phases, 2011 to 2100"], {1.43, 1.80, 1.86, 0});
}

} // namespace
} // namespace astro
