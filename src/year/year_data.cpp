// SPDX-License-Identifier: GPL-3.0-or-later
#include "year_data.h"

#include "month/table_texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace year {
namespace {

QString TimeText(const YearTime& t, const YearContext& c) {
  return t.missing == month::MissingReason::None ? month::ListTime(t.time, c.TFormat, c.TimeType) : QString();
}

QString ReasonName(month::MissingReason reason) {
  switch (reason) {
  case month::MissingReason::StaysAbove: return QStringLiteral("above");
  case month::MissingReason::StaysBelow: return QStringLiteral("below");
  case month::MissingReason::NoEventToday:
  case month::MissingReason::None: break;
  }
  return QStringLiteral("none");
}

// A single-precision place number as its seven digits say it, not 42.970001.
double Shortest(float value) { return QString::number(value, 'g', 7).toDouble(); }

} // namespace

QStringList YearCsvLines(const YearTable& table, const YearContext& context) {
  QStringList lines;
  for (const YearDay& day : table.days) {
    QString line = QStringLiteral("%1,%2,%3")
                       .arg(day.date.toString(Qt::ISODate), TimeText(day.times[0], context), TimeText(day.times[1], context));
    // A fourth field on the days the clocks change, in local time only.
    if (day.clocksChange) line += QStringLiteral(",clocks change");
    lines << line;
  }
  return lines;
}

QString YearJson(const YearTable& table, const YearContext& context) {
  const bool twilight = IsTwilight(table.event);
  const QString names[2] = {twilight ? QStringLiteral("begin") : QStringLiteral("rise"),
                            twilight ? QStringLiteral("end") : QStringLiteral("set")};
  QJsonArray days;
  for (const YearDay& day : table.days) {
    QJsonObject object{{"date", day.date.toString(Qt::ISODate)}};
    if (day.clocksChange) object.insert("clocksChange", true);
    for (std::size_t i = 0; i < 2; ++i) {
      const YearTime& t = day.times[i];
      object.insert(names[i], t.missing == month::MissingReason::None ? QJsonValue(TimeText(t, context)) : QJsonValue());
      if (t.missing != month::MissingReason::None) object.insert(names[i] + QStringLiteral("Missing"), ReasonName(t.missing));
    }
    days.append(object);
  }
  const settings::SiteLocation& place = context.location;
  const QJsonObject root{
      {"title", YearTitleUntranslated(table)},
      {"event", YearEventName(table.event)},
      {"year", table.year},
      {"place", place.SiteName},
      {"latitude"  /* North positive */, Shortest(place.SiteLatitude)},
      {"longitude" /* West positive, as everywhere in the program */, Shortest(place.SiteLongitude)},
      {"zone", Shortest(place.SiteTimeZone)},
      {"timeType", month::TimeTypeName(context.TimeType, table.clockNames)},
      {"days", days},
  };
  return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

} // namespace year
