// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/location_record.h"

#include "test_support.h"

#include <limits>

namespace places {
namespace {

using testing_support::German;

struct RecordCase {
  const char* name;
  const char* latitude;
  const char* longitude;
  int zoneIndex;
  const char* expected;
  const char* note;
};

TEST(FormatLocationRecord, LinesFieldsUpUnderTheHeader) {
  const RecordCase cases[] = {
      {"Zedir Izudiz,MI", "42.97", "85.6", 34, "Zedir Izudiz,MI          | 42.97 |   85.6 |  5",
       "first-run place"},
      {"Sydney", "-33.87", "-151.21", 4, "Sydney                   |-33.87 |-151.21 |-10",
       "South and East: negative numbers"},
      {"One", "1", "2", 24, "One                      |     1 |      2 |  0", "short texts: one blank after"},
      {"Wide", "-33.8688", "151.2093", 45, "Wide                     |-33.8688|151.2093|10.5",
       "longer texts stay whole"},
      {"Seven", "-12.345", "-123.456", 17, "Seven                    |-12.345|-123.456|-3.5",
       "exactly the width: nothing added"},
      {"Typed", "  42,97 ", " 85,6", 0, "Typed                    | 42,97 |   85,6 |-12",
       "blanks around removed, the user's comma kept"},
      {"A name much longer than twenty-five", "0", "0", 48, "A name much longer than t|     0 |      0 | 12",
       "name cut to 25"},
  };
  for (const RecordCase& c : cases) {
    EXPECT_EQ(FormatLocationRecord(QString::fromUtf8(c.name), QString::fromUtf8(c.latitude),
                                   QString::fromUtf8(c.longitude), c.zoneIndex),
              QString::fromUtf8(c.expected))
        << c.note;
  }
}

TEST(FormatLocationRecord, OrdinaryValuesMakeLinesAsLongAsTheHeader) {
  const QString line = FormatLocationRecord(QStringLiteral("Zedir Izudiz,MI"), QStringLiteral("42.97"),
                                            QStringLiteral("85.6"), 34);
  EXPECT_EQ(line.size(), 46);
  EXPECT_EQ(line.indexOf(QLatin1Char('|')), 25);
  EXPECT_EQ(line.indexOf(QLatin1Char('|'), 26), 33);
  EXPECT_EQ(line.indexOf(QLatin1Char('|'), 34), 42);
}

TEST(FormatLocationRecord, WritesTheZoneWithTheLocaleSeparator) {
  const ScopedLocale german(German());
  EXPECT_TRUE(FormatLocationRecord(QStringLiteral("x"), QStringLiteral("1"), QStringLiteral("2"), 17)
                  .endsWith(QStringLiteral("|-3,5")));
}

TEST(FormatLocationRecord, NeverWritesABarOrALineBreakInsideAField) {
  const QString line = FormatLocationRecord(QStringLiteral("Paris|France\r\nLyon"), QStringLiteral("48|8"),
                                            QStringLiteral("-2.35\n"), 23);
  EXPECT_EQ(line.count(QLatin1Char('|')), 3);
  EXPECT_FALSE(line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')));
  EXPECT_EQ(LocationRecordName(line), QStringLiteral("Paris/France  Lyon"));
  const LocationFields f = ExtractLocationFields(line);
  EXPECT_EQ(f.latitude, QStringLiteral("48/8"));
  EXPECT_EQ(f.longitude, QStringLiteral("-2.35"));
  EXPECT_EQ(f.zoneIndex, 23);
}

TEST(FormatLocationRecord, NeverCutsACharacterInHalf) {
  // 24 letters, then a character outside the Basic Multilingual Plane.
  const QString name = QString(24, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x8C\x99") + QStringLiteral("b");
  const QString line = FormatLocationRecord(name, QStringLiteral("1"), QStringLiteral("2"), 24);
  EXPECT_EQ(line.indexOf(QLatin1Char('|')), 25);
  EXPECT_EQ(LocationRecordName(line), QString(24, QLatin1Char('a')));
}

TEST(FormatLocationRecord, ReadsBackThroughFieldExtractionForEveryZone) {
  for (int zone = 0; zone < kZoneEntries; ++zone) {
    const QString line = FormatLocationRecord(QStringLiteral("Place"), QStringLiteral("-33.87"),
                                              QStringLiteral("151.2"), zone);
    const LocationFields f = ExtractLocationFields(line);
    EXPECT_EQ(f.latitude, QStringLiteral("-33.87")) << line.toStdString();
    EXPECT_EQ(f.longitude, QStringLiteral("151.2")) << line.toStdString();
    EXPECT_EQ(f.zoneHours, ZoneHoursOfIndex(zone)) << line.toStdString();
    EXPECT_EQ(f.zoneIndex, zone) << line.toStdString();
    EXPECT_EQ(LocationRecordName(line), QStringLiteral("Place"));
  }
}

struct ExtractCase {
  const char* line;
  const char* latitude;
  const char* longitude;
  float zoneHours;
  std::optional<int> zoneIndex;
  const char* note;
};

TEST(ExtractLocationFields, FollowsTheBarsAndFallsBackToZoneZero) {
  const ExtractCase cases[] = {
      {"Zedir Izudiz,MI          | 42.97 |   85.6 |  5", "42.97", "85.6", 5.0f, 34, "first-run place"},
      {"Sydney                   |-33.87 |-151.21 |-10", "-33.87", "-151.21", -10.0f, 4, "South and East, zone -10"},
      {"no separators at all", "", "", 0.0f, 24, "empty texts, zone 0"},
      {"", "", "", 0.0f, 24, "empty line"},
      {"Name|||", "", "", 0.0f, 24, "empty fields"},
      {"Name| 1 | 2 |x5", "1", "2", 0.0f, 24, "zone that does not convert"},
      {"Name|1|2|5,5", "1", "2", 5.5f, 35, "zone with a comma"},
      {"Name|1|2|-3.25", "1", "2", -3.25f, 18, "quarter hour: 17.5 rounds to even 18"},
      {"Name|1|2|-3.75", "1", "2", -3.75f, 16, "quarter hour: 16.5 rounds to even 16"},
      {"Name|1|2|12.25", "1", "2", 12.25f, 48, "48.5 rounds to 48, still a zone"},
      {"Name|1|2|12.75", "1", "2", 12.75f, std::nullopt, "49.5 rounds to 50: no zone"},
      {"Name|1|2|-14", "1", "2", -14.0f, std::nullopt, "west of the choice: no zone"},
      {"Name|1|2|1e30", "1", "2", 1e30f, std::nullopt, "far out: no zone"},
      {"Name|42.97", "42.97", "", 0.0f, 24, "missing fields end at the line's end"},
      {"Name|1|2|3|4", "1", "2", 0.0f, 24, "an extra field spoils the zone"},
  };
  for (const ExtractCase& c : cases) {
    const LocationFields f = ExtractLocationFields(QString::fromUtf8(c.line));
    EXPECT_EQ(f.latitude, QString::fromUtf8(c.latitude)) << c.note;
    EXPECT_EQ(f.longitude, QString::fromUtf8(c.longitude)) << c.note;
    EXPECT_EQ(f.zoneHours, c.zoneHours) << c.note;
    EXPECT_EQ(f.zoneIndex, c.zoneIndex) << c.note;
  }
}

TEST(ExtractLocationFields, KeepsAtMostAHundredCharactersAfterEachBar) {
  const QString longText = QString(150, QLatin1Char('7'));
  const LocationFields f = ExtractLocationFields(QStringLiteral("Name|") + longText + QStringLiteral("|2|5"));
  EXPECT_EQ(f.latitude, QString(100, QLatin1Char('7')));
  EXPECT_EQ(f.longitude, QString()) << "the rest was cut before the next bar";
  EXPECT_EQ(f.zoneIndex, 24);
}

TEST(LocationRecordName, IsTheTextBeforeTheFirstBarWithoutTrailingBlanks) {
  EXPECT_EQ(LocationRecordName(QStringLiteral("berlin                   | 52.5 |")), QStringLiteral("berlin"));
  EXPECT_EQ(LocationRecordName(QStringLiteral("  New York  |1|2|5")), QStringLiteral("  New York"));
  EXPECT_EQ(LocationRecordName(QStringLiteral("no bar here")), QString());
  EXPECT_EQ(LocationRecordName(QStringLiteral("|1|2|3")), QString());
}

struct ZoneCase {
  float hours;
  std::optional<int> index;
};

TEST(ZoneIndexOfHours, RoundsHalvesToEvenAndKeepsToTheChoice) {
  const ZoneCase cases[] = {{-12.0f, 0}, {12.0f, 48}, {0.0f, 24}, {5.0f, 34}, {-3.5f, 17},  {10.5f, 45},
                            {5.2f, 34},  {5.3f, 35},  {5.25f, 34}, {5.75f, 36}, {-12.25f, 0}, {-12.3f, std::nullopt},
                            {12.3f, std::nullopt}};
  for (const ZoneCase& c : cases) EXPECT_EQ(ZoneIndexOfHours(c.hours), c.index) << c.hours;
  EXPECT_EQ(ZoneIndexOfHours(std::numeric_limits<float>::quiet_NaN()), std::nullopt);
  for (int i = 0; i < kZoneEntries; ++i) EXPECT_EQ(ZoneIndexOfHours(ZoneHoursOfIndex(i)), i);
}

} // namespace
} // namespace places
