// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../support/scoped_locale.h"

// Shared set-up of the day-view tests: a site and date in the astronomy state,
// the clock applied as the window does, and a scoped change of locale.

#include "astro/astro_state.h"
#include "astro/date_time.h"
#include "day/day_view_state.h"
#include "day/time_settings.h"

#include <QLocale>
#include <QString>
#include <ostream>

namespace day::test {

struct Site {
  float latitude;  // degrees, North positive
  float longitude; // degrees, West positive
  float zone;      // hours of standard time, West positive
};

inline constexpr Site kGreenwich{51.4779f, 0.0015f, 0.0f};

// An astronomy state for the site with the clock applied for time type 0 and
// the 12/24-hour choice tFormat; view's phase list is reset as the window's is.
inline astro::AstroState StateFor(const Site& site, int tFormat, DayViewState& view) {
  astro::AstroState state;
  state.SiteLatitude = site.latitude;
  state.SiteLongitude = site.longitude;
  state.TimeType = 0;
  state.WantTransit = true;
  state.WantAzimuth = false;
  ApplyTimeSettings(state, tFormat, site.zone, view.Phases);
  return state;
}

inline double DateOf(int year, int month, int day) { return astro::DateTimeFromCivil({year, month, day}); }

} // namespace day

QT_BEGIN_NAMESPACE
// Readable failure messages for QString comparisons.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE
