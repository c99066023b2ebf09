// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the main window and the month table window remember from one run to the
// next, with the values a first run starts from. Members carry the names of the
// stored values, except where the program's own variable has another name
// (TimeType for "Time", WantTransit for "Transit", WantAzimuth for "Az", and
// the Site... names of the current location).

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace settings {

// A colour: red in the lowest byte, then green, then blue; the high byte is 0.
using ColourValue = quint32;

inline constexpr ColourValue kNavy = 0x800000;
inline constexpr ColourValue kYellow = 0x00FFFF;
inline constexpr ColourValue kWhite = 0xFFFFFF;

// The largest magnitudes a location may have: latitude and longitude in
// degrees.
inline constexpr float kLatitudeLimit = 90.0f;
inline constexpr float kLongitudeLimit = 180.0f;
// The zones of standard time a location may have, hours West positive: from
// Kiribati's Line Islands (UTC+14) to Baker Island (UTC-12).
inline constexpr float kEastmostZone = -14.0f;
inline constexpr float kWestmostZone = 12.0f;

// The time type whose clock is the place's own wall clock on each date
// (Settings::TimeType and astro::AstroState::TimeType).
inline constexpr int kLocalTimeType = 3;

// The current location. Signs: latitude North positive, longitude West
// positive, zone West positive (hours added to standard time to get UT).
struct SiteLocation {
  QString SiteName = QStringLiteral("Zedir Izudiz,MI");
  float SiteTimeZone = 5.0f;   // hours of standard time
  float SiteLatitude = 42.97f; // degrees
  float SiteLongitude = 85.6f; // degrees
  QString SiteZoneId;          // IANA name of the clocks kept there ("Europe/London"); empty when unknown

  bool operator==(const SiteLocation&) const = default;
};

struct Settings {
  // "Window": the main window's top-left corner, pixels.
  int Top = 5;
  int Left = 5;

  // "Colors"
  ColourValue Background = kNavy;
  ColourValue Text = kYellow;
  ColourValue Moon = kWhite;

  // "Location": City, TimeZone, Latitude, Longitude, ZoneId.
  SiteLocation Location;

  // "Flags"
  bool WantAzimuth = false; // "Az": azimuths instead of illumination
  bool WantTransit = true;  // "Transit": the moon transit is computed and shown
  int Twilight = 2;         // 0 astronomical, 1 nautical, 2 civil
  bool LD = false;          // three-letter weekday headers instead of one letter
  bool SunStart = true;     // calendar weeks start on Sunday
  bool Phase = true;        // the next principal phases are listed
  bool Automode = true;     // standard or daylight time chosen at start-up
  int TimeType = 0;         // "Time": 0 standard, 1 daylight, 2 Universal Time, 3 local time (the place's clocks)
  int TFormat = 0;          // 0 twelve-hour clock, 1 twenty-four-hour clock
  bool NH = true;           // moon drawn as seen from the northern hemisphere
  bool Status = true;       // status bar shown
  bool BigMoon = true;      // large moon graphic
  bool FormLength = false;  // long form: six phases instead of four
  bool DC = true;           // year auto-repeat lays out the month on release only
  bool Hints = true;        // control hints shown

  // "Window/SkyEventsSaveDir": the folder of the Sky Events window's last
  // save; empty before the first.
  QString SkyEventsSaveDir;

  // "CustomColors": the colour dialog's custom colours as "ColorA=ffffff"
  // entries (six hexadecimal digits, blue first and red last).
  QStringList CustomColors;

  bool operator==(const Settings&) const = default;
};

// The month table window's own values, kept in "Window", "Flags" and "Fonts".
struct ListWindowSettings {
  int ListTop = 5;       // pixels
  int ListLeft = 5;      // pixels
  int ListHeight = 395;  // pixels
  bool Group5 = false;   // blank row after every fifth day
  bool Group7 = false;   // blank row between weeks
  bool GridLines = false;
  int CMode = 0;         // copy mode: 0 text with header, 1 tab, 2 comma delimited
  QString SName = QStringLiteral("Arial");
  int SSize = 10;        // points
  bool SBold = false;
  bool SItalic = false;
  QString ListSaveDir;   // the folder of the window's last save; empty before the first

  bool operator==(const ListWindowSettings&) const = default;
};

} // namespace settings
