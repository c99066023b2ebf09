// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words and times of a sky event, shared by the lists, the calendar file
// and the command line. QtCore only.

#include "astro/shown_clock.h"
#include "sky_event.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace sky_events {

// "march-equinox", "lunar-eclipse", "perigee", ...: the names scripts read.
QString KindName(SkyEventKind kind);
// "March equinox", "Lunar eclipse", "Perigee", ...
QString KindTitle(SkyEventKind kind);
// "penumbral", "partial", "total"; "partial", "annular", "total".
QString TypeName(const SkyEvent& event);

// The instant rounded to the second, in UTC.
QDateTime UtcOf(double jdUt);
// The same instant on the shown clock, with the clock's offset from UTC in
// force at it.
QDateTime LocalOf(double jdUt, const astro::ShownClock& clock);
// "2024-03-20T03:06:27Z" and "2024-03-19T22:06:27-05:00".
QString UtcText(double jdUt);
QString LocalText(double jdUt, const astro::ShownClock& clock);

// One contact of an eclipse: its name, instant and the body's altitude
// (degrees; the Moon for a lunar eclipse, the Sun for a solar one).
struct ContactMoment {
  QString name; // "P1" ... "P4", "C1" ... "C4"
  double jdUt;
  double altitudeDeg;
  bool aboveHorizon;
};
// The contacts that exist, in time order.
std::vector<ContactMoment> ContactsOf(const SkyEvent& event);
// The names of every contact either kind of eclipse may have, in column order.
const std::vector<QString>& AllContactNames();

// First to last contact at the place (Julian Days, UT), for an eclipse.
std::optional<std::pair<double, double>> EclipseSpan(const SkyEvent& event);

// A calendar entry's title: "Total lunar eclipse", "Apogee 406,311 km",
// "Perigee 357,286 km, full moon near perigee", ...
QString EventSummary(const SkyEvent& event);
// The rest of the event's facts in plain words, times on the shown clock:
// "umbral magnitude 1.209, penumbral magnitude 2.218; Moon above the horizon
// at greatest eclipse; P1 17:13:22 (Moon up), ...". Empty for a season.
QString EventDetails(const SkyEvent& event, const astro::ShownClock& clock);

} // namespace sky_events
