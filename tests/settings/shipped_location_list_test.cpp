// SPDX-License-Identifier: GPL-3.0-or-later
// The list of places shipped with the program, read with the program's own
// reader: every record must be one the location editor can show and apply.

#include "locale_number.h"
#include "location_file.h"
#include "location_inputs.h"
#include "location_record.h"

#include "test_support.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace settings {
namespace {

const QString kShippedList = QStringLiteral(VESPERON_SHIPPED_LOCATION_FILE);

LocationList ShippedList() {
  const LocationFileRead read = ReadLocationFile(kShippedList);
  EXPECT_TRUE(read.ok) << read.error.toStdString();
  return read.list;
}

TEST(ShippedLocationList, EveryRecordIsOneTheEditorCanApply) {
  const LocationList list = ShippedList();
  EXPECT_GE(list.Size(), 800);
  EXPECT_LE(list.Size(), 1500);
  const QRegularExpression twoDecimals(QStringLiteral("^-?\\d{1,3}\\.\\d\\d$"));
  QSet<QString> names;
  for (const QString& record : list.Records()) {
    const QString name = LocationRecordName(record);
    const LocationFields fields = ExtractLocationFields(record);
    SCOPED_TRACE(record.toStdString());
    EXPECT_TRUE(std::holds_alternative<SiteLocation>(CheckLocationRecord(record)));
    EXPECT_FALSE(name.trimmed().isEmpty());
    EXPECT_LE(name.size(), 25);
    EXPECT_FALSE(names.contains(name.toCaseFolded())) << "names are unique, ignoring letter case";
    names.insert(name.toCaseFolded());
    EXPECT_TRUE(twoDecimals.match(fields.latitude).hasMatch());
    EXPECT_TRUE(twoDecimals.match(fields.longitude).hasMatch());
    ASSERT_TRUE(fields.zoneIndex.has_value()) << "the zone is within -12..12 hours";
    EXPECT_EQ(ZoneHoursOfIndex(*fields.zoneIndex), fields.zoneHours) << "the zone is a whole half hour";
    EXPECT_EQ(FormatLocationRecord(name, fields.latitude, fields.longitude, *fields.zoneIndex), record)
        << "the record is as the program writes it";
  }
}

TEST(ShippedLocationList, SignsAreNorthAndWestPositiveAndZonesStandardTime) {
  struct Place {
    const char* name;
    float latitude, longitude, zone; // degrees; hours, West positive
  };
  const Place places[] = {
      {"Paris, France", 48.87f, -2.33f, -1.0f},          // north, east; no summer time
      {"Los Angeles, USA", 33.99f, 118.18f, 8.0f},       // north, west
      {"Sydney, Australia", -33.92f, -151.19f, -10.0f},  // south, east
      {"Buenos Aires, Argentina", -34.60f, 58.40f, 3.0f}, // south, west
      {"Mumbai, India", 19.02f, -72.86f, -5.5f},         // a half hour
  };
  const LocationList list = ShippedList();
  for (const Place& place : places) {
    const qsizetype i = list.Names().indexOf(QString::fromUtf8(place.name));
    ASSERT_GE(i, 0) << place.name;
    const LocationFields fields = ExtractLocationFields(list.Records().at(i));
    EXPECT_NEAR(ParseLocaleNumber(fields.latitude).value, place.latitude, 0.3f) << place.name;
    EXPECT_NEAR(ParseLocaleNumber(fields.longitude).value, place.longitude, 0.3f) << place.name;
    EXPECT_EQ(fields.zoneHours, place.zone) << place.name;
  }
}

TEST(ShippedLocationList, IsInTheOrderTheProgramKeepsSoSavingItUnchangedChangesNothing) {
  QFile file(kShippedList);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(LocationFileText(ShippedList()), file.readAll());
}

} // namespace
} // namespace settings
