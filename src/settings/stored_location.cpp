// SPDX-License-Identifier: GPL-3.0-or-later
#include "stored_location.h"

#include "locale_number.h"
#include "stored_values.h"

#include <QCoreApplication>
#include <QDir>
#include <cmath>

namespace settings {
namespace {

const QString kCityKey = QStringLiteral("Location/City");
const QString kTimeZoneKey = QStringLiteral("Location/TimeZone");
const QString kLatitudeKey = QStringLiteral("Location/Latitude");
const QString kLongitudeKey = QStringLiteral("Location/Longitude");
const QString kZoneIdKey = QStringLiteral("Location/ZoneId");
// The longest IANA zone name is about 30 characters; a longer stored text is damage.
constexpr qsizetype kMaxZoneIdLength = 64;

float ReadStoredNumber(const QSettings& store, const QString& key, float fallback, float limit) {
  const std::optional<QString> text = ReadStoredText(store, key);
  if (!text) return fallback;
  const LocaleNumber number = ParseLocaleNumber(*text);
  if (!number.ok || std::fabs(number.value) > limit) return 0.0f;
  return number.value;
}

} // namespace

SiteLocation ReadStoredLocation(const QSettings& store) {
  const SiteLocation firstRun;
  SiteLocation location;
  location.SiteName = ReadStoredText(store, kCityKey).value_or(firstRun.SiteName).left(kMaxStoredNameLength);
  location.SiteTimeZone = ReadStoredNumber(store, kTimeZoneKey, firstRun.SiteTimeZone, kZoneLimit);
  location.SiteLatitude = ReadStoredNumber(store, kLatitudeKey, firstRun.SiteLatitude, kLatitudeLimit);
  location.SiteLongitude = ReadStoredNumber(store, kLongitudeKey, firstRun.SiteLongitude, kLongitudeLimit);
  const QString zoneId = ReadStoredText(store, kZoneIdKey).value_or(QString()).trimmed();
  if (zoneId.size() <= kMaxZoneIdLength) location.SiteZoneId = zoneId;
  return location;
}

QString StoredNameNotice(const QSettings& store, const QString& storePath) {
  if (ReadStoredText(store, kCityKey).value_or(QString()).size() <= kMaxStoredNameLength) return {};
  return QCoreApplication::translate("settings", "The place name stored in %1 is longer than %2 characters; "
                                                 "only its first %2 are used.")
      .arg(QDir::toNativeSeparators(storePath))
      .arg(kMaxStoredNameLength);
}

void WriteStoredLocation(QSettings& store, const SiteLocation& location) {
  WriteStoredText(store, kCityKey, location.SiteName);
  WriteStoredText(store, kTimeZoneKey, FormatSettingNumber(location.SiteTimeZone));
  WriteStoredText(store, kLatitudeKey, FormatSettingNumber(location.SiteLatitude));
  WriteStoredText(store, kLongitudeKey, FormatSettingNumber(location.SiteLongitude));
  if (location.SiteZoneId.isEmpty())
    store.remove(kZoneIdKey);
  else
    WriteStoredText(store, kZoneIdKey, location.SiteZoneId);
}

bool IsLocationStored(const QSettings& store) {
  return ReadStoredText(store, kLatitudeKey).value_or(QStringLiteral("100")) != QLatin1String("100");
}

} // namespace settings
