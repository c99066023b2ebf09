// SPDX-License-Identifier: GPL-3.0-or-later
#include "ics_writer.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <libical/ical.h>
#include <memory>

namespace calendar_file {
namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(calendar_file)
};

const char kProductId[] = "-//Vesperon Software//Vesperon//EN";

struct ComponentDeleter {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

// A place number as its seven significant digits say it (42.97, not 42.970001).
double Shortest(float value) { return QString::number(value, 'g', 7).toDouble(); }

// A place's name as iCalendar text may carry it: the format allows no control
// characters but the line break (written as \n), and a name from the user's
// files may hold any. Unicode's line and paragraph separators become breaks.
QByteArray CalendarText(const QString& text) {
  QString kept;
  for (const QChar c : text) {
    if (c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph)
      kept.append(QLatin1Char('\n'));
    else if (c == QLatin1Char('\n') || c.category() != QChar::Other_Control)
      kept.append(c);
  }
  return kept.toUtf8();
}

// The instant in UTC as libical holds it. Qt counts the year before 1 as -1,
// the ISO calendar and iCalendar as 0.
icaltimetype UtcTime(const QDateTime& instant) {
  const QDateTime utc = instant.toUTC();
  const QDate date = utc.date();
  icaltimetype t = icaltime_null_time();
  t.year = date.year() < 0 ? date.year() + 1 : date.year();
  t.month = date.month();
  t.day = date.day();
  t.hour = utc.time().hour();
  t.minute = utc.time().minute();
  t.second = utc.time().second();
  t.is_date = 0;
  t.zone = icaltimezone_get_utc_timezone();
  return t;
}

// libical writes the year 0 too, but calendar programs refuse it (one
// crashes on it): the file holds the years 1 to 3000.
bool Holdable(const icaltimetype& t) { return t.year >= 1 && icaltime_is_valid_time(t); }

QString UtcDateText(const icaltimetype& t) {
  return QStringLiteral("%1-%2-%3")
      .arg(t.year, 4, 10, QLatin1Char('0'))
      .arg(t.month, 2, 10, QLatin1Char('0'))
      .arg(t.day, 2, 10, QLatin1Char('0'));
}

QString PlaceDigest(const settings::SiteLocation& place) {
  const QString key = QStringLiteral("%1|%2|%3")
                          .arg(place.SiteName)
                          .arg(Shortest(place.SiteLatitude), 0, 'g', 7)
                          .arg(Shortest(place.SiteLongitude), 0, 'g', 7);
  return QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

// The start to the minute in UTC, as RFC 5545's own UIDs begin: the date
// alone is not enough where sunrise runs round the clock and comes twice in
// one UTC day.
QString Uid(const icaltimetype& utcStart, const QString& kind, const QString& placeDigest) {
  return QStringLiteral("%1T%2%3Z-%4-%5@vesperon")
      .arg(UtcDateText(utcStart).remove(QLatin1Char('-')))
      .arg(utcStart.hour, 2, 10, QLatin1Char('0'))
      .arg(utcStart.minute, 2, 10, QLatin1Char('0'))
      .arg(kind, placeDigest);
}

icalcomponent* Event(const AlmanacEvent& e, const icaltimetype& start, const settings::SiteLocation& place,
                     const QString& placeDigest, const icaltimetype& stamp) {
  icalcomponent* event = icalcomponent_new_vevent();
  const icaltimetype named = e.uidStart.isValid() ? UtcTime(e.uidStart) : start;
  icalcomponent_add_property(event, icalproperty_new_uid(Uid(named, e.kind, placeDigest).toUtf8().constData()));
  icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
  icalcomponent_add_property(event, icalproperty_new_dtstart(start));
  if (e.end.isValid()) icalcomponent_add_property(event, icalproperty_new_dtend(UtcTime(e.end)));
  icalcomponent_add_property(event, icalproperty_new_summary(e.summary.toUtf8().constData()));
  if (!e.description.isEmpty())
    icalcomponent_add_property(event, icalproperty_new_description(e.description.toUtf8().constData()));
  icalcomponent_add_property(event, icalproperty_new_location(CalendarText(place.SiteName).constData()));
  // The program counts longitude West positive; GEO counts it East positive.
  const icalgeotype geo{Shortest(place.SiteLatitude), -Shortest(place.SiteLongitude)};
  icalcomponent_add_property(event, icalproperty_new_geo(geo));
  icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
  return event;
}

} // namespace

QString EventUid(const AlmanacEvent& event, const settings::SiteLocation& place) {
  return Uid(UtcTime(event.uidStart.isValid() ? event.uidStart : event.start), event.kind, PlaceDigest(place));
}

CalendarFileText CalendarFile(const std::vector<AlmanacEvent>& events, const settings::SiteLocation& place,
                              const QDateTime& stamp) {
  const Component calendar(icalcomponent_new_vcalendar());
  icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
  icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(kProductId));
  icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
  const icaltimetype dtstamp = UtcTime(stamp);
  const QString digest = PlaceDigest(place);
  for (const AlmanacEvent& e : events) {
    const icaltimetype start = UtcTime(e.start);
    // An eclipse's span may end past the last day its start fits in.
    const bool endFits = !e.end.isValid() || Holdable(UtcTime(e.end));
    if (!Holdable(start) || !endFits) {
      return {{}, Words::tr("Calendar files hold dates up to the end of the year 3000 only: %1 on %2 falls "
                            "on %3 in Universal Time.")
                      .arg(e.summary, e.localDate.toString(Qt::ISODate), UtcDateText(start))};
    }
    icalcomponent_add_component(calendar.get(), Event(e, start, place, digest, dtstamp));
  }

  char* text = icalcomponent_as_ical_string_r(calendar.get());
  QByteArray bytes(text ? text : "");
  icalmemory_free_buffer(text);
  return {bytes, {}};
}

} // namespace calendar_file
