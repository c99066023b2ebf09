// SPDX-License-Identifier: GPL-3.0-or-later
// The Sky Events window at other places: it follows the main window's clock,
// says what cannot be seen, keeps its save folder between runs and prints
// whole pages; the day view's line holds every event of the day.

#include "../support/message_box_watcher.h"
#include "../support/temporary_store.h"
#include "astro/display.h"
#include "main_window/main_window.h"
#include "pdf_words.h"
#include "sky_events_window/sky_events_model.h"
#include "sky_events_window/sky_events_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPrinterInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace sky_events_window {
namespace {

// A main window at a place on its standard time, with its Sky Events window open.
struct Place {
  const char* city;
  const char* zone; // hours behind UT
  const char* latitude;
  const char* longitude; // West positive
};
constexpr Place kLondon{"London", "0", "51.5", "0.12"};
constexpr Place kPagoPago{"Pago Pago", "11", "-14.28", "170.7"};
constexpr Place kDallas{"Dallas,TX", "6", "32.78", "96.8"};

class Opened {
public:
  Opened(const Place& p, QDate day, std::initializer_list<std::pair<const char*, const char*>> more = {})
      : store_(std::make_unique<TemporaryStore>(more)) {
    QSettings values(store_->path(), QSettings::IniFormat);
    values.setValue("Location/City", p.city);
    values.setValue("Location/TimeZone", p.zone);
    values.setValue("Location/Latitude", p.latitude);
    values.setValue("Location/Longitude", p.longitude);
    values.setValue("Flags/Time", "0");
    values.sync();
    main = std::make_unique<main_window::TfrmVesperon>(store_->factory());
    main->show();
    main->GoToDate(astro::DateTimeOfDate(day));
    main->menuAction(QStringLiteral("mnuSkyEvents"))->trigger();
    window = main->skyEventsWindow();
  }
  // The first row whose date and event start so, or -1.
  int RowOf(const char* date, const char* event) const {
    const auto& rows = window->model().rows();
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (rows[i][0].startsWith(QLatin1String(date)) && rows[i][2].startsWith(QLatin1String(event)))
        return static_cast<int>(i);
    return -1;
  }
  const EventCells& Row(int row) const { return window->model().rows()[static_cast<std::size_t>(row)]; }
  QString Store(const char* key) const { return store_->value(key); }
  void Close() { main.reset(); }

  std::unique_ptr<TemporaryStore> store_;
  std::unique_ptr<main_window::TfrmVesperon> main;
  SkyEventsWindow* window = nullptr;
};

TEST(SkyEventsWindowFollow, TimesFollowTheMainWindowsClockAndItsTwelveOrTwentyFourHours) {
  Opened o(kDallas, QDate(2024, 4, 8));
  const int eclipse = o.RowOf("2024-04-08", "Total solar eclipse");
  ASSERT_GE(eclipse, 0);
  // Standard time, 12-hour clock: greatest about 12:42 PM CST.
  EXPECT_TRUE(o.Row(eclipse)[1].startsWith("12:4") && o.Row(eclipse)[1].endsWith("PM")) << o.Row(eclipse)[1].toStdString();
  EXPECT_TRUE(o.Row(eclipse)[3].contains(QRegularExpression("C2 12:4\\d PM"))) << o.Row(eclipse)[3].toStdString();
  o.main->SetTFormat(1);
  EXPECT_TRUE(o.Row(o.RowOf("2024-04-08", "Total solar eclipse"))[1].startsWith("12:4"));
  EXPECT_FALSE(o.Row(o.RowOf("2024-04-08", "Total solar eclipse"))[1].contains("M"));
  o.main->SetTimeType(2); // Universal Time, the window still open
  const int utc = o.RowOf("2024-04-08", "Total solar eclipse");
  ASSERT_GE(utc, 0);
  EXPECT_TRUE(o.Row(utc)[1].startsWith("18:4")) << o.Row(utc)[1].toStdString();
  EXPECT_EQ(o.window->year(), 2024);
}

TEST(SkyEventsWindowFollow, EachFactStandsOnceAndEveryRowHasDetails) {
  Opened o(kDallas, QDate(2024, 4, 8));
  ASSERT_FALSE(o.window->model().rows().empty());
  for (const EventCells& row : o.window->model().rows()) {
    EXPECT_FALSE(row[3].isEmpty()) << row[2].toStdString();
    EXPECT_FALSE(row[2].contains(" km") && row[3].contains(" km")) << row[2].toStdString();
  }
  const int equinox = o.RowOf("2024-03-19", "March equinox");
  ASSERT_GE(equinox, 0);
  EXPECT_TRUE(o.Row(equinox)[3].contains("spring begins in the northern hemisphere")) << o.Row(equinox)[3].toStdString();
}

TEST(SkyEventsWindowFollow, TheListHasTheKeyboardWhenTheWindowOpens) {
  Opened o(kDallas, QDate(2024, 4, 8));
  o.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(o.window));
  EXPECT_EQ(QApplication::focusWidget(), o.window->grid());
}

// Made as small as it goes, the window still shows the tallest row whole,
// and the list scrolls by pixels through it.
TEST(SkyEventsWindowFollow, AtItsSmallestEveryRowFitsInTheView) {
  Opened o(kPagoPago, QDate(2026, 3, 3));
  o.window->resize(10, 10);
  QCoreApplication::processEvents();
  QTableView* grid = o.window->grid();
  EXPECT_EQ(grid->verticalScrollMode(), QAbstractItemView::ScrollPerPixel);
  const int view = grid->viewport()->height();
  for (int row = 0; row < grid->model()->rowCount(); ++row)
    EXPECT_LE(grid->verticalHeader()->sectionSize(row), view) << o.Row(row)[2].toStdString();
}

// London on 3 March 2026: the Moon is down all through the total eclipse.
TEST(SkyEventsWindowFollow, WhatCannotBeSeenSaysSoAndCanBeLeftOut) {
  Opened o(kLondon, QDate(2026, 3, 3));
  const int eclipse = o.RowOf("2026-03-03", "Total lunar eclipse");
  ASSERT_GE(eclipse, 0);
  EXPECT_EQ(o.Row(eclipse)[2], "Total lunar eclipse, not visible here");
  EXPECT_TRUE(o.main->statusLabelText().contains("not visible")) << o.main->statusLabelText().toStdString();
  o.window->findChild<QAbstractButton*>(QStringLiteral("cmdCopy"))->click();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QRegularExpression(
      "2026-03-03  11:3\\d:\\d\\d  2026-03-03T11:3\\d:\\d\\dZ  Total lunar eclipse, not visible here ")))
      << QGuiApplication::clipboard()->text().toStdString();

  const qsizetype all = static_cast<qsizetype>(o.window->model().rows().size());
  o.window->menuAction(QStringLiteral("mnuVisibleOnly"))->trigger();
  EXPECT_LT(o.RowOf("2026-03-03", "Total lunar eclipse"), 0);
  EXPECT_EQ(static_cast<qsizetype>(o.window->model().rows().size()), all - 1);
  o.window->menuAction(QStringLiteral("mnuApsides"))->trigger();
  o.window->menuAction(QStringLiteral("mnuSeasons"))->trigger();
  for (const EventCells& row : o.window->model().rows()) EXPECT_TRUE(row[2].contains("eclipse")) << row[2].toStdString();
  o.window->menuAction(QStringLiteral("mnuVisibleOnly"))->trigger();
  EXPECT_GE(o.RowOf("2026-03-03", "Total lunar eclipse"), 0);
}

// The day view names an eclipse on every date it touches: at Pago Pago the
// eclipse greatest at 00:33 on 3 March begins on the evening of the 2nd.
TEST(SkyEventsWindowFollow, TheDayLineNamesAnEclipseOnEveryDateItTouches) {
  Opened o(kPagoPago, QDate(2026, 3, 2));
  EXPECT_EQ(o.main->statusLabelText(), "9:44 PM Total lunar eclipse begins");
  o.main->GoToDate(astro::DateTimeOfDate(QDate(2026, 3, 3)));
  EXPECT_EQ(o.main->statusLabelText(), "12:34 AM Total lunar eclipse");
  const int eclipse = o.RowOf("2026-03-03", "Total lunar eclipse");
  ASSERT_GE(eclipse, 0);
  // The contacts of the evening before carry their date.
  EXPECT_TRUE(o.Row(eclipse)[3].contains("P1 2026-03-02 9:44 PM")) << o.Row(eclipse)[3].toStdString();
}

// Every event of the day, each time first, in the room of the line; the
// whole text in the tooltip and for a screen reader.
TEST(SkyEventsWindowFollow, TheDayLineShowsEveryEventWithItsTime) {
  const struct {
    QDate day;
    const char* whole;
    QStringList shown; // parts the line shows
  } days[] = {
      {QDate(2026, 12, 24), "Perigee 356,651 km, full moon near perigee", {"AM", "Perigee"}},
      {QDate(2021, 5, 26), "Perigee 357,312 km, full moon near perigee; ", {"AM Perigee", "AM Total lunar eclipse"}},
  };
  Opened o(kLondon, QDate(2026, 12, 24));
  for (const auto& d : days) {
    o.main->GoToDate(astro::DateTimeOfDate(d.day));
    const QLabel* line = o.main->findChild<QLabel*>(QStringLiteral("lblStatus"));
    ASSERT_NE(line, nullptr);
    const QString shown = line->text();
    EXPECT_TRUE(shown.at(0).isDigit()) << shown.toStdString();
    for (const QString& part : d.shown) EXPECT_TRUE(shown.contains(part)) << shown.toStdString();
    // Each shown line fits in the label's width, in the font it is drawn in.
    for (const QString& text : shown.split(QLatin1Char('\n')))
      EXPECT_LE(line->fontMetrics().horizontalAdvance(text), line->contentsRect().width()) << text.toStdString();
    EXPECT_LE(shown.count(QLatin1Char('\n')) + 1, 2);
    EXPECT_LE((shown.count(QLatin1Char('\n')) + 1) * line->fontMetrics().height(), line->contentsRect().height());
    EXPECT_TRUE(line->toolTip().contains(QLatin1String(d.whole))) << line->toolTip().toStdString();
    EXPECT_TRUE(line->accessibleDescription().contains(QLatin1String(d.whole)))
        << line->accessibleDescription().toStdString();
  }
}

TEST(SkyEventsWindowFollow, TheSaveFolderIsKeptBetweenRuns) {
  QTemporaryDir folder;
  {
    Opened first(kLondon, QDate(2026, 3, 3));
    first.window->setSaveFileChooser(
        [&](QWidget*, const QString&, const QString&, const QString&) { return folder.filePath("sky.txt"); });
    first.window->SaveAsText();
    ASSERT_TRUE(QFile::exists(folder.filePath("sky.txt")));
    first.Close();
    EXPECT_EQ(first.Store("Window/SkyEventsSaveDir"), folder.path());
  }
  Opened second(kLondon, QDate(2026, 3, 3), {{"Window/SkyEventsSaveDir", qPrintable(folder.path())}});
  QString suggested;
  second.window->setSaveFileChooser([&](QWidget*, const QString&, const QString& name, const QString&) {
    suggested = name;
    return QString();
  });
  second.window->SaveAsCsv();
  EXPECT_EQ(QFileInfo(suggested).absolutePath(), folder.path()) << suggested.toStdString();
}

// London 2038 takes two pages: the second one has the title and the column
// names too, and nothing on either comes within 10 mm of the paper's edge.
TEST(SkyEventsWindowFollow, EveryPrintedPageHasItsHeadingsWithinTenMillimetreMargins) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed here";
  QTemporaryDir home;
  const QByteArray savedHome = qgetenv("HOME");
  qputenv("HOME", home.path().toUtf8());
  Opened o(kLondon, QDate(2038, 6, 1));
  MessageBoxWatcher watcher;
  o.window->PrintList();
  qputenv("HOME", savedHome);
  ASSERT_EQ(watcher.seen().size(), 1u);
  const QString pdf = watcher.seen()[0].text.section(QLatin1Char('\n'), 1).trimmed();
  const std::vector<testing_support::PdfWord> words = testing_support::ReadPdfWords(pdf);
  ASSERT_GE(testing_support::PageCount(words), 2);
  const QString info = testing_support::RunTool(QStringLiteral("pdfinfo"), {pdf});
  const QRegularExpressionMatch size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info);
  ASSERT_TRUE(size.hasMatch()) << info.toStdString();
  const double width = size.captured(1).toDouble(), height = size.captured(2).toDouble();
  constexpr double kTenMillimetres = 72.0 / 25.4 * 10.0; // points
  for (int page = 1; page <= testing_support::PageCount(words); ++page) {
    QStringList onPage;
    for (const testing_support::PdfWord& w : words) {
      if (w.page != page) continue;
      onPage << w.text;
      EXPECT_GE(w.xMin, kTenMillimetres - 0.5) << page << " " << w.text.toStdString();
      EXPECT_GE(w.yMin, kTenMillimetres - 0.5) << page << " " << w.text.toStdString();
      EXPECT_LE(w.xMax, width - kTenMillimetres + 0.5) << page << " " << w.text.toStdString();
      EXPECT_LE(w.yMax, height - kTenMillimetres + 0.5) << page << " " << w.text.toStdString();
    }
    for (const char* heading : {"Sky", "2038-01-01", "Date", "Time", "Event", "Details"})
      EXPECT_TRUE(onPage.contains(QLatin1String(heading))) << "page " << page << ": " << heading;
  }
}

} // namespace
} // namespace sky_events_window
