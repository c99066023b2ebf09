// SPDX-License-Identifier: GPL-3.0-or-later
#include "month/spoken_cells.h"

#include "../support/qstring_printer.h"
#include "month/header_labels.h"
#include "test_site.h"

#include <QLocale>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace month {
namespace {

class SpokenCellsTest : public ::testing::Test {
protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

// A shown time read in full: "7:03a" is "7:03 AM"; 24-hour times stay.
QString InFull(QString shown) {
  if (shown.endsWith(QLatin1Char('a'))) return shown.chopped(1) + QStringLiteral(" AM");
  if (shown.endsWith(QLatin1Char('p'))) return shown.chopped(1) + QStringLiteral(" PM");
  return shown;
}

// Every cell of every day, in both clocks and with grouping: a shown time is
// spoken in full after its column and date, a missing one by its meaning, a
// separator not at all.
TEST_F(SpokenCellsTest, EveryCellIsReadWithItsColumnAndDay) {
  for (const int tFormat : {0, 1}) {
    ListOptions options;
    options.TFormat = tFormat;
    options.Group7 = true;
    const MonthTable table = ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 17)), options);
    ASSERT_EQ(table.spoken.size(), table.rows.size());
    ASSERT_EQ(table.rowDays.size(), table.rows.size());
    int missing = 0;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
      const TableRow& shown = table.rows[r];
      const TableRow& spoken = table.spoken[r];
      if (table.rowDays[r] == 0) {
        EXPECT_TRUE(IsSeparatorRow(shown));
        for (const QString& cell : spoken) EXPECT_EQ(cell, QStringLiteral("Blank row between weeks"));
        continue;
      }
      const QString date = QString::number(table.rowDays[r]) + QStringLiteral(" March");
      EXPECT_EQ(spoken[0], date);
      for (int c = 1; c < kColumnCount - 1; ++c) {
        const QString prefix = ColumnName(c) + QStringLiteral(", ") + date + QStringLiteral(": ");
        const QString cell = spoken[static_cast<std::size_t>(c)];
        if (shown[static_cast<std::size_t>(c)] == QStringLiteral("*****")) {
          ++missing;
          EXPECT_EQ(cell, prefix + QStringLiteral("no ") + ColumnName(c).toLower());
        } else {
          EXPECT_EQ(cell, prefix + InFull(shown[static_cast<std::size_t>(c)]));
        }
      }
      EXPECT_EQ(spoken[kColumnCount - 1],
                QStringLiteral("Moon illuminated, ") + date + QStringLiteral(": ") + shown[kColumnCount - 1] +
                    QStringLiteral(" percent"));
    }
    // A month has a day without a moonrise and one without a moonset.
    EXPECT_GE(missing, 2);
  }
}

// Far north the Sun stays up or down all day; the two twilight columns and
// the two bodies' rises are told apart by name.
TEST_F(SpokenCellsTest, TellsWhyAnEventIsMissing) {
  struct Case {
    QDate date;
    int column;
    const char* expected;
  } const cases[] = {
      {QDate(2024, 6, 21), 2, "Sunrise, 21 June: Sun above the horizon all day"},
      {QDate(2024, 6, 21), 4, "Sunset, 21 June: Sun above the horizon all day"},
      {QDate(2024, 12, 21), 2, "Sunrise, 21 December: Sun below the horizon all day"},
      {QDate(2024, 6, 21), 1, "Dawn twilight, 21 June: Sun above the twilight altitude all day"},
      {QDate(2024, 6, 21), 5, "Dusk twilight, 21 June: Sun above the twilight altitude all day"},
  };
  for (const Case& c : cases) {
    const MonthTable table = ComputeMonthTable(testing_support::DayViewAt(c.date, 75.0f, -15.0f, -1.0f), {});
    const std::size_t row = static_cast<std::size_t>(c.date.day() - 1);
    EXPECT_EQ(table.rows[row][static_cast<std::size_t>(c.column)], QStringLiteral("*****")) << c.expected;
    EXPECT_EQ(table.spoken[row][static_cast<std::size_t>(c.column)], QLatin1String(c.expected));
  }
}

TEST_F(SpokenCellsTest, TheTablesNameTellsItsGrouping) {
  const MonthTable table = ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 17)), {});
  EXPECT_EQ(SpokenTableName(table, Grouping::None), "Sun and Moon Data for March 2024");
  EXPECT_EQ(SpokenTableName(table, Grouping::ByFive), "Sun and Moon Data for March 2024, grouped by 5 days");
  EXPECT_EQ(SpokenTableName(table, Grouping::ByWeek), "Sun and Moon Data for March 2024, grouped by week");
}

} // namespace
} // namespace month
