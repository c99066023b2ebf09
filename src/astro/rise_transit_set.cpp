// SPDX-License-Identifier: GPL-3.0-or-later
#include "rise_transit_set.h"

#include "numeric.h"

#include <cmath>

namespace astro {
namespace {

// Sidereal degrees turned per solar day.
constexpr double kSiderealRate = 360.985647;
// Corrections stop below this step, days (8.64 seconds).
constexpr double kConvergedStep = 0.0001;
constexpr int kMaxCorrections = 3;
constexpr int kMaxAttempts = 2;

// Keeps an estimate m (fraction of the UT day) inside the local day, which runs
// from z to z + 1 on the UT-day scale: one step each way.
double ApplyDayWindow(double m, double z) {
  if (z > m) m += 1.0;
  if (m - 1.0 > z) m -= 1.0;
  return m;
}

// Hour angle brought into [-180, 180] degrees, however far outside it lies.
double CentreHourAngle(double h) {
  if (h < -180.0 || h > 180.0) h -= 360.0 * std::floor((h + 180.0) / 360.0);
  return h;
}

struct Site {
  double longitude; // degrees, West positive
  double sinLatitude;
  double cosLatitude;
};

} // namespace

EventTimes RiseTransitSet(const AstroState& state, PositionTable positions, double h0) {
  EventTimes times{};
  double& alpha1 = positions[0];
  const double delta1 = positions[1];
  const double alpha2 = positions[2];
  const double delta2 = positions[3];
  double& alpha3 = positions[4];
  const double delta3 = positions[5];

  // Keep the right ascensions continuous across 0/360.
  if (alpha1 > alpha2) alpha1 -= 360.0;
  if (alpha2 > alpha3) alpha3 += 360.0;

  const double phi = Radians(state.SiteLatitude);
  const Site site{state.SiteLongitude, std::sin(phi), std::cos(phi)};
  const double sinH0 = std::sin(Radians(h0));
  const double z = state.ZoneHours / 24.0;

  // Half the arc above h0, decided once from the day's declination. At a pole
  // (or a declination of 90) the divisor is 0 and the body's altitude does not
  // change through the day: it never rises or sets.
  const double dec2 = Radians(delta2);
  const double divisor = site.cosLatitude * std::cos(dec2);
  const double cosH0 = divisor == 0.0 ? 2.0 : (sinH0 - site.sinLatitude * std::sin(dec2)) / divisor;
  if (!(std::fabs(cosH0) <= 1.0)) {
    times[kTransit] = times[kRise] = times[kSet] = NeverRisesOrSets;
    return times;
  }
  const double halfArc = ArcCosDeg(cosH0) / 360.0; // fraction of a day

  const double transit = ApplyDayWindow((alpha2 + site.longitude - state.SiderealTime0) / 360.0, z);
  double estimates[3] = {transit, transit - halfArc, transit + halfArc};
  double azimuth = 0.0;

  for (int event = state.WantTransit ? kTransit : kRise; event <= kSet; ++event) {
    double& m = estimates[event];
    double x = 0.0;
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
      m = ApplyDayWindow(m, z);
      for (int correction = 0; correction < kMaxCorrections; ++correction) {
        const double theta = state.SiderealTime0 + kSiderealRate * m;
        const double n = m + state.DeltaTDays;
        const double alpha = Interpolate3(alpha1, alpha2, alpha3, n);
        const double delta = Radians(Interpolate3(delta1, delta2, delta3, n));
        const double hourAngle = theta - site.longitude - alpha;

        double step = 0.0;
        if (event == kTransit) {
          step = -CentreHourAngle(hourAngle) / 360.0;
          if (!std::isfinite(m + step)) break;
        } else {
          const double h = Radians(hourAngle);
          const double sinDelta = std::sin(delta);
          const double cosDelta = std::cos(delta);
          const double altitude = ArcSinDeg(site.sinLatitude * sinDelta + site.cosLatitude * cosDelta * std::cos(h));
          const double stepDivisor = 360.0 * cosDelta * site.cosLatitude * std::sin(h);
          if (stepDivisor == 0.0) break;
          step = (altitude - h0) / stepDivisor;
          if (!std::isfinite(m + step)) break;
          if (state.WantAzimuth) {
            azimuth = Atan2Deg(std::cos(h) * site.sinLatitude - (sinDelta / cosDelta) * site.cosLatitude,
                               std::sin(h)) +
                      180.0;
          }
        }
        m += step;
        if (std::fabs(step) < kConvergedStep) break;
      }
      x = m - z;
      if (x > 0.0 && x < 1.0) break;
    }
    times[event] = (x > 1.0 || x < 0.0) ? NoEventToday : x;
    // For the transit this lands in the set slot, which the set overwrites.
    times[event + 2] = azimuth;
  }
  return times;
}

} // namespace astro
