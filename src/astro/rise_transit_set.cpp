// SPDX-License-Identifier: GPL-3.0-or-later
#include "rise_transit_set.h"

#include "crossings.h"
#include "numeric.h"

#include <cmath>
#include <optional>

namespace astro {
namespace {

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

// The corrections of the classical method, on the positions of a DayAltitude.
struct Corrected {
  double time;    // fraction of the local day, or NoEventToday
  double azimuth; // the running azimuth, degrees
  bool surelyCrossing = false; // a rise or set that IsCrossing need not check
};

class CorrectionSearch {
public:
  CorrectionSearch(const AstroState& state, const DayAltitude& altitude, double h0, double sinH0)
      : state_(state), altitude_(altitude), h0_(h0), sinH0_(sinH0), z_(state.ZoneHours / 24.0),
        rightAscension_(altitude.MiddleRightAscension()) {}

  // cos H0 for the middle day's declination: beyond +-1 the body would not
  // cross h0 if that declination held all day.
  double MiddleDayCosHalfArc() const {
    const double divisor = altitude_.CosLatitude() * altitude_.CosMiddleDeclination();
    return divisor == 0.0 ? 2.0 : (sinH0_ - altitude_.SinLatitude() * altitude_.SinMiddleDeclination()) / divisor;
  }

  double TransitEstimate() const {
    return ApplyDayWindow((rightAscension_ + state_.SiteLongitude - state_.SiderealTime0) / 360.0, z_);
  }

  // Corrects the estimate m (fraction of the UT day) of one event.
  Corrected Find(int event, double m) const {
    double x = 0.0;
    // The azimuth is that of the last corrected direction; its arc tangent
    // is taken once, after the corrections.
    std::optional<DayAltitude::Direction> azimuthDirection;
    bool sure = false;
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
      m = ApplyDayWindow(m, z_);
      sure = false;
      for (int correction = 0; correction < kMaxCorrections; ++correction) {
        double step = 0.0;
        if (event == kTransit) {
          step = -CentreHourAngle(altitude_.HourAngleAt(m - z_)) / 360.0;
          if (!std::isfinite(m + step)) break;
        } else {
          const DayAltitude::Direction d = altitude_.DirectionAt(m - z_);
          const double altitude = ArcSinDeg(altitude_.SineOf(d));
          const double stepDivisor = 360.0 * d.cosDeclination * altitude_.CosLatitude() * d.sinHourAngle;
          if (stepDivisor == 0.0) break;
          step = (altitude - h0_) / stepDivisor;
          if (!std::isfinite(m + step)) break;
          if (state_.WantAzimuth) azimuthDirection = d;
          sure = std::fabs(step) < kConvergedStep &&
                 IsSurelyCrossing(altitude_, h0_, {altitude, d, step}, event == kRise);
        }
        m += step;
        if (std::fabs(step) < kConvergedStep) break;
      }
      x = m - z_;
      if (x > 0.0 && x < 1.0) break;
    }
    const bool missing = x > 1.0 || x < 0.0;
    return {missing ? NoEventToday : x, azimuthDirection ? altitude_.AzimuthOf(*azimuthDirection) : 0.0,
            !missing && sure};
  }

private:
  const AstroState& state_;
  const DayAltitude& altitude_;
  double h0_;
  double sinH0_;
  double z_;
  double rightAscension_; // the middle day's, degrees
};

// The classical search's times, and which of the rise and the set its last
// corrections already show to be crossings of their kind.
struct Searched {
  EventTimes times{};
  bool sureRise = false, sureSet = false;
  double halfArc = -1.0; // degrees above h0 with the middle day's declination; negative when none
};

// The classical search: the middle day's declination decides whether the body
// crosses h0 at all, and each event is corrected from its estimate.
Searched ClassicalSearch(const AstroState& state, const CorrectionSearch& search) {
  Searched found;
  EventTimes& times = found.times;
  const double cosH0 = search.MiddleDayCosHalfArc();
  if (!(std::fabs(cosH0) <= 1.0)) {
    times[kTransit] = times[kRise] = times[kSet] = NeverRisesOrSets;
    return found;
  }
  found.halfArc = ArcCosDeg(cosH0);
  const double halfArc = found.halfArc / 360.0; // fraction of a day
  const double transit = search.TransitEstimate();
  const double estimates[3] = {transit, transit - halfArc, transit + halfArc};
  for (int event = state.WantTransit ? kTransit : kRise; event <= kSet; ++event) {
    const Corrected corrected = search.Find(event, estimates[event]);
    times[event] = corrected.time;
    // For the transit this lands in the set slot, which the set overwrites.
    times[event + 2] = corrected.azimuth;
    if (event == kRise) found.sureRise = corrected.surelyCrossing;
    if (event == kSet) found.sureSet = corrected.surelyCrossing;
  }
  return found;
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
  return RiseTransitSet(state, DayAltitude(state, positions), h0);
}

EventTimes RiseTransitSet(const AstroState& state, const DayAltitude& altitude, double h0) {
  const double sinH0 = std::sin(Radians(h0));
  const CorrectionSearch search(state, altitude, h0, sinH0);
  const Searched found = ClassicalSearch(state, search);
  EventTimes times = found.times;

  // Check the rise and the set: a found time must be a crossing of the right
  // kind, and the body's side at both midnights must fit what was found, or
  // the day holds a crossing that the search missed (a hidden rise or set, or
  // an earlier one of a kind that it found). Only a day with four crossings,
  // two upper transits apart, could still hide one: no body has that.
  // The last corrections usually show a crossing without another look.
  const bool riseIsFalse =
      !IsMissingEvent(times[kRise]) && !found.sureRise && !IsCrossing(altitude, h0, times[kRise], true);
  const bool setIsFalse =
      !IsMissingEvent(times[kSet]) && !found.sureSet && !IsCrossing(altitude, h0, times[kSet], false);
  if (!riseIsFalse && !setIsFalse && FitsTheDaysEnds(altitude, sinH0, found.halfArc, times[kRise], times[kSet]))
    return times;
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
