// SPDX-License-Identifier: GPL-3.0-or-later
#include "stored_location.h"

#include "locale_number.h"
#include "stored_values.h"

#include <QCoreApplication>
#include <QDir>

namespace settings {
namespace {

const QString kCityKey = QStringLiteral("Location/City");
const QString kZoneIdKey = QStringLiteral("Location/ZoneId");
// The longest IANA zone name is about 30 characters; a longer stored text is damage.
constexpr qsizetype kMaxZoneIdLength = 64;

// A number of the stored location: its key, what the user calls it and the
// range it must lie in.
struct NumberKey {
  QString key;
  const char* what;
  float low;
  float high;
};

const NumberKey kTimeZone{QStringLiteral("Location/TimeZone"), QT_TRANSLATE_NOOP("settings", "time zone"),
                          kEastmostZone, kWestmostZone};
const NumberKey kLatitude{QStringLiteral("Location/Latitude"), QT_TRANSLATE_NOOP("settings", "latitude"),
                          -kLatitudeLimit, kLatitudeLimit};
const NumberKey kLongitude{QStringLiteral("Location/Longitude"), QT_TRANSLATE_NOOP("settings", "longitude"),
                           -kLongitudeLimit, kLongitudeLimit};

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(settings)
};

// An absent value takes the fallback; one that does not convert or lies
// beyond its range takes 0, and StoredLocationNotices says so.
float ReadStoredNumber(const QSettings& store, const NumberKey& number, float fallback) {
  const std::optional<QString> text = ReadStoredText(store, number.key);
  if (!text) return fallback;
  return ParseNumberWithin(*text, number.low, number.high).value_or(0.0f);
}

// A sentence for a stored number that cannot be used; empty for one that can
// or that is absent.
QString NumberNotice(const QSettings& store, const NumberKey& number, const QString& storePath) {
  const std::optional<QString> text = ReadStoredText(store, number.key);
  if (!text || ParseNumberWithin(*text, number.low, number.high)) return {};
  return Texts::tr("The %1 stored in %2, \"%3\", is not a number from %4 to %5; 0 is used instead.")
      .arg(Texts::tr(number.what), QDir::toNativeSeparators(storePath), text->left(kMaxStoredNameLength),
           FormatShownNumber(number.low), FormatShownNumber(number.high));
}

QString NameNotice(const QSettings& store, const QString& storePath) {
  if (ReadStoredText(store, kCityKey).value_or(QString()).size() <= kMaxStoredNameLength) return {};
  return Texts::tr("The place name stored in %1 is longer than %2 characters; only its first %2 are used.")
      .arg(QDir::toNativeSeparators(storePath))
      .arg(kMaxStoredNameLength);
}

} // namespace

SiteLocation ReadStoredLocation(const QSettings& store) {
  const SiteLocation firstRun;
  SiteLocation location;
  location.SiteName = ReadStoredText(store, kCityKey).value_or(firstRun.SiteName).left(kMaxStoredNameLength);
  location.SiteTimeZone = ReadStoredNumber(store, kTimeZone, firstRun.SiteTimeZone);
  location.SiteLatitude = ReadStoredNumber(store, kLatitude, firstRun.SiteLatitude);
  location.SiteLongitude = ReadStoredNumber(store, kLongitude, firstRun.SiteLongitude);
  const QString zoneId = ReadStoredText(store, kZoneIdKey).value_or(QString()).trimmed();
  if (zoneId.size() <= kMaxZoneIdLength) location.SiteZoneId = zoneId;
  return location;
}

QStringList StoredLocationNotices(const QSettings& store, const QString& storePath) {
  QStringList notices;
  for (const QString& notice : {NameNotice(store, storePath), NumberNotice(store, kTimeZone, storePath),
                                NumberNotice(store, kLatitude, storePath), NumberNotice(store, kLongitude, storePath)})
    if (!notice.isEmpty()) notices.append(notice);
  return notices;
}

void WriteStoredLocation(QSettings& store, const SiteLocation& location) {
  WriteStoredText(store, kCityKey, location.SiteName);
  WriteStoredText(store, kTimeZone.key, FormatSettingNumber(location.SiteTimeZone));
  WriteStoredText(store, kLatitude.key, FormatSettingNumber(location.SiteLatitude));
  WriteStoredText(store, kLongitude.key, FormatSettingNumber(location.SiteLongitude));
  if (location.SiteZoneId.isEmpty())
    store.remove(kZoneIdKey);
  else
    WriteStoredText(store, kZoneIdKey, location.SiteZoneId);
}

bool IsLocationStored(const QSettings& store) {
  return ReadStoredText(store, kLatitude.key).value_or(QStringLiteral("100")) != QLatin1String("100");
}

} // namespace settings
