// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words and times of a sky event, shared by the lists, the calendar file
// and the command line. QtCore only. The titles and details are in the
// installed translation's language (English without one, as on the command
// line); the names scripts read never are.

#include "astro/shown_clock.h"
#include "sky_event.h"

#include <QDateTime>
#include <QString>
#include <QTime>
#include <functional>
#include <optional>
#include <vector>

namespace sky_events {

// "march-equinox", "lunar-eclipse", "perigee", ...: the names scripts read.
QString KindName(SkyEventKind kind);
// "March equinox", "Lunar eclipse", "Perigee", ..., translated.
QString KindTitle(SkyEventKind kind);
// "penumbral", "partial", "total"; "partial", "annular", "total": the names
// scripts read.
QString TypeName(const SkyEvent& event);

// The instant rounded to the second, in UTC.
QDateTime UtcOf(double jdUt);
// The same instant on the shown clock, with the clock's offset from UTC in
// force at it.
QDateTime LocalOf(double jdUt, const astro::ShownClock& clock);
// "2024-03-20T03:06:27Z" and "2024-03-19T22:06:27-05:00".
QString UtcText(double jdUt);
QString LocalText(double jdUt, const astro::ShownClock& clock);

// A solar eclipse's magnitude or obscuration as the lists show it, to three
// decimals: a partial eclipse's at most 0.999, for 1.000 reads as total.
double ShownSolarFraction(const SolarEclipseLocal& eclipse, double fraction);

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

// The clock an event's times are written on.
struct EventClock {
  astro::ShownClock shown; // the clock: a fixed offset or the place's wall clock
  // A time of day as the list shows it; "13:40:43" when empty.
  std::function<QString(QTime)> timeOfDay;
  // After every time, where the text must name its clock itself: " UTC".
  QString name;
};
// The instant's time of day on the clock, with the clock's name; dated
// ("2026-03-02 21:44:25") when that date is not the one of sameDayAs.
QString MomentText(double jdUt, double sameDayAsJdUt, const EventClock& clock);

// How much of an event the place sees: a lunar eclipse while the Moon is up,
// a solar one while the Sun is; seasons and apsides are seen everywhere.
enum class Visibility { Whole, Part, None };
Visibility VisibilityOf(const SkyEvent& event);

// The Event column: "Total lunar eclipse, not visible here", "Partial solar
// eclipse, partly visible here", "Perigee, full moon near perigee", "March
// equinox".
QString EventTitle(const SkyEvent& event);
// A calendar entry's title and the day line's wording: the title, and for a
// perigee or apogee its distance: "Perigee 357,286 km, full moon near perigee".
QString EventSummary(const SkyEvent& event);
// The same in fewer words, where the room is short: "Total lunar eclipse, not
// visible", "Perigee 357,286 km".
QString BriefSummary(const SkyEvent& event);
// The rest of the event's facts in plain words, times on the clock: "total,
// umbral magnitude 1.209, penumbral magnitude 2.218; Moon above the horizon at
// greatest eclipse; P1 17:13:22 (Moon up), ..."; a season's meaning, an
// apsis's distance. withGreatest adds the time of greatest eclipse, for texts
// that do not give it beside.
QString EventDetails(const SkyEvent& event, const EventClock& clock, bool withGreatest = false);

} // namespace sky_events
