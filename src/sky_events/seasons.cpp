// SPDX-License-Identifier: GPL-3.0-or-later
#include "seasons.h"

#include "body_positions.h"
#include "event_time.h"

#include <array>
#include <cmath>

namespace sky_events {
namespace {

// Mean instants (JDE) of the seasons, Meeus chapter 27 (table 27.B), valid for
// the years 1000 to 3000; outside them the search still converges from it.
double MeanSeason(int quarter, double y) {
  static constexpr std::array<std::array<double, 5>, 4> kCoefficients = {{
      {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
      {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
      {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
      {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
  }};
  const auto& c = kCoefficients[quarter];
  return c[0] + y * (c[1] + y * (c[2] + y * (c[3] + y * c[4])));
}

constexpr double kSunDegreesPerDay = 360.0 / 365.2422;

} // namespace

std::vector<SkyEvent> SeasonsOfYear(int year) {
  static constexpr std::array kKinds = {SkyEventKind::MarchEquinox, SkyEventKind::JuneSolstice,
                                        SkyEventKind::SeptemberEquinox, SkyEventKind::DecemberSolstice};
  std::vector<SkyEvent> seasons;
  seasons.reserve(4);
  for (int quarter = 0; quarter < 4; ++quarter) {
    double jde = MeanSeason(quarter, (year - 2000) / 1000.0);
    // Newton steps on the apparent longitude; the Sun's rate varies by 3 %,
    // so each step gains more than a decimal digit.
    for (int step = 0; step < 6; ++step) {
      const double miss = Wrap180(90.0 * quarter - SunAt(jde).longitudeDeg);
      jde += miss / kSunDegreesPerDay;
      if (std::abs(miss) < 1e-7) break;
    }
    SkyEvent season;
    season.kind = kKinds[quarter];
    season.jdUt = UniversalFromTerrestrial(jde);
    seasons.push_back(season);
  }
  return seasons;
}

} // namespace sky_events
