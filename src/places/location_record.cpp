// SPDX-License-Identifier: GPL-3.0-or-later
#include "location_record.h"

#include "settings/locale_number.h"
#include "settings/settings_values.h"

#include <algorithm>
#include <cmath>

namespace places {
namespace {

constexpr QChar kBar = QLatin1Char('|');
constexpr qsizetype kNameWidth = 25;
constexpr qsizetype kLatitudeWidth = 7;
constexpr qsizetype kLongitudeWidth = 8;
constexpr qsizetype kZoneWidth = 3;
constexpr qsizetype kMaxFieldRun = 100;
constexpr int kQuartersAnHour = 4;

QString NameField(const QString& name) {
  QString field = LocationFieldText(name);
  if (field.size() > kNameWidth) {
    // Never keep half of a character that takes two UTF-16 units.
    field.truncate(field.at(kNameWidth - 1).isHighSurrogate() ? kNameWidth - 1 : kNameWidth);
  }
  return field.leftJustified(kNameWidth, QLatin1Char(' '));
}

QString NumberField(const QString& typed, qsizetype width) {
  QString field = LocationFieldText(settings::PortableNumberText(typed)).trimmed();
  if (field.size() < width) field = (field + QLatin1Char(' ')).rightJustified(width, QLatin1Char(' '));
  return field;
}

// Splits off the text before the next bar; the rest after it, cut to its first
// 100 characters, is left in `rest` (empty when there is no bar).
QString TakeField(QString& rest) {
  const qsizetype bar = rest.indexOf(kBar);
  if (bar < 0) {
    QString field = rest;
    rest.clear();
    return field;
  }
  QString field = rest.left(bar);
  rest = rest.mid(bar + 1, kMaxFieldRun);
  return field;
}

} // namespace

QString LocationFieldText(const QString& text) {
  QString safe = text;
  for (QChar& c : safe) {
    if (c == kBar) {
      c = QLatin1Char('/');
    } else if (c.category() == QChar::Other_Control) {
      c = QLatin1Char(' ');
    }
  }
  return safe;
}

float ZoneHoursOfIndex(int zoneIndex) {
  return static_cast<float>(zoneIndex) / kQuartersAnHour + settings::kEastmostZone;
}

std::optional<int> ZoneIndexOfHours(float zoneHours) {
  const double quarters = static_cast<double>(zoneHours) * kQuartersAnHour;
  // Halfway between two half hours lies a quarter hour, kept as it is: the
  // rounding to half hours never meets a tie.
  const double rounded = quarters == std::trunc(quarters) ? quarters : 2.0 * std::round(quarters / 2.0);
  const double index = rounded - static_cast<double>(settings::kEastmostZone) * kQuartersAnHour;
  if (!(index >= 0.0 && index < kZoneEntries)) return std::nullopt; // also refuses NaN
  return static_cast<int>(index);
}

QString FormatLocationRecord(const QString& name, const QString& latitude, const QString& longitude, int zoneIndex) {
  const int entry = std::clamp(zoneIndex, 0, kZoneEntries - 1);
  const QString zone = settings::FormatSettingNumber(ZoneHoursOfIndex(entry)).rightJustified(kZoneWidth, QLatin1Char(' '));
  return NameField(name) + kBar + NumberField(latitude, kLatitudeWidth) + kBar +
         NumberField(longitude, kLongitudeWidth) + kBar + zone;
}

QString LocationRecordName(const QString& record) {
  const qsizetype bar = record.indexOf(kBar);
  if (bar < 0) return QString();
  qsizetype end = bar;
  while (end > 0 && record.at(end - 1).isSpace()) --end;
  return record.left(end);
}

LocationFields ExtractLocationFields(const QString& record) {
  const qsizetype bar = record.indexOf(kBar);
  QString rest = bar < 0 ? QString() : record.mid(bar + 1, kMaxFieldRun);
  LocationFields fields;
  fields.latitude = TakeField(rest).trimmed();
  fields.longitude = TakeField(rest).trimmed();
  fields.zoneText = rest.trimmed();
  const settings::LocaleNumber zone = settings::ParseLocaleNumber(rest);
  fields.zoneConverts = zone.ok;
  fields.zoneHours = zone.value; // 0 when it does not convert
  fields.zoneIndex = ZoneIndexOfHours(fields.zoneHours);
  return fields;
}

} // namespace places
