// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky_event_texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace sky_events {
namespace {

constexpr double kMillisecondsPerDay = 86400000.0;

struct Words {
  Q_DECLARE_TR_FUNCTIONS(sky_events)
};

// English texts write numbers the C locale's way with grouped thousands
// ("357,286", "1.209"), whatever the user's country; other languages as
// their locale does ("357.286", "1,209" in German).
QLocale NumberLocale() {
  const QLocale shown;
  if (shown.language() != QLocale::C && shown.language() != QLocale::English) return shown;
  QLocale c = QLocale::c();
  c.setNumberOptions(QLocale::DefaultNumberOptions);
  return c;
}

QString Number(double value, int decimals) { return NumberLocale().toString(value, 'f', decimals); }

QString Kilometres(double km) { return NumberLocale().toString(std::llround(km)); }

QString Altitude(double degrees) { return Number(degrees, 1) + QChar(0x00B0); }

QString SeasonMeaning(SkyEventKind kind) {
  switch (kind) {
  case SkyEventKind::MarchEquinox:
    return Words::tr("the Sun crosses the equator northward: spring begins in the northern hemisphere, "
              "autumn in the southern");
  case SkyEventKind::JuneSolstice:
    return Words::tr("the Sun farthest north: summer begins in the northern hemisphere, winter in the southern");
  case SkyEventKind::SeptemberEquinox:
    return Words::tr("the Sun crosses the equator southward: autumn begins in the northern hemisphere, "
              "spring in the southern");
  case SkyEventKind::DecemberSolstice:
    return Words::tr("the Sun farthest south: winter begins in the northern hemisphere, summer in the southern");
  default: return {};
  }
}

// "Total lunar eclipse": whole, for the languages that inflect the type by
// the kind.
QString TypedKind(const SkyEvent& event) {
  if (event.lunar) {
    switch (event.lunar->type) {
    case LunarEclipseType::Penumbral: return Words::tr("Penumbral lunar eclipse");
    case LunarEclipseType::Partial: return Words::tr("Partial lunar eclipse");
    case LunarEclipseType::Total: return Words::tr("Total lunar eclipse");
    }
  }
  if (event.solar) {
    switch (event.solar->type) {
    case SolarEclipseType::Partial: return Words::tr("Partial solar eclipse");
    case SolarEclipseType::Annular: return Words::tr("Annular solar eclipse");
    case SolarEclipseType::Total: return Words::tr("Total solar eclipse");
    }
  }
  return KindTitle(event.kind);
}

// The eclipse's type alone, as its details begin: "total".
QString TypeTitle(const SkyEvent& event) {
  if (event.lunar) {
    switch (event.lunar->type) {
    case LunarEclipseType::Penumbral: return Words::tr("penumbral");
    case LunarEclipseType::Partial: return Words::tr("partial");
    case LunarEclipseType::Total: return Words::tr("total");
    }
  }
  if (event.solar) {
    switch (event.solar->type) {
    case SolarEclipseType::Partial: return Words::tr("partial");
    case SolarEclipseType::Annular: return Words::tr("annular");
    case SolarEclipseType::Total: return Words::tr("total");
    }
  }
  return {};
}

QString Distance(const SkyEvent& event) {
  return Words::tr("%1 %2 km").arg(KindTitle(event.kind), Kilometres(event.apsis->distanceKm));
}

QString NearPerigee(const SkyEvent& event) {
  return event.apsis->fullMoonNearPerigee ? Words::tr(", full moon near perigee") : QString();
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
  switch (kind) {
  case SkyEventKind::MarchEquinox: return Words::tr("March equinox");
  case SkyEventKind::JuneSolstice: return Words::tr("June solstice");
  case SkyEventKind::SeptemberEquinox: return Words::tr("September equinox");
  case SkyEventKind::DecemberSolstice: return Words::tr("December solstice");
  case SkyEventKind::LunarEclipse: return Words::tr("Lunar eclipse");
  case SkyEventKind::SolarEclipse: return Words::tr("Solar eclipse");
  case SkyEventKind::Perigee: return Words::tr("Perigee");
  case SkyEventKind::Apogee: return Words::tr("Apogee");
  }
  return {};
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
    case Visibility::Part: return Words::tr("%1, partly visible here").arg(TypedKind(event));
    case Visibility::None: return Words::tr("%1, not visible here").arg(TypedKind(event));
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
    case Visibility::Part: return Words::tr("%1, partly visible").arg(TypedKind(event));
    case Visibility::None: return Words::tr("%1, not visible").arg(TypedKind(event));
    }
  }
  return KindTitle(event.kind);
}

QString EventDetails(const SkyEvent& event, const EventClock& clock, bool withGreatest) {
  QStringList parts;
  if (event.apsis) return Words::tr("%1 km from the Earth's centre").arg(Kilometres(event.apsis->distanceKm));
  if (!event.lunar && !event.solar) return SeasonMeaning(event.kind);
  const auto moment = [&](double jdUt) { return MomentText(jdUt, event.jdUt, clock); };
  const std::vector<ContactMoment> contacts = ContactsOf(event);
  QStringList contactTexts;
  if (event.lunar) {
    const LunarEclipseDetails& l = *event.lunar;
    parts << Words::tr("%1, umbral magnitude %2, penumbral magnitude %3")
                 .arg(TypeTitle(event), Number(l.umbralMagnitude, 3), Number(l.penumbralMagnitude, 3));
    parts << (l.greatest.moonAboveHorizon ? Words::tr("Moon above the horizon at greatest eclipse")
                                          : Words::tr("Moon below the horizon at greatest eclipse"));
    for (const ContactMoment& c : contacts)
      contactTexts << (c.aboveHorizon ? Words::tr("%1 %2 (Moon up)") : Words::tr("%1 %2 (Moon down)")).arg(c.name, moment(c.jdUt));
  } else {
    const SolarEclipseLocal& s = *event.solar;
    parts << Words::tr("%1, magnitude %2, obscuration %3, Sun at %4")
                 .arg(TypeTitle(event), Number(ShownSolarFraction(s, s.magnitude), 3),
                      Number(ShownSolarFraction(s, s.obscuration), 3), Altitude(s.sunAltitudeDeg));
    if (s.beginsBelowHorizon) parts << Words::tr("begins below the horizon");
    if (s.endsBelowHorizon) parts << Words::tr("ends below the horizon");
    for (const ContactMoment& c : contacts)
      contactTexts << Words::tr("%1 %2 (Sun at %3)").arg(c.name, moment(c.jdUt), Altitude(c.altitudeDeg));
  }
  if (withGreatest) parts << Words::tr("greatest eclipse %1").arg(moment(event.jdUt));
  if (!contactTexts.isEmpty()) parts << contactTexts.join(QStringLiteral(", "));
  return parts.join(QStringLiteral("; "));
}

} // namespace sky_events
