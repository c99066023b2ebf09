// SPDX-License-Identifier: GPL-3.0-or-later
// The Sky Events window as a user reaches it: from the main window's menu at
// Dallas on 8 April 2024, through the real clipboard, files and print path.

#include "../support/accessible_events.h"
#include "../support/message_box_watcher.h"
#include "../support/mnemonics.h"
#include "../support/scoped_file_size_limit.h"
#include "../support/temporary_store.h"
#include "astro/display.h"
#include "main_window/main_window.h"
#include "pdf_words.h"
#include "sky_events_window/sky_events_model.h"
#include "sky_events_window/sky_events_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace sky_events_window {
namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SkyEventsWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    main_ = std::make_unique<main_window::TfrmVesperon>(store_.factory());
    main_->show();
    main_->GoToDate(astro::DateTimeOfDate(QDate(2024, 4, 8)));
    main_->menuAction(QStringLiteral("mnuSkyEvents"))->trigger();
    window_ = main_->skyEventsWindow();
    ASSERT_NE(window_, nullptr);
    // The file question answers with target_; the writing is the real one.
    window_->setSaveFileChooser([this](QWidget*, const QString&, const QString& suggested, const QString&) {
      suggested_ = suggested;
      return target_;
    });
  }

  // The row of the first event whose date and event columns start so.
  int RowOf(const char* date, const char* event) const {
    const auto& rows = window_->model().rows();
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (rows[i][0].startsWith(QLatin1String(date)) && rows[i][2].startsWith(QLatin1String(event)))
        return static_cast<int>(i);
    return -1;
  }

  // Dallas, Texas, on daylight time (Central, 6 hours behind UT in winter).
  TemporaryStore store_{{"Location/City", "Dallas,TX"},
                        {"Location/TimeZone", "6"},
                        {"Location/Latitude", "32.78"},
                        {"Location/Longitude", "96.8"},
                        {"Flags/Time", "1"}};
  std::unique_ptr<main_window::TfrmVesperon> main_;
  SkyEventsWindow* window_ = nullptr;
  QTemporaryDir dir_;
  QString target_;
  QString suggested_;
};

TEST_F(SkyEventsWindowTest, TheMenuOpensTheShownYearsEventsAtThePlace) {
  EXPECT_TRUE(window_->isVisible());
  // The frame in the main window's colours.
  EXPECT_EQ(window_->centralWidget()->palette().color(QPalette::Window),
            main_->centralWidget()->palette().color(QPalette::Window));
  EXPECT_EQ(window_->centralWidget()->palette().color(QPalette::WindowText),
            main_->centralWidget()->palette().color(QPalette::WindowText));
  EXPECT_EQ(window_->windowTitle(), "Sky Events for 2024");
  EXPECT_EQ(main_->menuAction(QStringLiteral("mnuSkyEvents"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
  const int eclipse = RowOf("2024-04-08", "Total solar eclipse");
  ASSERT_GE(eclipse, 0) << "the total eclipse seen from Dallas";
  // Greatest eclipse at Dallas about 1:42 PM CDT on the main window's 12-hour
  // clock; totality about 3.8 minutes.
  EXPECT_TRUE(window_->model().rows()[static_cast<std::size_t>(eclipse)][1].startsWith("1:4"));
  EXPECT_TRUE(window_->model().rows()[static_cast<std::size_t>(eclipse)][3].contains("C2 1:4"));
  EXPECT_GE(RowOf("2024-03-19", "March equinox"), 0) << "03:06 UT on the 20th is the 19th in Dallas";
  EXPECT_GE(RowOf("2024-03-25", "Penumbral lunar eclipse"), 0);
  // 2024 has 13 perigees and 13 apogees, give or take one at either end.
  int apsides = 0;
  for (const auto& row : window_->model().rows()) apsides += row[2].startsWith("Perigee") || row[2].startsWith("Apogee");
  EXPECT_GE(apsides, 25);
  EXPECT_LE(apsides, 27);
  // The day view names the day's event under the phase list.
  EXPECT_TRUE(main_->statusLabelText().startsWith("1:4")) << main_->statusLabelText().toStdString();
  EXPECT_TRUE(main_->statusLabelText().endsWith("PM Total solar eclipse")) << main_->statusLabelText().toStdString();
  main_->GoToDate(astro::DateTimeOfDate(QDate(2024, 4, 9)));
  EXPECT_EQ(main_->statusLabelText(), "");
}

// Before 15 October 1582 Ctrl+J puts the Julian-calendar date on the line;
// it keeps the line on a day with an event.
TEST_F(SkyEventsWindowTest, TheJulianDateKeepsTheLineUnderThePhaseList) {
  main_->GoToDate(astro::DateTimeOfDate(QDate(1500, 1, 1)));
  main_->menuAction(QStringLiteral("mnuSkyEvents"))->trigger();
  const int equinox = RowOf("1500-03-", "March equinox");
  ASSERT_GE(equinox, 0);
  const QDate day = QDate::fromString(window_->model().rows()[static_cast<std::size_t>(equinox)][0], Qt::ISODate);
  main_->GoToDate(astro::DateTimeOfDate(day));
  EXPECT_TRUE(main_->statusLabelText().endsWith("March equinox")) << main_->statusLabelText().toStdString();
  main_->menuAction(QStringLiteral("mnuJulian"))->trigger();
  EXPECT_TRUE(main_->statusLabelText().endsWith("   Julian")) << main_->statusLabelText().toStdString();
}

TEST_F(SkyEventsWindowTest, TheYearStepsHereWhileTheMainWindowStays) {
  const struct {
    const char* action;
    int year;
  } steps[] = {{"mnuNextYear", 2025}, {"mnuPreviousYear", 2024}, {"mnuPreviousYear", 2023}};
  for (const auto& s : steps) {
    window_->menuAction(QLatin1String(s.action))->trigger();
    EXPECT_EQ(window_->year(), s.year) << s.action;
    ASSERT_FALSE(window_->model().rows().empty());
    for (const auto& row : window_->model().rows()) EXPECT_TRUE(row[0].startsWith(QString::number(s.year)));
  }
  EXPECT_EQ(astro::DateOfDateTime(main_->astroState().CalcDate), QDate(2024, 4, 8));
  // Sky Events again lists the main window's year.
  main_->menuAction(QStringLiteral("mnuSkyEvents"))->trigger();
  EXPECT_EQ(window_->year(), 2024);
}

TEST_F(SkyEventsWindowTest, CopyPutsTheListOnTheClipboard) {
  QGuiApplication::clipboard()->setText(QStringLiteral("something older"));
  window_->findChild<QAbstractButton*>(QStringLiteral("cmdCopy"))->click();
  const QStringList lines = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
  ASSERT_GT(lines.size(), 4);
  EXPECT_EQ(lines[0], "Sky events from 2024-01-01 to 2024-12-31");
  EXPECT_TRUE(lines[1].startsWith("Dallas,TX")) << lines[1].toStdString();
  // A title, the place, a blank line and the column names, one line per event
  // and the line end after the last.
  EXPECT_EQ(lines.size(), 4 + static_cast<qsizetype>(window_->model().rows().size()) + 1);
  EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^2024-04-08 .*Total solar eclipse"))).size(), 1);
}

TEST_F(SkyEventsWindowTest, CsvAndCalendarFilesHoldEveryEvent) {
  const qsizetype events = static_cast<qsizetype>(window_->model().rows().size());
  target_ = dir_.filePath(QStringLiteral("sky.csv"));
  window_->menuAction(QStringLiteral("mnuSaveCsv"))->trigger();
  EXPECT_EQ(QFileInfo(suggested_).fileName(), "Sky Events for 2024.csv");
  const QStringList csv = QString::fromUtf8(Contents(target_)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  ASSERT_EQ(csv.size(), events + 1);
  EXPECT_TRUE(csv[0].startsWith("date,time,utc,kind,type"));
  EXPECT_EQ(csv.filter(QRegularExpression(QStringLiteral("^2024-04-08,13:4.*,solar-eclipse,total,"))).size(), 1);

  target_ = dir_.filePath(QStringLiteral("sky.ics"));
  window_->menuAction(QStringLiteral("mnuSaveCalendar"))->trigger();
  const QByteArray ics = Contents(target_);
  EXPECT_TRUE(ics.startsWith("BEGIN:VCALENDAR\r\n"));
  EXPECT_EQ(ics.count("BEGIN:VEVENT\r\n"), events);
  EXPECT_EQ(ics.count("SUMMARY:Total solar eclipse\r\n"), 1);
  // Its entry runs from the first to the last contact, 12:23 to 15:0x CDT.
  EXPECT_TRUE(ics.contains("DTSTART:20240408T172")) << "first contact about 17:23 UTC";
  EXPECT_TRUE(ics.contains("DTEND:20240408T200")) << "last contact about 20:0x UTC";
}

TEST_F(SkyEventsWindowTest, AFullDiskKeepsTheOldFileAndSaysWhy) {
  const struct {
    const char *action, *file, *title;
  } saves[] = {{"mnuSaveCsv", "sky.csv", "Save as CSV"},
               {"mnuSaveCalendar", "sky.ics", "Save as Calendar"},
               {"mnuSaveText", "sky.txt", "Save as Text"}};
  for (const auto& s : saves) {
    target_ = dir_.filePath(QLatin1String(s.file));
    const QByteArray old("an older list\n");
    {
      QFile file(target_);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(old);
    }
    MessageBoxWatcher watcher;
    {
      ScopedFileSizeLimit full(256);
      ASSERT_TRUE(full.Active());
      window_->menuAction(QLatin1String(s.action))->trigger();
    }
    EXPECT_EQ(Contents(target_), old) << s.action;
    ASSERT_EQ(watcher.seen().size(), 1u) << s.action;
    EXPECT_EQ(watcher.seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(watcher.seen()[0].title, s.title);
    EXPECT_TRUE(watcher.seen()[0].text.contains(target_)) << watcher.seen()[0].text.toStdString();
    EXPECT_TRUE(watcher.seen()[0].text.contains("File too large")) << watcher.seen()[0].text.toStdString();
  }
}

TEST_F(SkyEventsWindowTest, WithoutAPrinterTheListBecomesAPdfInTheDocumentsFolder) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed here";
  const QByteArray savedHome = qgetenv("HOME");
  qputenv("HOME", dir_.path().toUtf8());
  MessageBoxWatcher watcher;
  window_->findChild<QAbstractButton*>(QStringLiteral("cmdPrint"))->click();
  qputenv("HOME", savedHome);
  ASSERT_EQ(watcher.seen().size(), 1u);
  const QString pdf = watcher.seen()[0].text.section(QLatin1Char('\n'), 1).trimmed();
  EXPECT_TRUE(pdf.startsWith(dir_.path())) << pdf.toStdString();
  EXPECT_TRUE(pdf.endsWith("Sky Events for 2024.pdf")) << pdf.toStdString();
  QStringList words;
  for (const testing_support::PdfWord& w : testing_support::ReadPdfWords(pdf)) words << w.text;
  const QString text = words.join(QLatin1Char(' '));
  EXPECT_TRUE(text.contains("Sky events from 2024-01-01 to 2024-12-31")) << text.left(200).toStdString();
  EXPECT_TRUE(text.contains("Total solar eclipse"));
  // Every event's date is on paper, the wrapped details in between.
  for (const auto& row : window_->model().rows()) EXPECT_TRUE(words.contains(row[0])) << row[0].toStdString();
}

TEST_F(SkyEventsWindowTest, TabReachesEveryControlAndEachHasAName) {
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
  QStringList order;
  QWidget* first = window_->findChild<QWidget*>(QStringLiteral("cmdPreviousYear"));
  first->setFocus();
  for (QWidget* w = first; order.size() < 6; w = w->nextInFocusChain()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() || w->window() != window_) continue;
    const QString name = w->accessibleName().isEmpty() ? qobject_cast<QAbstractButton*>(w) ? qobject_cast<QAbstractButton*>(w)->text() : QString() : w->accessibleName();
    EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
    order << w->objectName();
  }
  EXPECT_EQ(order, QStringList({"cmdPreviousYear", "cmdNextYear", "gridEvents", "cmdPrint", "cmdCopy", "cmdClose"}));
  EXPECT_EQ(RepeatedMnemonics(*window_), QStringList()) << MnemonicsInSight(*window_).join(" ").toStdString();
  window_->close(); // its buttons are children of the main window too
  EXPECT_EQ(RepeatedMnemonics(*main_), QStringList()) << MnemonicsInSight(*main_).join(" ").toStdString();
  EXPECT_EQ(window_->grid()->accessibleName(), "Sky Events for 2024 at Dallas,TX");
  EXPECT_EQ(window_->model().data(window_->model().index(0, 2), Qt::AccessibleTextRole).toString(),
            "Event: " + window_->model().rows()[0][2]);
  // Rows are headed by their date and event for a screen reader.
  EXPECT_EQ(window_->model().headerData(RowOf("2024-04-08", "Total solar eclipse"), Qt::Vertical, Qt::DisplayRole),
            "2024-04-08 Total solar eclipse");
}

// A screen reader reads each cell with its whole row, and hears the keyboard's
// place only where the keyboard is.
TEST_F(SkyEventsWindowTest, EachCellIsDescribedByItsWholeRow) {
  QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(window_->grid())->tableInterface();
  ASSERT_NE(table, nullptr);
  const auto& rows = window_->model().rows();
  ASSERT_GT(rows.size(), 4u);
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    for (int column = 0; column < table->columnCount(); ++column) {
      const QString description = table->cellAt(row, column)->text(QAccessible::Description);
      for (const QString& cell : rows[static_cast<std::size_t>(row)])
        EXPECT_TRUE(description.contains(cell)) << row << ", " << column << ": " << description.toStdString()
                                                << "\n lacks " << cell.toStdString();
    }
  }
}

TEST_F(SkyEventsWindowTest, SpaceOnNextYearLeavesTheReaderOnTheButton) {
  QApplication::setActiveWindow(window_);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
  auto* next = window_->findChild<QPushButton*>(QStringLiteral("cmdNextYear"));
  ASSERT_NE(next, nullptr);
  next->setFocus(Qt::TabFocusReason);
  testing_support::AccessibleEventLog log;
  QTest::keyClick(next, Qt::Key_Space);
  QApplication::processEvents();
  EXPECT_EQ(window_->year(), 2025);
  EXPECT_EQ(QApplication::focusWidget(), next);
  for (const testing_support::ToldEvent& e : log.of(QAccessible::Focus))
    EXPECT_NE(e.role, QAccessible::Cell) << "a cell told as focused while the keyboard is on the button: "
                                         << e.name.toStdString();
  // The list still starts on its first row when it takes the keyboard.
  window_->grid()->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(window_->grid()->currentIndex().row(), 0);
}

} // namespace
} // namespace sky_events_window
