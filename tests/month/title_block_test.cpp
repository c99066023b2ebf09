// SPDX-License-Identifier: GPL-3.0-or-later
#include "month/title_block.h"

#include "../support/qstring_printer.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace month {
namespace {

class TitleBlockTest : public ::testing::Test {
protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
  void TearDown() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

settings::SiteLocation Site(float latitude, float longitude, float zone) {
  settings::SiteLocation site;
  site.SiteName = QStringLiteral("Somewhere");
  site.SiteLatitude = latitude;
  site.SiteLongitude = longitude;
  site.SiteTimeZone = zone;
  return site;
}

TEST_F(TitleBlockTest, CoordinatesLineNamesTheHemispheres) {
  struct Case {
    float latitude, longitude, zone;
    const char* expected;
    const char* note;
  } const cases[] = {
      {42.97f, 85.6f, 5.0f, "42.97°N  85.6°W  5hrW", "north, west, zone west"},
      {-33.87f, -151.21f, -10.0f, "33.87°S  151.21°E  10hrE", "south, east, zone east"},
      {0.0f, 0.0f, 0.0f, "0°  0°  0hr", "zero: two blanks, and no letter after hr"},
      {0.0f, -36.8f, -3.5f, "0°  36.8°E  3.5hrE", "latitude 0 only"},
      {51.48f, 0.0f, 0.0f, "51.48°N  0°  0hr", "Greenwich: longitude and zone 0"},
      {-89.99999f, 179.9999f, 12.0f, "89.99999°S  179.9999°W  12hrW", "seven significant digits"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CoordinatesLine(Site(c.latitude, c.longitude, c.zone)), QString::fromUtf8(c.expected)) << c.note;
  }
}

TEST_F(TitleBlockTest, CoordinatesUseTheLocalesDecimalSeparator) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(CoordinatesLine(Site(42.97f, 85.6f, 5.0f)), QString::fromUtf8("42,97°N  85,6°W  5hrW"));
}

TEST_F(TitleBlockTest, TwilightLineNamesTimeAndTwilight) {
  EXPECT_EQ(TwilightLine(QStringLiteral("Standard Time"), 0), "Standard Time  Astronomical Twilight");
  EXPECT_EQ(TwilightLine(QStringLiteral("Daylight Time"), 1), "Daylight Time  Nautical Twilight");
  EXPECT_EQ(TwilightLine(QStringLiteral("Universal Time"), 2), "Universal Time  Civil Twilight");
  EXPECT_EQ(TwilightLine(QStringLiteral("Standard Time"), 3), "Standard Time  Civil Twilight");
}

TEST_F(TitleBlockTest, TitleBlockHasFourLines) {
  const QStringList lines = TitleBlock(QStringLiteral("Sun and Moon Data for March 2024"),
                                       QStringLiteral("Standard Time"), Site(42.97f, 85.6f, 5.0f), 0);
  const QStringList expected = {QStringLiteral("Sun and Moon Data for March 2024"), QStringLiteral("Somewhere"),
                                QString::fromUtf8("42.97°N  85.6°W  5hrW"),
                                QStringLiteral("Standard Time  Astronomical Twilight")};
  EXPECT_EQ(lines, expected);
}

} // namespace
} // namespace month
