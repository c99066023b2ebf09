// SPDX-License-Identifier: GPL-3.0-or-later
#include "month/copy_text.h"

#include "../support/qstring_printer.h"
#include "test_site.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace month {
namespace {

class CopyTextTest : public ::testing::Test {
protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
  void TearDown() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

// Two days around a blank row, with the widest texts each column takes.
MonthTable HandMadeTable() {
  MonthTable table;
  table.ListTitle = QStringLiteral("Sun and Moon Data for March 2024");
  table.TimeTypeName = QStringLiteral("Standard Time");
  table.rows = {
      {"3/1/2024", "6:49a", "7:17a", "12:55p", "6:32p", "7:01p", "*****", "4:53a", "11:46p", "69"},
      {},
      {"12/29/2024", "10:05a", "11:46a", "12:00p", "4:01p", "11:59p", "12:02a", "*****", "1:10a", "100"},
  };
  return table;
}

CopyContext GrandRapids() {
  CopyContext context;
  context.location.SiteName = QStringLiteral("Grand Rapids, MI");
  context.location.SiteLatitude = 42.97f;
  context.location.SiteLongitude = 85.6f;
  context.location.SiteTimeZone = 5.0f;
  context.Twilight = 0;
  context.sampleDate = SampleDate();
  return context;
}

TEST_F(CopyTextTest, SampleDateIsTheShortDateOf29December1999) {
  EXPECT_EQ(SampleDate(), "12/29/1999");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(SampleDate(), "29.12.1999");
}

TEST_F(CopyTextTest, CenterTextPadsInFrontOnly) {
  struct Case {
    const char* text;
    int width;
    const char* expected;
  } const cases[] = {
      {"abc", 9, "   abc"},            // (3 + 9) / 2 = 6
      {"abcd", 9, "  abcd"},           // (4 + 9) / 2 = 6
      {"abcdefghij", 9, "abcdefghij"}, // longer than the width: unchanged
      {"abcdefghi", 9, "abcdefghi"},
      {"", 4, "  "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CenterText(QLatin1String(c.text), c.width), QLatin1String(c.expected)) << c.text;
  }
}

TEST_F(CopyTextTest, TextWithHeaderHasFixedColumns) {
  const QStringList lines = MakeListText(HandMadeTable(), GrandRapids(), true);
  // L = 10 ("12/29/1999"), w = 11: title lines centred in 73 columns, a
  // 32-character title at (32 + 73) / 2 = 52.
  const QStringList expected = {
      QString(20, QLatin1Char(' ')) + "Sun and Moon Data for March 2024",
      QString(28, QLatin1Char(' ')) + "Grand Rapids, MI",
      QString(26, QLatin1Char(' ')) + QString::fromUtf8("42.97°N  85.6°W  5hrW"),
      QString(18, QLatin1Char(' ')) + "Standard Time  Astronomical Twilight",
      " ",
      "                            Sun                         Moon",
      "      Date    Twi.  Rise  Transit  Set    Twi.  Rise  Transit  Set    %",
      " ",
      "   3/1/2024  6:49a  7:17a 12:55p  6:32p  7:01p  *****  4:53a 11:46p  69",
      QString(71, QLatin1Char(' ')),
      " 12/29/2024 10:05a 11:46a 12:00p  4:01p 11:59p 12:02a  *****  1:10a 100",
  };
  ASSERT_EQ(lines.size(), expected.size());
  for (qsizetype i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i;
}

TEST_F(CopyTextTest, DayRowsOfAComputedMonthAre71CharactersLong) {
  ListOptions byFive;
  byFive.Group5 = true;
  const MonthTable table = ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 17)), byFive);
  const QStringList lines = MakeListText(table, GrandRapids(), true);
  ASSERT_EQ(lines.size(), 8 + 37);
  for (qsizetype i = 8; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].size(), 71) << "line " << i << ": " << lines[i];
    // Each time under its heading: a blank in front of every seven-wide column.
    for (int column = 0; column < 8; ++column) EXPECT_EQ(lines[i][11 + 7 * column], QLatin1Char(' ')) << lines[i];
  }
  EXPECT_EQ(lines[8 + 5], QString(71, QLatin1Char(' ')));
  EXPECT_TRUE(lines[8].startsWith(QLatin1String("   3/1/2024"))) << lines[8];
}

TEST_F(CopyTextTest, TextWithoutHeaderIsTheTitleBlockAlone) {
  const QStringList lines = MakeListText(HandMadeTable(), GrandRapids(), false);
  const QStringList expected = {"Sun and Moon Data for March 2024", "Grand Rapids, MI",
                                QString::fromUtf8("42.97°N  85.6°W  5hrW"),
                                "Standard Time  Astronomical Twilight"};
  EXPECT_EQ(lines, expected);
}

TEST_F(CopyTextTest, TitleNamesTheMonthInTheNominative) {
  const struct {
    const char* locale;
    const char* title;
  } cases[] = {
      {"pl_PL", "Sun and Moon Data for marzec 2024"},
      {"fi_FI", "Sun and Moon Data for maaliskuu 2024"},
  };
  for (const auto& c : cases) {
    QLocale::setDefault(QLocale(QLatin1String(c.locale)));
    const MonthTable table = ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 17)), {});
    EXPECT_EQ(table.Caption.left(table.ListTitle.size()), QLatin1String(c.title)) << c.locale;
    for (const bool withHeader : {true, false}) {
      const QStringList lines = MakeListText(table, GrandRapids(), withHeader);
      ASSERT_FALSE(lines.isEmpty());
      EXPECT_EQ(lines[0].trimmed(), QLatin1String(c.title)) << c.locale << " with header " << withHeader;
    }
  }
}

TEST_F(CopyTextTest, TitleTakesTheCurrentLocationAndTwilight) {
  // The table keeps the title and time type of its build; place and twilight
  // are read when copying.
  CopyContext moved = GrandRapids();
  moved.location.SiteName = QStringLiteral("Quito");
  moved.location.SiteLatitude = -0.22f;
  moved.location.SiteLongitude = 78.51f;
  moved.Twilight = 1;
  const QStringList lines = MakeListText(HandMadeTable(), moved, false);
  EXPECT_EQ(lines[0], "Sun and Moon Data for March 2024");
  EXPECT_EQ(lines[1], "Quito");
  EXPECT_EQ(lines[2], QString::fromUtf8("0.22°S  78.51°W  5hrW"));
  EXPECT_EQ(lines[3], "Standard Time  Nautical Twilight");
}

TEST_F(CopyTextTest, DateWidthFollowsTheSampleDate) {
  CopyContext shortDate = GrandRapids();
  shortDate.sampleDate = QStringLiteral("12/29/99"); // L = 8, w = 9
  const QStringList lines = MakeListText(HandMadeTable(), shortDate, true);
  EXPECT_EQ(lines[6], "    Date    Twi.  Rise  Transit  Set    Twi.  Rise  Transit  Set    %");
  EXPECT_EQ(lines[8].size(), 69);
  EXPECT_EQ(lines[9], QString(69, QLatin1Char(' ')));
  EXPECT_EQ(lines[10].size(), 70); // a date longer than the sample stays whole
}

TEST_F(CopyTextTest, TabModeGivesTenFieldsPerLine) {
  ListOptions byFive;
  byFive.Group5 = true;
  const MonthTable table = ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 1)), byFive);
  const QStringList lines = CopyLines(table, GrandRapids(), 1);
  ASSERT_EQ(lines.size(), 37);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].count(QLatin1Char('\t')), 9) << "line " << i;
    if (i % 6 == 5) {
      EXPECT_EQ(lines[i], QString(9, QLatin1Char('\t'))) << "line " << i;
    }
  }
  EXPECT_EQ(lines[0].split(QLatin1Char('\t'))[0], "3/1/2024");
}

TEST_F(CopyTextTest, DelimitedRowsKeepTheCellTextsAndMissingMarks) {
  const MonthTable table = HandMadeTable();
  EXPECT_EQ(CopyLines(table, GrandRapids(), 1)[0],
            "3/1/2024\t6:49a\t7:17a\t12:55p\t6:32p\t7:01p\t*****\t4:53a\t11:46p\t69");
  EXPECT_EQ(CopyLines(table, GrandRapids(), 2)[0],
            "3/1/2024,6:49a,7:17a,12:55p,6:32p,7:01p,*****,4:53a,11:46p,69");
  EXPECT_EQ(CopyLines(table, GrandRapids(), 2)[1], ",,,,,,,,,");
  EXPECT_EQ(CopyLines(table, GrandRapids(), 7)[2],
            "12/29/2024,10:05a,11:46a,12:00p,4:01p,11:59p,12:02a,*****,1:10a,100");
}

// Splits one CSV line (RFC 4180 quoting) into its fields.
QStringList CsvFields(const QString& line) {
  QStringList fields(1);
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted && c == QLatin1Char('"') && i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
      fields.last() += c;
      ++i;
    } else if (c == QLatin1Char('"')) {
      quoted = !quoted;
    } else if (c == QLatin1Char(',') && !quoted) {
      fields << QString();
    } else {
      fields.last() += c;
    }
  }
  return fields;
}

TEST_F(CopyTextTest, CommaModeQuotesADateThatHoldsAComma) {
  // A short date format with a comma (or a quote) must not add fields.
  MonthTable table = HandMadeTable();
  table.rows[0][0] = QStringLiteral("Fri, 1 Mar 2024");
  table.rows[2][0] = QStringLiteral("29 \"Dec\" 2024");
  const QStringList lines = CopyLines(table, GrandRapids(), 2);
  EXPECT_EQ(lines[0], "\"Fri, 1 Mar 2024\",6:49a,7:17a,12:55p,6:32p,7:01p,*****,4:53a,11:46p,69");
  EXPECT_EQ(lines[2], "\"29 \"\"Dec\"\" 2024\",10:05a,11:46a,12:00p,4:01p,11:59p,12:02a,*****,1:10a,100");
  for (const QString& line : lines) EXPECT_EQ(CsvFields(line).size(), 10) << line;
  EXPECT_EQ(CsvFields(lines[0])[0], "Fri, 1 Mar 2024");
  EXPECT_EQ(CsvFields(lines[2])[0], "29 \"Dec\" 2024");
  // A comma is no delimiter in tab mode and stays as it is there.
  EXPECT_TRUE(CopyLines(table, GrandRapids(), 1)[0].startsWith(QLatin1String("Fri, 1 Mar 2024\t")));
}

TEST_F(CopyTextTest, CopyModeZeroOrLessIsTheTextWithHeader) {
  const MonthTable table = HandMadeTable();
  const QStringList withHeader = MakeListText(table, GrandRapids(), true);
  EXPECT_EQ(CopyLines(table, GrandRapids(), 0), withHeader);
  EXPECT_EQ(CopyLines(table, GrandRapids(), -3), withHeader);
}

TEST_F(CopyTextTest, JoinLinesEndsEveryLine) {
  const QStringList lines = {"a", "", "b"};
  EXPECT_EQ(JoinLines(lines, LineEnd::CrLf), "a\r\n\r\nb\r\n");
  EXPECT_EQ(JoinLines(lines, LineEnd::Lf), "a\n\nb\n");
  EXPECT_EQ(JoinLines({}, LineEnd::CrLf), "");
}

} // namespace
} // namespace month
