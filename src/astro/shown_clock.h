// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The clock times are shown in. Standard, daylight and Universal Time are
// fixed offsets from UT; local time is the wall clock of the place, whose
// offset the system's time zone database gives for each instant. Instants are
// date-times in UT (days since 1899-12-30 00:00 UT, read as a continuous
// count); offsets are zone hours as AstroState::ZoneHours has them (hours
// added to the clock to get UT, West positive).

#include <QByteArray>
#include <QString>
#include <QTimeZone>
#include <vector>

namespace astro {

class ShownClock {
public:
  // A fixed clock of zoneHours.
  explicit ShownClock(float zoneHours = 0.0f);
  // The wall clock of `zone`, its transitions between the dates first and last
  // (date-times) read from the database once, so that the days between them
  // need no further look-up; instants outside still ask the database.
  ShownClock(const QTimeZone& zone, double first, double last);

  bool IsFixed() const { return !zone_.isValid(); }
  // Whether the database knows the place's clock changes (a zone of a bare
  // offset from UTC has none to know).
  bool KnowsChanges() const { return !IsFixed() && zone_.hasTransitions(); }
  const QTimeZone& Zone() const { return zone_; }
  // The same zone with the transitions of another span read.
  ShownClock Covering(double first, double last) const;

  // Zone hours in force at a UT instant.
  float ZoneHoursAt(double ut) const;
  // The UT instant the wall clock's day `date` (a date-time at 00:00) begins:
  // its midnight, or where the clocks skip midnight, the instant they change.
  double StartOfDay(double date) const;
  // What the clock is called at a UT instant: the database's abbreviation
  // ("BST", "AEDT"), or the offset ("+0545") where it has no letters; for a
  // fixed clock its offset ("-0500", "+0000").
  QString NameAt(double ut) const;
  // Whether the place keeps daylight time at a UT instant (never for a fixed clock).
  bool IsDaylightAt(double ut) const;
  // The name of the place's standard or daylight clock in the year of a UT
  // instant ("GMT", "BST"); empty when the zone keeps no daylight time then.
  QString NameOfKind(double ut, bool daylight) const;

private:
  struct Span {
    double fromUt;    // first instant, UT date-time
    float zoneHours;  // in force from then
    bool daylight;
    QString name;
  };
  const Span* SpanAt(double ut) const;
  Span SpanOfDatabase(double ut) const;

  QTimeZone zone_;
  float fixedZoneHours_ = 0.0f;
  double first_ = 0.0, last_ = -1.0; // the span whose transitions are read
  std::vector<Span> spans_;
};

// The offset text of zone hours: "+0545" for -5.75, "-0500" for 5.
QString OffsetName(float zoneHours);

} // namespace astro
