// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The year's sky events as plain values: seasons, eclipses, and the Moon's
// perigee and apogee. Every instant is a Julian Day in Universal Time (UT1, to
// the accuracy of the program's Delta T); every angle is in degrees.

#include <cmath>
#include <optional>

namespace sky_events {

// Julian Day of the program's date-time zero, 1899-12-30 00:00 UT: a date-time
// (days since then) plus this is a Julian Day.
inline constexpr double kJulianDayOfDateTimeZero = 2415018.5;

// Julian Day of 1970-01-01 00:00 UT.
inline constexpr double kJulianDayOfUnixEpoch = 2440587.5;

// The instant rounded to the whole second the lists show, in seconds since
// 1970-01-01 00:00 UT: the lists date an event by it, and a span takes the
// events by it.
inline long long ShownSecond(double jdUt) { return std::llround((jdUt - kJulianDayOfUnixEpoch) * 86400.0); }

// The place events are seen from, with the program's signs.
struct GeoSite {
  double latitudeDeg = 0.0;  // degrees, North positive
  double longitudeDeg = 0.0; // degrees, West positive
  double heightMetres = 0.0; // above sea level
};

enum class SkyEventKind {
  MarchEquinox,
  JuneSolstice,
  SeptemberEquinox,
  DecemberSolstice,
  LunarEclipse,
  SolarEclipse,
  Perigee,
  Apogee,
};

// --- Lunar eclipses (seen wherever the Moon is up) ---------------------------

enum class LunarEclipseType { Penumbral, Partial, Total };

// One instant of a lunar eclipse and where the Moon stands then at the place.
struct LunarMoment {
  double jdUt = 0.0;            // Julian Day, UT
  double moonAltitudeDeg = 0.0; // topocentric altitude of the Moon's centre, no refraction
  bool moonAboveHorizon = false; // upper limb above the refracted horizon
};

struct LunarEclipseDetails {
  LunarEclipseType type = LunarEclipseType::Penumbral;
  double umbralMagnitude = 0.0;    // fraction of the Moon's diameter in the umbra; negative when none
  double penumbralMagnitude = 0.0; // fraction of the Moon's diameter in the penumbra
  LunarMoment greatest;            // the same instant as SkyEvent::jdUt
  // Penumbral, umbral (partial), total contacts; absent when the phase does not occur.
  std::optional<LunarMoment> p1, u1, u2, u3, u4, p4;
};

// --- Solar eclipses as seen from the place -----------------------------------

enum class SolarEclipseType { Partial, Annular, Total };

// A local contact of a solar eclipse and the Sun's altitude then.
struct SolarContact {
  double jdUt = 0.0;           // Julian Day, UT
  double sunAltitudeDeg = 0.0; // altitude of the Sun's centre, no refraction
};

// A solar eclipse at one place. C1..C4 are first contact, start of totality or
// annularity, its end, and last contact; C2 and C3 exist only for a total or
// annular eclipse there. A contact is present even when the Sun is below the
// horizon then; the flags say whether the partial phase begins (C1) or ends
// (C4) with the Sun below the horizon.
struct SolarEclipseLocal {
  SolarEclipseType type = SolarEclipseType::Partial;
  double greatestJdUt = 0.0;   // Julian Day, UT, of greatest eclipse at the place
  double magnitude = 0.0;      // fraction of the Sun's diameter covered at greatest eclipse
  double obscuration = 0.0;    // fraction of the Sun's disc area covered, 0 to 1
  double sunAltitudeDeg = 0.0; // at greatest eclipse
  std::optional<SolarContact> c1, c2, c3, c4;
  bool beginsBelowHorizon = false;
  bool endsBelowHorizon = false;
};

// --- Perigee and apogee -------------------------------------------------------

struct ApsisDetails {
  double distanceKm = 0.0; // Earth centre to Moon centre
  // Perigee only: a full moon falls within 24 hours of it.
  bool fullMoonNearPerigee = false;
};

// One event of the list. Exactly the member of its kind is filled: lunar for
// LunarEclipse, solar for SolarEclipse, apsis for Perigee and Apogee; seasons
// carry only the instant.
struct SkyEvent {
  SkyEventKind kind = SkyEventKind::MarchEquinox;
  double jdUt = 0.0; // Julian Day, UT: the season, greatest eclipse (local for solar), the apsis
  std::optional<LunarEclipseDetails> lunar;
  std::optional<SolarEclipseLocal> solar;
  std::optional<ApsisDetails> apsis;
};

} // namespace sky_events
