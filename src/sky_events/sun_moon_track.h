// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Sun and the Moon seen from the Earth's centre over half a day, for the
// eclipse searches that ask for their places hundreds of times an hour apart.
// The series of body_positions.h (SunAt, MoonAt) run at five instants three
// hours apart; between them the positions are interpolated with a
// fourth-degree polynomial, which stays within a thousandth of an arc second
// of the series over the span.

#include <array>

namespace sky_events {

// A point in equatorial rectangular coordinates of the true equator and
// equinox of date, in equatorial Earth radii.
struct Vector3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

class SunMoonTrack {
public:
  // The track from centreJdUt - 6 h to centreJdUt + 6 h (Julian Days, UT), with
  // the events' Delta T of that date (DeltaTSeconds), or with deltaTSeconds when
  // it is given.
  explicit SunMoonTrack(double centreJdUt);
  SunMoonTrack(double centreJdUt, double deltaTSeconds);

  double FirstJdUt() const { return centreJdUt_ - kHalfSpanDays; }
  double LastJdUt() const { return centreJdUt_ + kHalfSpanDays; }

  // Geocentric apparent positions at jdUt, inside the span.
  Vector3 Sun(double jdUt) const { return Interpolate(sun_, jdUt); }
  Vector3 Moon(double jdUt) const { return Interpolate(moon_, jdUt); }

  // Apparent sidereal time at Greenwich at jdUt, degrees (not reduced).
  double GreenwichSiderealDeg(double jdUt) const;

private:
  static constexpr double kHalfSpanDays = 0.25;
  static constexpr int kNodes = 5;

  Vector3 Interpolate(const std::array<Vector3, kNodes>& nodes, double jdUt) const;

  double centreJdUt_;
  double siderealAtCentreDeg_ = 0.0;
  std::array<Vector3, kNodes> sun_{};
  std::array<Vector3, kNodes> moon_{};
};

} // namespace sky_events
