// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky_event_formats.h"

#include "sky_event_texts.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace sky_events {
namespace {

// The list's words; the CSV's and JSON's stay as they are, for the programs
// that read them.
struct Words {
  Q_DECLARE_TR_FUNCTIONS(sky_events)
};

// Facts rounded as the texts show them, so that JSON and CSV agree.
double Rounded(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(value * scale) / scale;
}

QString Cell(double value, int decimals) { return QString::number(value, 'f', decimals); }
QString YesNo(bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); }

// A CSV field, quoted when it holds a comma, a quote or a line break.
QString CsvField(const QString& text) {
  if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
    return text;
  return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString PlaceLine(const EventListContext& c) {
  return QStringLiteral("%1 (%2%3 %4, %5%6 %7), %8")
      .arg(c.placeName)
      .arg(std::abs(c.latitudeDeg), 0, 'f', 2)
      .arg(QChar(0x00B0), c.latitudeDeg < 0 ? Words::tr("S", "south, after a latitude") : Words::tr("N", "north, after a latitude"))
      .arg(std::abs(c.longitudeDeg), 0, 'f', 2)
      .arg(QChar(0x00B0), c.longitudeDeg < 0 ? Words::tr("E", "east, after a longitude") : Words::tr("W", "west, after a longitude"), c.timeTypeName);
}

QJsonObject EventJson(const SkyEvent& e, const astro::ShownClock& clock) {
  QJsonObject o{{"kind", KindName(e.kind)}, {"utc", UtcText(e.jdUt)}, {"local", LocalText(e.jdUt, clock)}};
  if (e.apsis) {
    o.insert("distanceKm", std::round(e.apsis->distanceKm));
    if (e.kind == SkyEventKind::Perigee) o.insert("fullMoonNearPerigee", e.apsis->fullMoonNearPerigee);
  }
  if (e.lunar || e.solar) {
    o.insert("type", TypeName(e));
    QJsonArray contacts;
    for (const ContactMoment& c : ContactsOf(e)) {
      QJsonObject contact{{"contact", c.name}, {"utc", UtcText(c.jdUt)}, {"local", LocalText(c.jdUt, clock)}};
      if (e.lunar) {
        contact.insert("moonAltitude", Rounded(c.altitudeDeg, 1));
        contact.insert("moonAboveHorizon", c.aboveHorizon);
      } else {
        contact.insert("sunAltitude", Rounded(c.altitudeDeg, 1));
      }
      contacts.append(contact);
    }
    o.insert("contacts", contacts);
  }
  if (e.lunar) {
    o.insert("visible", e.lunar->greatest.moonAboveHorizon);
    o.insert("moonAltitude", Rounded(e.lunar->greatest.moonAltitudeDeg, 1));
    o.insert("umbralMagnitude", Rounded(e.lunar->umbralMagnitude, 3));
    o.insert("penumbralMagnitude", Rounded(e.lunar->penumbralMagnitude, 3));
  }
  if (e.solar) {
    o.insert("magnitude", ShownSolarFraction(*e.solar, e.solar->magnitude));
    o.insert("obscuration", ShownSolarFraction(*e.solar, e.solar->obscuration));
    o.insert("sunAltitude", Rounded(e.solar->sunAltitudeDeg, 1));
    o.insert("beginsBelowHorizon", e.solar->beginsBelowHorizon);
    o.insert("endsBelowHorizon", e.solar->endsBelowHorizon);
  }
  return o;
}

} // namespace

QStringList EventTextLines(const std::vector<SkyEvent>& events, const EventListContext& c) {
  // The event column as wide as its widest title.
  const QString eventHeading = Words::tr("Event");
  int titleWidth = std::max(18, static_cast<int>(eventHeading.size()));
  for (const SkyEvent& e : events) titleWidth = std::max(titleWidth, static_cast<int>(EventTitle(e).size()));
  const EventClock clock{c.Clock(), {}, {}};
  QStringList lines;
  lines << Words::tr("Sky events from %1 to %2").arg(c.from.toString(Qt::ISODate), c.to.toString(Qt::ISODate))
        << PlaceLine(c) << QString()
        << QStringLiteral("%1  %2  %3  %4  %5")
               .arg(Words::tr("Date"), -10)
               .arg(Words::tr("Time"), -8)
               .arg(QStringLiteral("UTC"), -20)
               .arg(eventHeading, -titleWidth)
               .arg(Words::tr("Details"));
  for (const SkyEvent& e : events) {
    const QDateTime local = LocalOf(e.jdUt, clock.shown);
    QString line = QStringLiteral("%1  %2  %3  %4  %5")
                       .arg(local.date().toString(Qt::ISODate), -10)
                       .arg(local.time().toString(QStringLiteral("HH:mm:ss")), -8)
                       .arg(UtcText(e.jdUt), -20)
                       .arg(EventTitle(e), -titleWidth)
                       .arg(EventDetails(e, clock));
    while (line.endsWith(QLatin1Char(' '))) line.chop(1);
    lines << line;
  }
  if (events.empty()) lines << Words::tr("No events of the chosen kinds.");
  return lines;
}

QStringList EventCsvLines(const std::vector<SkyEvent>& events, const EventListContext& c) {
  QStringList header = {QStringLiteral("date"), QStringLiteral("time"), QStringLiteral("utc"), QStringLiteral("kind"),
                        QStringLiteral("type"), QStringLiteral("visible"), QStringLiteral("umbral_magnitude"),
                        QStringLiteral("penumbral_magnitude"), QStringLiteral("magnitude"), QStringLiteral("obscuration"),
                        QStringLiteral("altitude"), QStringLiteral("begins_below_horizon"),
                        QStringLiteral("ends_below_horizon"), QStringLiteral("distance_km"),
                        QStringLiteral("full_moon_near_perigee")};
  for (const QString& name : AllContactNames()) header << name.toLower() << name.toLower() + QStringLiteral("_altitude");
  QStringList lines{header.join(QLatin1Char(','))};
  const astro::ShownClock clock = c.Clock();
  for (const SkyEvent& e : events) {
    const QDateTime local = LocalOf(e.jdUt, clock);
    QStringList row = {local.date().toString(Qt::ISODate), local.time().toString(QStringLiteral("HH:mm:ss")),
                       UtcText(e.jdUt), KindName(e.kind), TypeName(e)};
    const bool lunar = e.lunar.has_value();
    const bool solar = e.solar.has_value();
    row << (lunar ? YesNo(e.lunar->greatest.moonAboveHorizon) : solar ? YesNo(true) : QString())
        << (lunar ? Cell(e.lunar->umbralMagnitude, 3) : QString())
        << (lunar ? Cell(e.lunar->penumbralMagnitude, 3) : QString())
        << (solar ? Cell(ShownSolarFraction(*e.solar, e.solar->magnitude), 3) : QString())
        << (solar ? Cell(ShownSolarFraction(*e.solar, e.solar->obscuration), 3) : QString())
        << (lunar ? Cell(e.lunar->greatest.moonAltitudeDeg, 1) : solar ? Cell(e.solar->sunAltitudeDeg, 1) : QString())
        << (solar ? YesNo(e.solar->beginsBelowHorizon) : QString())
        << (solar ? YesNo(e.solar->endsBelowHorizon) : QString())
        << (e.apsis ? Cell(e.apsis->distanceKm, 0) : QString())
        << (e.kind == SkyEventKind::Perigee ? YesNo(e.apsis->fullMoonNearPerigee) : QString());
    const std::vector<ContactMoment> contacts = ContactsOf(e);
    for (const QString& name : AllContactNames()) {
      const auto found = std::find_if(contacts.begin(), contacts.end(), [&](const auto& m) { return m.name == name; });
      if (found == contacts.end()) row << QString() << QString();
      else row << LocalOf(found->jdUt, clock).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) << Cell(found->altitudeDeg, 1);
    }
    for (QString& field : row) field = CsvField(field);
    lines << row.join(QLatin1Char(','));
  }
  return lines;
}

QString EventsJson(const std::vector<SkyEvent>& events, const EventListContext& c) {
  QJsonArray array;
  const astro::ShownClock clock = c.Clock();
  for (const SkyEvent& e : events) array.append(EventJson(e, clock));
  const QJsonObject object{
      {"place", QJsonObject{{"name", c.placeName},
                            {"latitude", Rounded(c.latitudeDeg, 4)},
                            {"longitudeWest", Rounded(c.longitudeDeg, 4)}}},
      {"timeType", c.timeTypeName},
      {"zoneHours", c.zoneHours},
      {"from", c.from.toString(Qt::ISODate)},
      {"to", c.to.toString(Qt::ISODate)},
      {"events", array},
  };
  return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

} // namespace sky_events
