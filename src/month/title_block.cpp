// SPDX-License-Identifier: GPL-3.0-or-later
#include "title_block.h"

#include "settings/locale_number.h"
#include "table_texts.h"

#include <cmath>

namespace month {
namespace {

// A magnitude in the settings number format with its unit and the letter of
// its sign; zero takes the given text in place of a letter.
QString SignedPart(float value, const QString& unit, const char* positive, const char* negative,
                   const char* zero) {
  const char* side = value > 0.0f ? positive : value < 0.0f ? negative : zero;
  return settings::FormatShownNumber(std::fabs(value)) + unit + QLatin1String(side);
}

} // namespace

QString CoordinatesLine(const settings::SiteLocation& location) {
  const QString degree(QChar(0x00B0));
  return SignedPart(location.SiteLatitude, degree, "N  ", "S  ", "  ") +
         SignedPart(location.SiteLongitude, degree, "W  ", "E  ", "  ") +
         SignedPart(location.SiteTimeZone, QStringLiteral("hr"), "W", "E", "");
}

QString TwilightLine(const QString& timeTypeName, int twilight) {
  static const char* const kKinds[] = {"  Astronomical", "  Nautical", "  Civil"};
  return timeTypeName + QLatin1String(kKinds[TwilightKind(twilight)]) + QStringLiteral(" Twilight");
}

QStringList TitleBlock(const QString& listTitle, const QString& timeTypeName,
                       const settings::SiteLocation& location, int twilight) {
  return {listTitle, location.SiteName, CoordinatesLine(location), TwilightLine(timeTypeName, twilight)};
}

} // namespace month
