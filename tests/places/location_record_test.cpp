// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/location_record.h"

#include "settings/locale_number.h"
#include "test_support.h"

#include <limits>

namespace places {
namespace {

using testing_support::Arabic;
using testing_support::German;

struct RecordCase {
  const char* name;
  const char* latitude;
  const char* longitude;
  float zoneHours;
  const char* expected;
  const char* note;
};

TEST(FormatLocationRecord, LinesFieldsUpUnderTheHeader) {
  const RecordCase cases[] = {
      {"Zedir Izudiz,MI", "42.97", "85.6", 5.0f, "Zedir Izudiz,MI          | 42.97 |   85.6 |  5",
       "first-run place"},
      {"Sydney", "-33.87", "-151.21", -10.0f, "Sydney                   |-33.87 |-151.21 |-10",
       "South and East: negative numbers"},
      {"One", "1", "2", 0.0f, "One                      |     1 |      2 |  0", "short texts: one blank after"},
      {"Wide", "-33.8688", "151.2093", 10.5f, "Wide                     |-33.8688|151.2093|10.5",
       "longer texts stay whole"},
      {"Seven", "-12.345", "-123.456", -3.5f, "Seven                    |-12.345|-123.456|-3.5",
       "exactly the width: nothing added"},
      {"Typed", "  42,97 ", " 85,6", -12.0f, "Typed                    | 42.97 |   85.6 |-12",
       "blanks around removed, the typed comma written as a point"},
      {"Arabic", "\u0664\u0662\u066B\u0669\u0667", "-\u0668\u0665\u066B\u0666", 5.0f,
       "Arabic                   | 42.97 |  -85.6 |  5", "Arabic-Indic digits written as every locale reads them"},
      {"Kathmandu, Nepal", "27.71", "-85.32", -5.75f, "Kathmandu, Nepal         | 27.71 | -85.32 |-5.75",
       "a quarter-hour zone widens the last field"},
      {"Apia, Samoa", "-13.83", "171.76", -13.0f, "Apia, Samoa              |-13.83 | 171.76 |-13",
       "thirteen hours East fills the field"},
      {"Kiritimati, Kiribati", "1.87", "157.47", -14.0f, "Kiritimati, Kiribati     |  1.87 | 157.47 |-14",
       "the first entry of the choice"},
      {"A name much longer than twenty-five", "0", "0", 12.0f, "A name much longer than t|     0 |      0 | 12",
       "name cut to 25"},
  };
  for (const RecordCase& c : cases) {
    EXPECT_EQ(FormatLocationRecord(QString::fromUtf8(c.name), QString::fromUtf8(c.latitude),
                                   QString::fromUtf8(c.longitude), *ZoneIndexOfHours(c.zoneHours)),
              QString::fromUtf8(c.expected))
        << c.note;
  }
}

TEST(FormatLocationRecord, OrdinaryValuesMakeLinesAsLongAsTheHeader) {
  const QString line = FormatLocationRecord(QStringLiteral("Zedir Izudiz,MI"), QStringLiteral("42.97"),
                                            QStringLiteral("85.6"), *ZoneIndexOfHours(5.0f));
  EXPECT_EQ(line.size(), 46);
  EXPECT_EQ(line.indexOf(QLatin1Char('|')), 25);
  EXPECT_EQ(line.indexOf(QLatin1Char('|'), 26), 33);
  EXPECT_EQ(line.indexOf(QLatin1Char('|'), 34), 42);
}

TEST(FormatLocationRecord, WritesTheZoneWithADecimalPointInEveryLocale) {
  for (const QLocale& locale : {German(), Arabic()}) {
    const ScopedLocale pinned(locale);
    for (const float zone : {-3.5f, -5.75f}) {
      const QString line = FormatLocationRecord(QStringLiteral("x"), QStringLiteral("1"), QStringLiteral("2"),
                                                *ZoneIndexOfHours(zone));
      EXPECT_TRUE(line.endsWith(QLatin1Char('|') + settings::FormatSettingNumber(zone)) && line.contains(QLatin1Char('.')))
          << locale.name().toStdString() << " " << line.toStdString();
    }
  }
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
      {"Zedir Izudiz,MI          | 42.97 |   85.6 |  5", "42.97", "85.6", 5.0f, 76, "first-run place"},
      {"Sydney                   |-33.87 |-151.21 |-10", "-33.87", "-151.21", -10.0f, 16, "South and East, zone -10"},
      {"no separators at all", "", "", 0.0f, 56, "empty texts, zone 0"},
      {"", "", "", 0.0f, 56, "empty line"},
      {"Name|||", "", "", 0.0f, 56, "empty fields"},
      {"Name| 1 | 2 |x5", "1", "2", 0.0f, 56, "zone that does not convert"},
      {"Name|1|2|5,5", "1", "2", 5.5f, 78, "zone with a comma"},
      {"Name|1|2|5\u066B5", "1", "2", 5.5f, 78, "zone with the Arabic separator"},
      {"Kathmandu, Nepal         | 27.71 | -85.32 |-5.75", "27.71", "-85.32", -5.75f, 33,
       "a quarter hour is its own entry, not rounded to -6"},
      {"Name|1|2|-3.25", "1", "2", -3.25f, 43, "quarter hour kept"},
      {"Name|1|2|5.3", "1", "2", 5.3f, 78, "not a quarter hour: the nearest half hour, 5.5"},
      {"Name|1|2|5.2", "1", "2", 5.2f, 76, "not a quarter hour: the nearest half hour, 5"},
      {"Apia, Samoa              |-13.83 | 171.76 |-13", "-13.83", "171.76", -13.0f, 4, "thirteen hours East"},
      {"Name|1|2|-14", "1", "2", -14.0f, 0, "fourteen hours East: the first entry"},
      {"Name|1|2|-14.1", "1", "2", -14.1f, 0, "rounds to -14"},
      {"Name|1|2|-14.25", "1", "2", -14.25f, std::nullopt, "east of the choice: no zone"},
      {"Name|1|2|12.1", "1", "2", 12.1f, 104, "rounds to 12, the last entry"},
      {"Name|1|2|12.25", "1", "2", 12.25f, std::nullopt, "west of the choice: no zone"},
      {"Name|1|2|1e30", "1", "2", 1e30f, std::nullopt, "far out: no zone"},
      {"Name|42.97", "42.97", "", 0.0f, 56, "missing fields end at the line's end"},
      {"Name|1|2|3|4", "1", "2", 0.0f, 56, "an extra field spoils the zone"},
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
  EXPECT_EQ(f.zoneIndex, ZoneIndexOfHours(0.0f));
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

// Entry i is -14 + i / 4 hours.
TEST(ZoneIndexOfHours, KeepsQuarterHoursRoundsOthersToHalfHoursAndKeepsToTheChoice) {
  const ZoneCase cases[] = {{-14.0f, 0},  {12.0f, 104}, {0.0f, 56},  {5.0f, 76},   {-3.5f, 42},         {10.5f, 98},
                            {5.2f, 76},   {5.3f, 78},   {5.25f, 77}, {5.75f, 79},  {-5.75f, 33},        {-12.75f, 5},
                            {-13.0f, 4},  {-14.1f, 0},  {12.1f, 104}, {-14.25f, std::nullopt}, {-14.3f, std::nullopt},
                            {12.25f, std::nullopt},     {12.3f, std::nullopt}};
  for (const ZoneCase& c : cases) EXPECT_EQ(ZoneIndexOfHours(c.hours), c.index) << c.hours;
  EXPECT_EQ(ZoneIndexOfHours(std::numeric_limits<float>::quiet_NaN()), std::nullopt);
  for (int i = 0; i < kZoneEntries; ++i) EXPECT_EQ(ZoneIndexOfHours(ZoneHoursOfIndex(i)), i);
  EXPECT_EQ(ZoneHoursOfIndex(0), -14.0f);
  EXPECT_EQ(ZoneHoursOfIndex(kZoneEntries - 1), 12.0f);
}

} // namespace
} // namespace places
