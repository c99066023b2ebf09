// SPDX-License-Identifier: GPL-3.0-or-later
#include "title_block.h"

#include "settings/locale_number.h"
#include "table_texts.h"

#include <QCoreApplication>
#include <cmath>

namespace month {
namespace {

// A magnitude in the settings number format with its unit and the letter of
// its sign; zero takes the given text in place of a letter.
QString SignedPart(float value, const QString& unit, const QString& positive, const QString& negative,
                   const QString& zero) {
  const QString& side = value > 0.0f ? positive : value < 0.0f ? negative : zero;
  return settings::FormatShownNumber(std::fabs(value)) + unit + side;
}

} // namespace

QString CoordinatesLine(const settings::SiteLocation& location) {
  const QString degree(QChar(0x00B0));
  const QString gap(2, QLatin1Char(' '));
  const QString north = QCoreApplication::translate("month", "N", "north, after a latitude");
  const QString south = QCoreApplication::translate("month", "S", "south, after a latitude");
  const QString west = QCoreApplication::translate("month", "W", "west, after a longitude or time zone");
  const QString east = QCoreApplication::translate("month", "E", "east, after a longitude or time zone");
  const QString hours = QCoreApplication::translate("month", "hr", "hours of a time zone: 5hrW");
  return SignedPart(location.SiteLatitude, degree, north + gap, south + gap, gap) +
         SignedPart(location.SiteLongitude, degree, west + gap, east + gap, gap) +
         SignedPart(location.SiteTimeZone, hours, west, east, QString());
}

QString TwilightLine(const QString& timeTypeName, int twilight) {
  static const char* const kLines[] = {QT_TRANSLATE_NOOP("month", "%1  Astronomical Twilight"),
                                       QT_TRANSLATE_NOOP("month", "%1  Nautical Twilight"),
                                       QT_TRANSLATE_NOOP("month", "%1  Civil Twilight")};
  return QCoreApplication::translate("month", kLines[TwilightKind(twilight)]).arg(timeTypeName);
}

QStringList TitleBlock(const QString& listTitle, const QString& timeTypeName,
                       const settings::SiteLocation& location, int twilight) {
  return {listTitle, location.SiteName, CoordinatesLine(location), TwilightLine(timeTypeName, twilight)};
}

} // namespace month
