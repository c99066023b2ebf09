// SPDX-License-Identifier: GPL-3.0-or-later
#include "place_zone.h"

#include "location_record.h"
#include "settings/locale_number.h"

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace places {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// Seconds East of UT of a zone's standard time now; empty for a zone the
// database does not know.
std::optional<int> StandardOffsetOf(const QString& zoneId) {
  const QTimeZone zone(zoneId.toUtf8());
  if (!zone.isValid()) return std::nullopt;
  return zone.standardTimeOffset(QDateTime::currentDateTimeUtc());
}

int StandardOffsetSeconds(float standardZoneHours) {
  return static_cast<int>(std::lround(-standardZoneHours * 3600.0));
}

// The central angle between two places, radians; coordinates in degrees.
double AngleBetween(double latitude1, double longitude1, double latitude2, double longitude2) {
  const double p1 = latitude1 * kRadiansPerDegree, p2 = latitude2 * kRadiansPerDegree;
  const double dl = (longitude2 - longitude1) * kRadiansPerDegree;
  const double cosine = std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(dl);
  return std::acos(std::clamp(cosine, -1.0, 1.0));
}

struct Neighbour {
  double angle;
  QString zoneId;
};

} // namespace

QString FixedOffsetZoneId(float standardZoneHours) {
  const QByteArray id = QTimeZone(StandardOffsetSeconds(standardZoneHours)).id();
  return QString::fromUtf8(id == "UTC+00:00" ? QByteArray("UTC") : id);
}

QString ZoneIdNear(const settings::SiteLocation& site, const LocationList& list, const PlaceDetailsByName& details) {
  std::vector<Neighbour> neighbours;
  for (const QString& record : list.Records()) {
    const auto found = details.constFind(LocationRecordName(record).trimmed());
    if (found == details.cend() || found->timeZoneId.isEmpty()) continue;
    const LocationFields fields = ExtractLocationFields(record);
    const settings::LocaleNumber latitude = settings::ParseLocaleNumber(fields.latitude);
    const settings::LocaleNumber longitude = settings::ParseLocaleNumber(fields.longitude);
    if (!latitude.ok || !longitude.ok) continue;
    neighbours.push_back({AngleBetween(site.SiteLatitude, site.SiteLongitude, latitude.value, longitude.value),
                          QString::fromUtf8(found->timeZoneId)});
  }
  std::sort(neighbours.begin(), neighbours.end(),
            [](const Neighbour& a, const Neighbour& b) { return a.angle < b.angle; });
  const int wanted = StandardOffsetSeconds(site.SiteTimeZone);
  for (const Neighbour& n : neighbours)
    if (StandardOffsetOf(n.zoneId) == wanted) return n.zoneId;
  return FixedOffsetZoneId(site.SiteTimeZone);
}

QString ZoneIdOfPlace(const settings::SiteLocation& site, const LocationList& list,
                      const PlaceDetailsByName& details) {
  const auto found = details.constFind(site.SiteName.trimmed());
  if (found != details.cend() && !found->timeZoneId.isEmpty()) return QString::fromUtf8(found->timeZoneId);
  return ZoneIdNear(site, list, details);
}

} // namespace places
