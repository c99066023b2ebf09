// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky_event_texts.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace sky_events {
namespace {

constexpr double kMillisecondsPerDay = 86400000.0;

QString Number(double value, int decimals) { return QString::number(value, 'f', decimals); }

// Grouped thousands in the C locale's way, whatever the user's: "357,286".
QString Kilometres(double km) {
  QLocale c = QLocale::c();
  c.setNumberOptions(QLocale::DefaultNumberOptions);
  return c.toString(std::llround(km));
}

QString Altitude(double degrees) { return Number(degrees, 1) + QChar(0x00B0); }

QString SeasonMeaning(SkyEventKind kind) {
  switch (kind) {
  case SkyEventKind::MarchEquinox:
    return QStringLiteral("the Sun crosses the equator northward: spring begins in the northern hemisphere, "
                          "autumn in the southern");
  case SkyEventKind::JuneSolstice:
    return QStringLiteral("the Sun farthest north: summer begins in the northern hemisphere, winter in the southern");
  case SkyEventKind::SeptemberEquinox:
    return QStringLiteral("the Sun crosses the equator southward: autumn begins in the northern hemisphere, "
                          "spring in the southern");
  case SkyEventKind::DecemberSolstice:
    return QStringLiteral("the Sun farthest south: winter begins in the northern hemisphere, summer in the southern");
  default: return {};
  }
}

QString TypedKind(const SkyEvent& event) {
  QString type = TypeName(event);
  type[0] = type[0].toUpper();
  return type + QLatin1Char(' ') + KindTitle(event.kind).toLower();
}

QString Distance(const SkyEvent& event) {
  return KindTitle(event.kind) + QLatin1Char(' ') + Kilometres(event.apsis->distanceKm) + QStringLiteral(" km");
}

QString NearPerigee(const SkyEvent& event) {
  return event.apsis->fullMoonNearPerigee ? QStringLiteral(", full moon near perigee") : QString();
}

} // namespace

QString KindName(SkyEventKind kind) {
  switch (kind) {
  case SkyEventKind::MarchEquinox: return QStringLiteral("march-equinox");
  case SkyEventKind::JuneSolstice: return QStringLiteral("june-solstice");
  case SkyEventKind::SeptemberEquinox: return QStringLiteral("september-equinox");
  case SkyEventKind::DecemberSolstice: return QStringLiteral("december-solstice");
  case SkyEventKind::LunarEclipse: return QStringLiteral("lunar-eclipse");
  case SkyEventKind::SolarEclipse: return QStringLiteral("solar-eclipse");
  case SkyEventKind::Perigee: return QStringLiteral("perigee");
  case SkyEventKind::Apogee: return QStringLiteral("apogee");
  }
  return {};
}

QString KindTitle(SkyEventKind kind) {
  QString title = KindName(kind).replace(QLatin1Char('-'), QLatin1Char(' '));
  title[0] = title[0].toUpper();
  return title;
}

QString TypeName(const SkyEvent& event) {
  if (event.lunar) {
    switch (event.lunar->type) {
    case LunarEclipseType::Penumbral: return QStringLiteral("penumbral");
    case LunarEclipseType::Partial: return QStringLiteral("partial");
    case LunarEclipseType::Total: return QStringLiteral("total");
    }
  }
  if (event.solar) {
    switch (event.solar->type) {
    case SolarEclipseType::Partial: return QStringLiteral("partial");
    case SolarEclipseType::Annular: return QStringLiteral("annular");
    case SolarEclipseType::Total: return QStringLiteral("total");
    }
  }
  return {};
}

QDateTime UtcOf(double jdUt) {
  return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(ShownSecond(jdUt)) * 1000, Qt::UTC);
}

QDateTime LocalOf(double jdUt, const astro::ShownClock& clock) {
  const double zoneHours = clock.ZoneHoursAt(jdUt - kJulianDayOfDateTimeZero);
  return UtcOf(jdUt).toOffsetFromUtc(static_cast<int>(std::lround(-zoneHours * 3600.0)));
}

QString UtcText(double jdUt) { return UtcOf(jdUt).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")); }

QString LocalText(double jdUt, const astro::ShownClock& clock) { return LocalOf(jdUt, clock).toString(Qt::ISODate); }

double ShownSolarFraction(const SolarEclipseLocal& eclipse, double fraction) {
  constexpr double kMostPartial = 0.999;
  const double rounded = std::round(fraction * 1000.0) / 1000.0;
  return eclipse.type == SolarEclipseType::Partial ? std::min(rounded, kMostPartial) : rounded;
}

const std::vector<QString>& AllContactNames() {
  static const std::vector<QString> kNames = {
      QStringLiteral("P1"), QStringLiteral("U1"), QStringLiteral("U2"), QStringLiteral("U3"), QStringLiteral("U4"),
      QStringLiteral("P4"), QStringLiteral("C1"), QStringLiteral("C2"), QStringLiteral("C3"), QStringLiteral("C4")};
  return kNames;
}

std::vector<ContactMoment> ContactsOf(const SkyEvent& event) {
  std::vector<ContactMoment> contacts;
  if (event.lunar) {
    const LunarEclipseDetails& l = *event.lunar;
    const std::optional<LunarMoment>* moments[] = {&l.p1, &l.u1, &l.u2, &l.u3, &l.u4, &l.p4};
    for (std::size_t i = 0; i < std::size(moments); ++i) {
      if (const auto& m = *moments[i])
        contacts.push_back({AllContactNames()[i], m->jdUt, m->moonAltitudeDeg, m->moonAboveHorizon});
    }
  }
  if (event.solar) {
    const SolarEclipseLocal& s = *event.solar;
    const std::optional<SolarContact>* moments[] = {&s.c1, &s.c2, &s.c3, &s.c4};
    for (std::size_t i = 0; i < std::size(moments); ++i) {
      if (const auto& c = *moments[i])
        contacts.push_back({AllContactNames()[6 + i], c->jdUt, c->sunAltitudeDeg, c->sunAltitudeDeg > 0.0});
    }
  }
  return contacts;
}

std::optional<std::pair<double, double>> EclipseSpan(const SkyEvent& event) {
  const std::vector<ContactMoment> contacts = ContactsOf(event);
  if (contacts.empty()) return std::nullopt;
  return std::make_pair(contacts.front().jdUt, contacts.back().jdUt);
}

QString MomentText(double jdUt, double sameDayAsJdUt, const EventClock& clock) {
  const QDateTime local = LocalOf(jdUt, clock.shown);
  const QString time = clock.timeOfDay ? clock.timeOfDay(local.time()) : local.time().toString(QStringLiteral("HH:mm:ss"));
  const bool sameDay = local.date() == LocalOf(sameDayAsJdUt, clock.shown).date();
  return (sameDay ? QString() : local.date().toString(Qt::ISODate) + QLatin1Char(' ')) + time + clock.name;
}

Visibility VisibilityOf(const SkyEvent& event) {
  if (event.solar)
    return event.solar->beginsBelowHorizon || event.solar->endsBelowHorizon ? Visibility::Part : Visibility::Whole;
  if (!event.lunar) return Visibility::Whole;
  // Up at some contacts and down at others: the Moon rises or sets during it.
  int up = event.lunar->greatest.moonAboveHorizon ? 1 : 0;
  const std::vector<ContactMoment> contacts = ContactsOf(event);
  for (const ContactMoment& c : contacts) up += c.aboveHorizon ? 1 : 0;
  if (up == 0) return Visibility::None;
  return up == static_cast<int>(contacts.size()) + 1 ? Visibility::Whole : Visibility::Part;
}

QString EventTitle(const SkyEvent& event) {
  if (event.lunar || event.solar) {
    switch (VisibilityOf(event)) {
    case Visibility::Whole: return TypedKind(event);
    case Visibility::Part: return TypedKind(event) + QStringLiteral(", partly visible here");
    case Visibility::None: return TypedKind(event) + QStringLiteral(", not visible here");
    }
  }
  if (event.apsis) return KindTitle(event.kind) + NearPerigee(event);
  return KindTitle(event.kind);
}

QString EventSummary(const SkyEvent& event) {
  if (event.apsis) return Distance(event) + NearPerigee(event);
  return EventTitle(event);
}

QString BriefSummary(const SkyEvent& event) {
  if (event.apsis) return Distance(event);
  if (event.lunar || event.solar) {
    switch (VisibilityOf(event)) {
    case Visibility::Whole: return TypedKind(event);
    case Visibility::Part: return TypedKind(event) + QStringLiteral(", partly visible");
    case Visibility::None: return TypedKind(event) + QStringLiteral(", not visible");
    }
  }
  return KindTitle(event.kind);
}

QString EventDetails(const SkyEvent& event, const EventClock& clock, bool withGreatest) {
  QStringList parts;
  if (event.apsis) return Kilometres(event.apsis->distanceKm) + QStringLiteral(" km from the Earth's centre");
  if (!event.lunar && !event.solar) return SeasonMeaning(event.kind);
  const auto moment = [&](double jdUt) { return MomentText(jdUt, event.jdUt, clock); };
  const std::vector<ContactMoment> contacts = ContactsOf(event);
  QStringList contactTexts;
  if (event.lunar) {
    const LunarEclipseDetails& l = *event.lunar;
    parts << QStringLiteral("%1, umbral magnitude %2, penumbral magnitude %3")
                 .arg(TypeName(event), Number(l.umbralMagnitude, 3), Number(l.penumbralMagnitude, 3));
    parts << (l.greatest.moonAboveHorizon ? QStringLiteral("Moon above the horizon at greatest eclipse")
                                          : QStringLiteral("Moon below the horizon at greatest eclipse"));
    for (const ContactMoment& c : contacts)
      contactTexts << QStringLiteral("%1 %2 (Moon %3)")
                          .arg(c.name, moment(c.jdUt), c.aboveHorizon ? QStringLiteral("up") : QStringLiteral("down"));
  } else {
    const SolarEclipseLocal& s = *event.solar;
    parts << QStringLiteral("%1, magnitude %2, obscuration %3, Sun at %4")
                 .arg(TypeName(event), Number(ShownSolarFraction(s, s.magnitude), 3),
                      Number(ShownSolarFraction(s, s.obscuration), 3), Altitude(s.sunAltitudeDeg));
    if (s.beginsBelowHorizon) parts << QStringLiteral("begins below the horizon");
    if (s.endsBelowHorizon) parts << QStringLiteral("ends below the horizon");
    for (const ContactMoment& c : contacts)
      contactTexts << QStringLiteral("%1 %2 (Sun at %3)").arg(c.name, moment(c.jdUt), Altitude(c.altitudeDeg));
  }
  if (withGreatest) parts << QStringLiteral("greatest eclipse ") + moment(event.jdUt);
  if (!contactTexts.isEmpty()) parts << contactTexts.join(QStringLiteral(", "));
  return parts.join(QStringLiteral("; "));
}

} // namespace sky_events
