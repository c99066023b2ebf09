// SPDX-License-Identifier: GPL-3.0-or-later
#include "month_table_window/table_print.h"

#include "../support/qstring_printer.h"
#include "month/copy_text.h"
#include "month/month_table.h"
#include "month/table_texts.h"
#include "pdf_words.h"
#include "test_site.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace month_table_window {
namespace {

constexpr int kDpi = 300;

month::MonthTable March2024(bool group5 = false) {
  month::ListOptions options;
  options.Group5 = group5;
  return month::ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 17)), options);
}

QStringList TitleOf(const month::MonthTable& table) {
  month::CopyContext context;
  return month::MakeListText(table, context, false);
}

// A PDF printer at a fixed resolution and page, without page margins unless asked.
class PrintTest : public ::testing::Test {
protected:
  QString Print(const std::function<void(QPainter&, QPrinter&)>& write, QSizeF pageMillimetres = {210, 297},
                double marginMillimetres = 0) {
    const QString path = dir_.filePath(QStringLiteral("print%1.pdf").arg(++count_));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(kDpi);
    printer.setPageSize(QPageSize(pageMillimetres, QPageSize::Millimeter));
    printer.setPageMargins(QMarginsF(marginMillimetres, marginMillimetres, marginMillimetres, marginMillimetres),
                           QPageLayout::Millimeter);
    QPainter painter(&printer);
    write(painter, printer);
    painter.end();
    return path;
  }

  QString PrettyPrintOf(const month::MonthTable& table, QSizeF page = {210, 297}, const QString& face = QStringLiteral("Arial")) {
    const PrettyPrintInputs in{table, TitleOf(table), face, month::ListTime(0.99, 0, 0)};
    return Print([&](QPainter& painter, QPrinter& printer) { PrettyPrint(painter, printer, in); }, page);
  }

private:
  QTemporaryDir dir_;
  int count_ = 0;
};

// The top of every day row, in page order.
std::vector<testing_support::PdfWord> DateWords(const std::vector<testing_support::PdfWord>& words, const month::MonthTable& table) {
  std::vector<testing_support::PdfWord> dates;
  for (const month::TableRow& row : table.rows) {
    if (month::IsSeparatorRow(row)) continue;
    const auto found = testing_support::WordsNamed(words, row[0]);
    EXPECT_EQ(found.size(), 1u) << row[0];
    if (!found.empty()) dates.push_back(found.front());
  }
  return dates;
}

TEST_F(PrintTest, AMonthGroupedByFivePrintsThirtySevenRowLinesSixOfThemBlank) {
  const month::MonthTable table = March2024(true);
  ASSERT_EQ(table.rows.size(), 37u);
  const auto words = testing_support::ReadPdfWords(PrettyPrintOf(table));
  ASSERT_EQ(testing_support::PageCount(words), 1);
  const auto dates = DateWords(words, table);
  ASSERT_EQ(dates.size(), 31u);
  const double line = dates[1].yMin - dates[0].yMin;
  int lines = 1;
  int blank = 0;
  for (std::size_t i = 1; i < dates.size(); ++i) {
    const int step = static_cast<int>(std::lround((dates[i].yMin - dates[i - 1].yMin) / line));
    EXPECT_TRUE(step == 1 || step == 2) << dates[i].text;
    lines += step;
    blank += step - 1;
  }
  EXPECT_EQ(lines, 37);
  EXPECT_EQ(blank, 6);
}

TEST_F(PrintTest, HeadingsStandOnTheFirstPageOnlyAndLaterPagesStartAtTheMargin) {
  const month::MonthTable table = March2024();
  const QSizeF page(210, 120); // millimetres: too short for 31 rows
  const auto words = testing_support::ReadPdfWords(PrettyPrintOf(table, page));
  ASSERT_EQ(testing_support::PageCount(words), 2);
  const auto dates = DateWords(words, table);
  ASSERT_EQ(dates.size(), 31u);
  for (const QString& heading : {QStringLiteral("Sun"), QStringLiteral("Moon"), QStringLiteral("Transit"),
                                 QStringLiteral("Twilight"), table.ListTitle.split(' ').back()}) {
    for (const testing_support::PdfWord& w : testing_support::WordsNamed(words, heading)) EXPECT_EQ(w.page, 1) << heading;
  }
  const auto firstOnPage2 = std::find_if(dates.begin(), dates.end(), [](const testing_support::PdfWord& w) { return w.page == 2; });
  ASSERT_NE(firstOnPage2, dates.end());
  const double marginPoints = 120.0 / 25.4 * 72.0 * 2.0 / 23.0;
  const double rowHeight = dates[1].yMin - dates[0].yMin;
  // The row after a page break takes its line below the top margin.
  EXPECT_NEAR(firstOnPage2->yMin, marginPoints + rowHeight, rowHeight / 2) << "page 2 continues at the top margin";
  // The last row of page 1 stands at most one line below the bottom margin.
  const testing_support::PdfWord& lastOnPage1 = *(firstOnPage2 - 1);
  const double pagePoints = 120.0 / 25.4 * 72.0;
  EXPECT_GT(lastOnPage1.yMin, pagePoints - marginPoints - 2 * rowHeight);
  EXPECT_LT(lastOnPage1.yMin, pagePoints - marginPoints + rowHeight);
}

TEST_F(PrintTest, TheTitlePrintsAtTwelvePointsAndTheRowsAtTenInTheTableFace) {
  const month::MonthTable table = March2024();
  const QString path = PrettyPrintOf(table, {210, 297}, QStringLiteral("Courier"));
  const auto words = testing_support::ReadPdfWords(path);
  const auto title = testing_support::WordsNamed(words, QStringLiteral("Data"));
  ASSERT_EQ(title.size(), 1u);
  const auto row = testing_support::WordsNamed(words, table.rows[0][0]);
  ASSERT_EQ(row.size(), 1u);
  EXPECT_NEAR((title[0].yMax - title[0].yMin) / (row[0].yMax - row[0].yMin), 12.0 / 10.0, 0.02);
  EXPECT_TRUE(testing_support::PdfFonts(path).contains(QStringLiteral("LiberationMono-Bold")));
}

TEST_F(PrintTest, PlainPrintStartsWithAnEmptyLineAndPutsThreeBlanksBeforeEveryLine) {
  const QStringList lines = {QStringLiteral("Alpha"), QStringLiteral("Beta")};
  const auto words = testing_support::ReadPdfWords(Print([&](QPainter& painter, QPrinter& printer) { QuickPrint(painter, printer, lines); }));
  const auto alpha = testing_support::WordsNamed(words, QStringLiteral("Alpha"));
  const auto beta = testing_support::WordsNamed(words, QStringLiteral("Beta"));
  ASSERT_EQ(alpha.size(), 1u);
  ASSERT_EQ(beta.size(), 1u);
  const double lineHeight = beta[0].yMin - alpha[0].yMin;
  const double characterWidth = (alpha[0].xMax - alpha[0].xMin) / 5;
  EXPECT_NEAR(alpha[0].xMin, 3 * characterWidth, 0.5) << "three blanks in front";
  EXPECT_NEAR(beta[0].xMin, 3 * characterWidth, 0.5);
  EXPECT_GT(alpha[0].yMin, lineHeight * 0.9) << "an empty first line";
  EXPECT_LT(alpha[0].yMin, lineHeight * 1.5);
}

TEST_F(PrintTest, PlainPrintOfAMonthFillsPagesInCourier) {
  const month::MonthTable table = March2024();
  month::CopyContext context;
  const QStringList lines = month::MakeListText(table, context, true);
  const QString path = Print([&](QPainter& painter, QPrinter& printer) { QuickPrint(painter, printer, lines); },
                             {210, 100});
  const auto words = testing_support::ReadPdfWords(path);
  EXPECT_GE(testing_support::PageCount(words), 2);
  EXPECT_EQ(DateWords(words, table).size(), 31u);
  EXPECT_TRUE(testing_support::PdfFonts(path).contains(QStringLiteral("LiberationMono")));
  for (const testing_support::PdfWord& w : words) EXPECT_LE(w.yMax, 100.0 / 25.4 * 72.0) << w.text;
}

} // namespace
} // namespace month_table_window
