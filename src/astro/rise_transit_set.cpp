// SPDX-License-Identifier: GPL-3.0-or-later
#include "rise_transit_set.h"

#include "crossings.h"
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
// A scanned crossing this much earlier (days, a minute) than a checked one of
// the same kind is another crossing, not the same one found less precisely.
constexpr double kSameCrossing = 1.0 / 1440.0;

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

// The corrections of the classical method for one event from the estimate m
// (fraction of the UT day): the time in the local day or NoEventToday, and the
// running azimuth.
struct Corrected {
  double time;
  double azimuth;
};

class CorrectionSearch {
public:
  CorrectionSearch(const AstroState& state, PositionTable positions, double h0)
      : state_(state), positions_(positions), h0_(h0), z_(state.ZoneHours / 24.0) {
    // Keep the right ascensions continuous across 0/360.
    if (positions_[0] > positions_[2]) positions_[0] -= 360.0;
    if (positions_[2] > positions_[4]) positions_[4] += 360.0;
    const double phi = Radians(state.SiteLatitude);
    site_ = {state.SiteLongitude, std::sin(phi), std::cos(phi)};
    sinH0_ = std::sin(Radians(h0));
  }

  // cos H0 for the middle day's declination: beyond +-1 the body would not
  // cross h0 if that declination held all day.
  double MiddleDayCosHalfArc() const {
    const double dec = Radians(positions_[3]);
    const double divisor = site_.cosLatitude * std::cos(dec);
    return divisor == 0.0 ? 2.0 : (sinH0_ - site_.sinLatitude * std::sin(dec)) / divisor;
  }

  double TransitEstimate() const {
    return ApplyDayWindow((positions_[2] + site_.longitude - state_.SiderealTime0) / 360.0, z_);
  }

  Corrected Find(int event, double m) const {
    double x = 0.0;
    double azimuth = 0.0;
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
      m = ApplyDayWindow(m, z_);
      for (int correction = 0; correction < kMaxCorrections; ++correction) {
        const double theta = state_.SiderealTime0 + kSiderealRate * m;
        const double n = m + state_.DeltaTDays;
        const double alpha = Interpolate3(positions_[0], positions_[2], positions_[4], n);
        const double delta = Radians(Interpolate3(positions_[1], positions_[3], positions_[5], n));
        const double hourAngle = theta - site_.longitude - alpha;

        double step = 0.0;
        if (event == kTransit) {
          step = -CentreHourAngle(hourAngle) / 360.0;
          if (!std::isfinite(m + step)) break;
        } else {
          const double h = Radians(hourAngle);
          const double sinDelta = std::sin(delta);
          const double cosDelta = std::cos(delta);
          const double altitude =
              ArcSinDeg(site_.sinLatitude * sinDelta + site_.cosLatitude * cosDelta * std::cos(h));
          const double stepDivisor = 360.0 * cosDelta * site_.cosLatitude * std::sin(h);
          if (stepDivisor == 0.0) break;
          step = (altitude - h0_) / stepDivisor;
          if (!std::isfinite(m + step)) break;
          if (state_.WantAzimuth) {
            azimuth = Atan2Deg(std::cos(h) * site_.sinLatitude - (sinDelta / cosDelta) * site_.cosLatitude,
                               std::sin(h)) +
                      180.0;
          }
        }
        m += step;
        if (std::fabs(step) < kConvergedStep) break;
      }
      x = m - z_;
      if (x > 0.0 && x < 1.0) break;
    }
    return {(x > 1.0 || x < 0.0) ? NoEventToday : x, azimuth};
  }

private:
  const AstroState& state_;
  PositionTable positions_;
  double h0_;
  double z_;
  Site site_{};
  double sinH0_;
};

// The classical search: the middle day's declination decides whether the body
// crosses h0 at all, and each event is corrected from its estimate.
EventTimes ClassicalSearch(const AstroState& state, const CorrectionSearch& search) {
  EventTimes times{};
  const double cosH0 = search.MiddleDayCosHalfArc();
  if (!(std::fabs(cosH0) <= 1.0)) {
    times[kTransit] = times[kRise] = times[kSet] = NeverRisesOrSets;
    return times;
  }
  const double halfArc = ArcCosDeg(cosH0) / 360.0; // fraction of a day
  const double transit = search.TransitEstimate();
  const double estimates[3] = {transit, transit - halfArc, transit + halfArc};
  for (int event = state.WantTransit ? kTransit : kRise; event <= kSet; ++event) {
    const Corrected found = search.Find(event, estimates[event]);
    times[event] = found.time;
    // For the transit this lands in the set slot, which the set overwrites.
    times[event + 2] = found.azimuth;
  }
  return times;
}

// The rise or set to show: the classical search's time unless it is false or
// the scan found an earlier crossing of that kind; else the scanned crossing;
// else the search's own marker, or NoEventToday in place of a false time.
double Mended(double searched, bool isFalse, const std::optional<double>& scanned) {
  const bool keep = !isFalse && !IsMissingEvent(searched);
  if (scanned) return keep && searched <= *scanned + kSameCrossing ? searched : *scanned;
  return isFalse ? NoEventToday : searched;
}

} // namespace

EventTimes RiseTransitSet(const AstroState& state, PositionTable positions, double h0) {
  const CorrectionSearch search(state, positions, h0);
  EventTimes times = ClassicalSearch(state, search);

  // Check the rise and the set: a found time must be a crossing of the right
  // kind, and the body's side at both midnights must fit what was found, or
  // the day holds a crossing that the search missed (a hidden rise or set, or
  // an earlier one of a kind that it found). Only a day with four crossings,
  // two upper transits apart, could still hide one: no body has that.
  const DayAltitude altitude(state, positions);
  const bool riseIsFalse = !IsMissingEvent(times[kRise]) && !IsCrossing(altitude, h0, times[kRise], true);
  const bool setIsFalse = !IsMissingEvent(times[kSet]) && !IsCrossing(altitude, h0, times[kSet], false);
  if (!riseIsFalse && !setIsFalse && FitsTheDaysEnds(altitude, h0, times[kRise], times[kSet])) return times;
  const DayCrossings scanned = ScanCrossings(altitude, h0);
  const double rise = Mended(times[kRise], riseIsFalse, scanned.rise);
  const double set = Mended(times[kSet], setIsFalse, scanned.set);
  if (rise == times[kRise] && set == times[kSet]) return times;

  if (IsMissingEvent(rise) && IsMissingEvent(set)) {
    // No crossing at all: the body stays above or below h0 all day.
    EventTimes never{};
    never[kTransit] = never[kRise] = never[kSet] = NeverRisesOrSets;
    return never;
  }
  if (times[kTransit] == NeverRisesOrSets) {
    // The middle day's verdict was wrong: the transit is still to be found.
    times[kTransit] = state.WantTransit ? search.Find(kTransit, search.TransitEstimate()).time : 0.0;
  }
  const auto store = [&](int slot, double value) {
    // A body that crosses h0 today has no slot for NeverRisesOrSets.
    if (value == NeverRisesOrSets) value = NoEventToday;
    if (value == times[slot]) return;
    times[slot] = value;
    times[slot + 2] = state.WantAzimuth && !IsMissingEvent(value) ? altitude.AzimuthAt(value) : 0.0;
  };
  store(kRise, rise);
  store(kSet, set);
  return times;
}

} // namespace astro
