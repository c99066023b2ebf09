// SPDX-License-Identifier: GPL-3.0-or-later
#include "ics_writer.h"

#include <QCryptographicHash>
#include <libical/ical.h>
#include <memory>

namespace exporting {
namespace {

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

icaltimetype UtcTime(const QDateTime& instant) {
  const QDateTime utc = instant.toUTC();
  icaltimetype t = icaltime_null_time();
  t.year = utc.date().year();
  t.month = utc.date().month();
  t.day = utc.date().day();
  t.hour = utc.time().hour();
  t.minute = utc.time().minute();
  t.second = utc.time().second();
  t.is_date = 0;
  t.zone = icaltimezone_get_utc_timezone();
  return t;
}

icalcomponent* Event(const AlmanacEvent& e, const settings::SiteLocation& place, const icaltimetype& stamp) {
  icalcomponent* event = icalcomponent_new_vevent();
  icalcomponent_add_property(event, icalproperty_new_uid(EventUid(e, place).toUtf8().constData()));
  icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
  icalcomponent_add_property(event, icalproperty_new_dtstart(UtcTime(e.start)));
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
  const QString key = QStringLiteral("%1|%2|%3")
                          .arg(place.SiteName)
                          .arg(Shortest(place.SiteLatitude), 0, 'g', 7)
                          .arg(Shortest(place.SiteLongitude), 0, 'g', 7);
  const QByteArray digest = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  return QStringLiteral("%1-%2-%3@vesperon")
      .arg(event.localDate.toString(QStringLiteral("yyyyMMdd")), event.kind, QString::fromLatin1(digest));
}

QByteArray CalendarFile(const std::vector<AlmanacEvent>& events, const settings::SiteLocation& place,
                        const QDateTime& stamp) {
  const Component calendar(icalcomponent_new_vcalendar());
  icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
  icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(kProductId));
  icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
  const icaltimetype dtstamp = UtcTime(stamp);
  for (const AlmanacEvent& e : events) icalcomponent_add_component(calendar.get(), Event(e, place, dtstamp));

  char* text = icalcomponent_as_ical_string_r(calendar.get());
  QByteArray bytes(text ? text : "");
  icalmemory_free_buffer(text);
  return bytes;
}

} // namespace exporting
