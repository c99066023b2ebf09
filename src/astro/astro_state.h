// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The astronomy unit's shared state and its small value types.
//
// One AstroState exists for the whole program (the main window owns it). The
// caller fills in the inputs (date, site, zone, clock options); PrepareDay()
// derives the time quantities of that date; the position and event routines read
// both. Every angle is in degrees unless a name says radians, and every date-time
// is a count of days since 1899-12-30 00:00 (the fraction is the time of day).

#include <array>
#include <memory>
#include <string>

namespace astro {

class ShownClock;

// The time type whose clock is the place's wall clock (see shown_clock.h).
inline constexpr int kLocalTime = 3;

// Date-time of 2000-01-01 12:00, the J2000.0 epoch, in days since 1899-12-30.
inline constexpr double J2000Epoch = 36526.5;

// Markers of a missing event in an EventTimes slot (see RiseTransitSet).
// The event does not happen within this local civil day.
inline constexpr double NoEventToday = 2.0;
// The body stays above or below the altitude all day (rise, transit and set).
inline constexpr double NeverRisesOrSets = 3.0;

// True for a slot that holds one of the markers above instead of a time.
constexpr bool IsMissingEvent(double slot) { return slot >= NoEventToday; }

struct AstroState {
  // Inputs, set by the day view or the month table before PrepareDay().
  double CalcDate = 0.0;      // civil date at 00:00, days since 1899-12-30
  float SiteLatitude = 0.0f;  // degrees, North positive
  float SiteLongitude = 0.0f; // degrees, West positive
  float ZoneHours = 0.0f;     // hours added to the shown clock to get UT, West positive

  // Derived by PrepareDay(); CenturiesT is then overwritten by callers to pick an
  // instant for the position routines.
  double CenturiesT0 = 0.0;       // Julian centuries from J2000 at 0h UT of CalcDate
  double CenturiesT = 0.0;        // Julian centuries from J2000 of the instant in use
  double NutationLongitude = 0.0; // degrees
  double NutationObliquity = 0.0; // degrees
  double TrueObliquity = 0.0;     // radians
  double SiderealTime0 = 0.0;     // apparent sidereal time at Greenwich, 0h UT, degrees [0, 360)
  double DeltaTDays = 0.0;        // dynamical time minus UT, days

  // Clock options of the day view, read by the display routines and the search.
  std::string TimeFormat = "h:nn AMPM"; // "h:nn AMPM", "h:nn AM/PM", "hh:nn" or "hh:nn:ss"
  int TimeType = 0;                     // 0 standard, 1 daylight, 2 Universal Time, 3 local time
  // The place's wall clock, read in local time; ZoneHours then holds the
  // offset of the computed day's midnight.
  std::shared_ptr<const ShownClock> LocalClock;
  bool ShowSeconds = false;
  bool WantTransit = true;  // RiseTransitSet also computes the transit
  bool WantAzimuth = false; // RiseTransitSet also computes rise and set azimuths
};

// Ecliptic longitude, latitude and horizontal parallax, all in degrees.
struct EclipticPosition {
  double longitude = 0.0;
  double latitude = 0.0;
  double parallax = 0.0;
};

// Right ascension [0, 360) and declination, degrees.
struct EquatorialPosition {
  double rightAscension = 0.0;
  double declination = 0.0;
};

// alpha1, delta1, alpha2, delta2, alpha3, delta3 (degrees) at 0h UT of the day
// before CalcDate, of CalcDate and of the day after.
using PositionTable = std::array<double, 6>;

// Transit, rise, set (fractions of the local civil day in [0, 1], or a marker),
// then the rise and set azimuths (degrees from North through East, (0, 360]).
using EventTimes = std::array<double, 5>;

enum EventSlot { kTransit = 0, kRise = 1, kSet = 2, kRiseAzimuth = 3, kSetAzimuth = 4 };

// One principal phase of the Moon: its English name and its date-time in the
// shown clock (negative dates use the before-1899 encoding).
struct Phase {
  std::string Name;
  double Time = 0.0;
};

} // namespace astro
