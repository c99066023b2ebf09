// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/place_zone.h"

#include "places/location_record.h"
#include "test_support.h"

#include <QDateTime>
#include <QTimeZone>

namespace places {
namespace {

// A few places as the shipped details describe them.
const PlaceDetailsByName kDetails = ParsePlaceDetails("# name\tzone\tpopulation\n"
                                                      "London, UK\tEurope/London\t8900000\n"
                                                      "Sydney, Australia\tAustralia/Sydney\t5000000\n"
                                                      "Kathmandu, Nepal\tAsia/Kathmandu\t1400000\n"
                                                      "Broken Hill, Australia\tAustralia/Broken_Hill\t17000\n");

const LocationList kList({FormatLocationRecord("London, UK", "51.51", "0.13", *ZoneIndexOfHours(0.0f)),
                          FormatLocationRecord("Sydney, Australia", "-33.87", "-151.21", *ZoneIndexOfHours(-10.0f)),
                          FormatLocationRecord("Kathmandu, Nepal", "27.72", "-85.32", *ZoneIndexOfHours(-5.5f)),
                          FormatLocationRecord("Broken Hill, Australia", "-31.95", "-141.47",
                                               *ZoneIndexOfHours(-9.5f))});

struct ZoneCase {
  settings::SiteLocation site;
  const char* expected;
  const char* note;
};

TEST(ZoneIdOfPlace, ListedNamesTheirNeighboursOrAFixedOffset) {
  const ZoneCase cases[] = {
      {{"London, UK", 0.0f, 51.51f, 0.13f, {}}, "Europe/London", "a listed place takes its details' zone"},
      {{"Greenwich", 0.0f, 51.48f, 0.0f, {}}, "Europe/London", "a typed place takes its neighbour's"},
      {{"Canberra", -10.0f, -35.28f, -149.13f, {}}, "Australia/Sydney", "the nearest with the same offset"},
      {{"Adelaide", -9.5f, -34.93f, -138.6f, {}}, "Australia/Broken_Hill", "a nearer neighbour of another offset is passed"},
      {{"Kabul", -4.5f, 34.53f, -69.17f, {}}, "UTC+04:30", "no neighbour with the offset: a fixed zone"},
      {{"Null Island", 0.0f, 0.0f, 0.0f, {}}, "Europe/London", "offset 0 finds London"},
      {{"Pokhara", -5.75f, 28.2f, -83.98f, {}}, "Asia/Kathmandu", "a quarter-hour standard offset"},
      {{"Apia", 13.0f, -13.83f, 171.77f, {}}, "UTC-13", "an offset past twelve hours"},
  };
  for (const ZoneCase& c : cases) EXPECT_EQ(ZoneIdOfPlace(c.site, kList, kDetails), QString::fromLatin1(c.expected)) << c.note;
}

TEST(FixedOffsetZoneId, NamesZonesTheDatabaseReadsBack) {
  for (const float hours : {0.0f, -5.75f, 3.5f, -14.0f, 12.0f}) {
    const QString id = FixedOffsetZoneId(hours);
    const QTimeZone zone(id.toUtf8());
    ASSERT_TRUE(zone.isValid()) << id.toStdString();
    EXPECT_EQ(zone.standardTimeOffset(QDateTime::currentDateTimeUtc()), static_cast<int>(-hours * 3600.0f)) << id.toStdString();
  }
}

} // namespace
} // namespace places
