// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The marks over a year's daylight chart: today, the equinoxes and
// solstices, and the eclipses seen from the place, from the year's sky events.

#include <QDate>
#include <QString>
#include <vector>

namespace charts {

enum class MarkKind { Today, Season, SolarEclipse, LunarEclipse };

// A moment of the year on the chart.
struct YearMark {
  MarkKind kind = MarkKind::Today;
  double day = 0.0;  // days from 1 January 00:00 of the shown clock
  double hour = 0.0; // hours of its local day, shown clock (0 to 24)
  QString label;     // "March equinox", "Total lunar eclipse", "Today"
};

// The place and clock the marks are found for.
struct MarkSite {
  double latitudeDeg = 0.0;  // North positive
  double longitudeDeg = 0.0; // West positive
  double zoneHours = 0.0;    // added to the shown clock to get UT, West positive
};

// The year's seasons and eclipses in time order: a solar eclipse when seen
// from the place, a lunar one when the Moon is above the place's horizon at
// some contact or at greatest eclipse. Today is added at its noon when it
// falls in the year.
std::vector<YearMark> MarksOfYear(int year, const MarkSite& site, QDate today);

} // namespace charts
