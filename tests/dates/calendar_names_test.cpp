// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/calendar_names.h"

#include "../support/qstring_printer.h"

#include <QLocale>
#include <QSet>
#include <gtest/gtest.h>

namespace dates {
namespace {

class CalendarNamesTest : public ::testing::Test {
protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
  void TearDown() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

QString Joined(const std::array<QString, 7>& labels) {
  QString text;
  for (const QString& label : labels) text += label + QLatin1Char(' ');
  return text.trimmed();
}

TEST_F(CalendarNamesTest, MonthNamesAreTheLocalesLongNames) {
  EXPECT_EQ(MonthName(1), "January");
  EXPECT_EQ(MonthName(2), "February");
  EXPECT_EQ(MonthName(12), "December");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(MonthName(3), QString::fromUtf8("M\u00e4rz"));
}

TEST_F(CalendarNamesTest, MonthNamesStandAloneInTheNominative) {
  const struct {
    const char* locale;
    int month;
    const char* name; // not the form used inside a date ("marca", "maaliskuuta")
  } cases[] = {
      {"pl_PL", 3, "marzec"},    {"pl_PL", 1, "stycze\u0144"}, {"pl_PL", 12, "grudzie\u0144"},
      {"fi_FI", 3, "maaliskuu"}, {"fi_FI", 12, "joulukuu"},
  };
  for (const auto& c : cases) {
    QLocale::setDefault(QLocale(QLatin1String(c.locale)));
    EXPECT_EQ(MonthName(c.month), QString::fromUtf8(c.name)) << c.locale << " month " << c.month;
  }
}

TEST_F(CalendarNamesTest, DayLabelsFollowWeekStartAndLength) {
  struct Case {
    bool sunStart, threeLetters;
    const char* expected;
  } const cases[] = {
      {true, false, "S M T W T F S"},
      {false, false, "M T W T F S S"}, // Monday start moves Sunday to column 7
      {true, true, "Sun Mon Tue Wed Thu Fri Sat"},
      {false, true, "Mon Tue Wed Thu Fri Sat Sun"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Joined(DayLabels(c.sunStart, c.threeLetters)), QLatin1String(c.expected))
        << "sunStart " << c.sunStart << " threeLetters " << c.threeLetters;
  }
}

TEST_F(CalendarNamesTest, DayLabelsFollowTheLocaleAndTellTheSevenDaysApart) {
  const struct {
    const char* locale;
    bool sunStart, threeLetters;
    const char* expected; // empty: only checked to be seven different texts
  } cases[] = {
      {"de_DE", false, false, "Mo Di Mi Do Fr Sa So"}, // one letter leaves M D M D F S S
      {"de_DE", true, true, "So. Mo. Di. Mi. Do. Fr. Sa."},
      {"fr_FR", false, false, ""},  {"es_ES", false, false, ""}, {"ru_RU", false, false, ""},
      {"zh_CN", true, false, ""},   {"zh_CN", true, true, ""},   {"ar_EG", false, false, ""},
      {"he_IL", true, false, ""},   {"ja_JP", true, false, ""},  {"fi_FI", false, false, ""},
  };
  for (const auto& c : cases) {
    QLocale::setDefault(QLocale(QLatin1String(c.locale)));
    const std::array<QString, 7> labels = DayLabels(c.sunStart, c.threeLetters);
    if (*c.expected) {
      EXPECT_EQ(Joined(labels), QString::fromUtf8(c.expected)) << c.locale;
    }
    const QSet<QString> different(labels.begin(), labels.end());
    EXPECT_EQ(different.size(), 7) << c.locale << ": " << Joined(labels).toStdString();
    EXPECT_FALSE(different.contains(QString())) << c.locale;
  }
}

} // namespace
} // namespace dates
