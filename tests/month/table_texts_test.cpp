// SPDX-License-Identifier: GPL-3.0-or-later
#include "month/table_texts.h"

#include "../support/qstring_printer.h"
#include "astro/display.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

namespace month {
namespace {

class TableTextsTest : public ::testing::Test {
protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
  void TearDown() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

double At(int hour, int minute, double second = 0.0) { return (hour * 3600 + minute * 60 + second) / 86400.0; }

TEST_F(TableTextsTest, ListTimeFollowsClockAndTimeType) {
  struct Case {
    double t;
    int tFormat, timeType;
    const char* expected;
    const char* note;
  } const cases[] = {
      {At(6, 5), 0, 0, "6:05a", "five past six in the morning"},
      {At(23, 46), 0, 0, "11:46p", "23:46 on the 12-hour clock"},
      {0.99, 0, 1, "11:46p", "the column-sizing sample time"},
      {At(0, 0), 0, 0, "12:00a", "midnight"},
      {At(12, 0), 0, 0, "12:00p", "noon"},
      {At(23, 46), 1, 0, "23:46", "24-hour clock"},
      {At(6, 5), 1, 1, "06:05", "24-hour clock keeps the leading zero"},
      {At(6, 5), 0, 2, "06:05", "Universal Time is always hh:nn"},
      {At(23, 46), 0, 2, "23:46", "Universal Time, evening"},
      {At(6, 5, 29.0), 0, 0, "6:05a", "29 s round down"},
      {At(6, 5, 31.0), 0, 0, "6:06a", "31 s round up"},
      {At(11, 59, 45.0), 0, 0, "12:00p", "rounding crosses to noon"},
      {At(23, 59, 45.0), 1, 0, "23:59", "never 24:00"},
      {At(23, 59, 45.0), 0, 0, "11:59p", "never 12:00a of the next day"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ListTime(c.t, c.tFormat, c.timeType), QLatin1String(c.expected)) << c.note;
  }
}

TEST_F(TableTextsTest, ListTitleNamesMonthAndYear) {
  EXPECT_EQ(ListTitle(astro::DateTimeOfDate(QDate(2024, 3, 17))), "Sun and Moon Data for March 2024");
  EXPECT_EQ(ListTitle(astro::DateTimeOfDate(QDate(1900, 2, 1))), "Sun and Moon Data for February 1900");
  EXPECT_EQ(ListTitle(astro::DateTimeOfDate(QDate(5, 1, 1))), "Sun and Moon Data for January 0005");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(ListTitle(astro::DateTimeOfDate(QDate(2024, 3, 17))),
            QString::fromUtf8("Sun and Moon Data for M\u00e4rz 2024"));
}

TEST_F(TableTextsTest, TimeTypeNameAndCaption) {
  EXPECT_EQ(TimeTypeName(0), "Standard Time");
  EXPECT_EQ(TimeTypeName(1), "Daylight Time");
  EXPECT_EQ(TimeTypeName(2), "Universal Time");
  EXPECT_EQ(TimeTypeName(7), "Universal Time");
  EXPECT_EQ(ListCaption(QStringLiteral("Sun and Moon Data for March 2024"), TimeTypeName(0)),
            "Sun and Moon Data for March 2024 ... Standard Time");
}

TEST_F(TableTextsTest, TwilightKindTakesCivilForUnknownValues) {
  EXPECT_EQ(TwilightKind(0), 0);
  EXPECT_EQ(TwilightKind(1), 1);
  EXPECT_EQ(TwilightKind(2), 2);
  EXPECT_EQ(TwilightKind(3), 2);
  EXPECT_EQ(TwilightKind(-1), 2);
}

} // namespace
} // namespace month
