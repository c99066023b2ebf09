// SPDX-License-Identifier: GPL-3.0-or-later
// The month table window's File menu saves and year print, through the real
// file writes and print path; only the file and event questions are answered
// by the test.

#include "../support/message_box_watcher.h"
#include "../support/scoped_file_size_limit.h"
#include "list_window_support.h"
#include "month/copy_text.h"
#include "pdf_words.h"

#include <QApplication>
#include <QFile>
#include <QComboBox>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLabel>
#include <QStyle>
#include <QKeySequence>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace month_table_window {
namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class ListWindowExportTest : public ::testing::Test {
protected:
  void SetUp() override {
    t_.window->MakeList();
    // The file chooser answers with `target_` and notes what it was offered.
    t_.window->setExportChoosers({[this](QWidget*, const QString& caption, const QString& suggested, const QString&) {
                                    offered_ = {caption, suggested};
                                    return target_;
                                  },
                                  [](QWidget*) { return std::optional(year::YearEvent::Sun); }});
  }

  QString CopyText(int cMode, month::LineEnd end) {
    return month::JoinLines(month::CopyLines(t_.window->table(), {t_.main.location, t_.main.Twilight, month::SampleDate()}, cMode), end);
  }

  ListWindowUnderTest t_;
  QTemporaryDir dir_;
  QString target_;
  std::pair<QString, QString> offered_;
};

TEST_F(ListWindowExportTest, TheFileMenuOffersTheSavesAndTheYearPrint) {
  QStringList captions, letters;
  for (QAction* a : t_.window->menuBar()->actions().front()->menu()->actions()) {
    if (a->isSeparator()) continue;
    captions << a->text();
    letters << QKeySequence::mnemonic(a->text()).toString();
  }
  EXPECT_EQ(captions, QStringList({"&Print", "&Copy", "Save as Ca&lendar...", "Save as CS&V...", "Save as &Text...",
                                   "Print &Year Table...", "E&xit"}));
  letters.removeDuplicates();
  EXPECT_EQ(letters.size(), captions.size()) << "one letter each, none empty: " << letters.join(' ').toStdString();
}

TEST_F(ListWindowExportTest, CsvAndTextFilesHoldTheCopyModesTexts) {
  const struct {
    const char* action;
    const char* file;
    int cMode;
    month::LineEnd end;
  } cases[] = {{"mnuSaveCsv", "march.csv", 2, month::LineEnd::CrLf}, {"mnuSaveText", "march.txt", 0, month::LineEnd::Lf}};
  for (const auto& c : cases) {
    target_ = dir_.filePath(QLatin1String(c.file));
    t_.window->menuAction(QLatin1String(c.action))->trigger();
    EXPECT_EQ(QString::fromUtf8(Contents(target_)), CopyText(c.cMode, c.end)) << c.action;
  }
  EXPECT_EQ(QFileInfo(offered_.second).fileName(), "Sun and Moon Data for March 2024.txt");
}

TEST_F(ListWindowExportTest, TheCalendarHoldsTheShownMonthUnderTheWindowsTitle) {
  target_ = dir_.filePath(QStringLiteral("march.ics"));
  t_.window->menuAction(QStringLiteral("mnuSaveCalendar"))->trigger();
  EXPECT_EQ(offered_.first, "Save as Calendar");
  EXPECT_EQ(QFileInfo(offered_.second).fileName(), "Sun and Moon Data for March 2024.ics");
  const QByteArray ics = Contents(target_);
  EXPECT_TRUE(ics.startsWith("BEGIN:VCALENDAR\r\n"));
  EXPECT_EQ(ics.count("SUMMARY:Sunrise\r\n"), 31);
  EXPECT_EQ(ics.count("Z-sunrise-"), 31);
  EXPECT_EQ(ics.count("UID:20240229T"), 0);
  // 1 March 2024 at 42.97 N, 85.6 W: the table shows sunrise at 7:17a standard time (zone 5 h).
  EXPECT_EQ(t_.window->table().rows[0][2], "7:17a");
  EXPECT_TRUE(ics.contains("UID:20240301T1217Z-sunrise-")) << "and it starts at 12:17 UTC";
  EXPECT_TRUE(ics.contains("DTSTART:20240301T121700Z"));
}

TEST_F(ListWindowExportTest, AFullDiskKeepsTheOldFileAndSaysWhy) {
  target_ = dir_.filePath(QStringLiteral("march.csv"));
  const QByteArray old("an older table\n");
  Write(target_, old);
  MessageBoxWatcher watcher;
  {
    ScopedFileSizeLimit full(64);
    ASSERT_TRUE(full.Active());
    t_.window->menuAction(QStringLiteral("mnuSaveCsv"))->trigger();
  }
  EXPECT_EQ(Contents(target_), old);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].icon, QMessageBox::Critical);
  EXPECT_EQ(watcher.seen()[0].title, "Save as CSV");
  EXPECT_TRUE(watcher.seen()[0].text.contains(target_)) << watcher.seen()[0].text.toStdString();
  EXPECT_TRUE(watcher.seen()[0].text.contains("File too large")) << watcher.seen()[0].text.toStdString();
}

TEST_F(ListWindowExportTest, AFolderThatCannotBeMadeIsNamedWithTheReason) {
  // A plain file where the folder should be stops root as well as anyone.
  const QString blocker = dir_.filePath(QStringLiteral("not-a-folder"));
  Write(blocker, "x");
  target_ = blocker + QStringLiteral("/march.ics");
  MessageBoxWatcher watcher;
  t_.window->menuAction(QStringLiteral("mnuSaveCalendar"))->trigger();
  EXPECT_EQ(Contents(blocker), "x");
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(watcher.seen()[0].text.contains(target_)) << watcher.seen()[0].text.toStdString();
}

TEST_F(ListWindowExportTest, AFifoWhereTheFileShouldGoIsNamedAndStays) {
  target_ = dir_.filePath(QStringLiteral("march.csv"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(target_).constData(), 0600), 0);
  MessageBoxWatcher watcher;
  t_.window->menuAction(QStringLiteral("mnuSaveCsv"))->trigger();
  EXPECT_FALSE(QFileInfo(target_).isFile()) << "the FIFO was replaced by a regular file";
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_TRUE(watcher.seen()[0].text.contains(target_)) << watcher.seen()[0].text.toStdString();
  EXPECT_TRUE(watcher.seen()[0].text.contains("not a regular file")) << watcher.seen()[0].text.toStdString();
}

TEST_F(ListWindowExportTest, CancellingTheDialogWritesNothing) {
  target_.clear();
  MessageBoxWatcher watcher;
  t_.window->menuAction(QStringLiteral("mnuSaveText"))->trigger();
  EXPECT_TRUE(watcher.seen().empty());
  EXPECT_TRUE(QDir(dir_.path()).isEmpty());
}

TEST_F(ListWindowExportTest, TheYearTablePrintsOnOneLandscapePage) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed here";
  const QByteArray savedHome = qgetenv("HOME");
  qputenv("HOME", dir_.path().toUtf8());
  MessageBoxWatcher watcher;
  t_.window->menuAction(QStringLiteral("mnuPrintYear"))->trigger();
  qputenv("HOME", savedHome);
  ASSERT_EQ(watcher.seen().size(), 1u);
  const QString pdf = watcher.seen()[0].text.section(QLatin1Char('\n'), 1).trimmed();
  EXPECT_TRUE(pdf.endsWith("Sunrise and Sunset for 2024.pdf")) << pdf.toStdString();
  const std::vector<testing_support::PdfWord> words = testing_support::ReadPdfWords(pdf);
  ASSERT_FALSE(words.empty());
  EXPECT_EQ(words.back().page, 1) << "one page";
  const QString info = testing_support::RunTool(QStringLiteral("pdfinfo"), {pdf});
  const QRegularExpressionMatch size =
      QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
  ASSERT_TRUE(size.hasMatch()) << info.toStdString();
  EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "landscape";
  QStringList texts;
  double left = size.captured(1).toDouble(), right = 0.0; // points
  for (const testing_support::PdfWord& w : words) {
    texts << w.text;
    left = std::min(left, w.xMin);
    right = std::max(right, w.xMax);
  }
  EXPECT_NEAR(left, size.captured(1).toDouble() - right, 2.0) << "centred across the paper: " << left << " pt left, "
                                                              << size.captured(1).toDouble() - right << " pt right";
  EXPECT_TRUE(texts.contains("Zedir")) << "the place heads the page";
  // Every sunrise of March as the 24-hour month table shows it, as hhmm.
  const month::MonthTable march = month::ComputeMonthTable(t_.main.state, {1, 2, true, false, false});
  for (const month::TableRow& row : march.rows) EXPECT_TRUE(texts.contains(QString(row[2]).remove(':'))) << row[2].toStdString();
}

// After another place, time type and twilight kind are chosen in the main
// window without a new List, every save and print still names those the
// shown times were computed for.
TEST_F(ListWindowExportTest, SavesAndPrintsNameThePlaceTheTableWasBuiltFor) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed here";
  const month::CopyContext built{t_.main.location, t_.main.Twilight, month::SampleDate()};
  t_.main.location = {QStringLiteral("Elsewhere"), -1.0f, 69.65f, -18.96f};
  t_.main.state = testing_support::DayViewAt(QDate(2024, 3, 17), 69.65f, -18.96f, -2.0f);
  t_.main.state.TimeType = 1;
  t_.main.Twilight = 0;
  const struct {
    const char* action;
    const char* file;
    int cMode;
    month::LineEnd end;
  } saves[] = {{"mnuSaveCsv", "march.csv", 2, month::LineEnd::CrLf}, {"mnuSaveText", "march.txt", 0, month::LineEnd::Lf}};
  for (const auto& c : saves) {
    target_ = dir_.filePath(QLatin1String(c.file));
    t_.window->menuAction(QLatin1String(c.action))->trigger();
    EXPECT_EQ(QString::fromUtf8(Contents(target_)), month::JoinLines(month::CopyLines(t_.window->table(), built, c.cMode), c.end))
        << c.action;
  }
  target_ = dir_.filePath(QStringLiteral("march.ics"));
  t_.window->menuAction(QStringLiteral("mnuSaveCalendar"))->trigger();
  const QByteArray ics = Contents(target_);
  EXPECT_TRUE(ics.contains("LOCATION:Zedir Izudiz\\,MI")) << ics.left(600).toStdString();
  EXPECT_TRUE(ics.contains("DTSTART:20240301T121700Z")) << "the built place's first sunrise";
  EXPECT_FALSE(ics.contains("Elsewhere"));

  const QByteArray savedHome = qgetenv("HOME");
  qputenv("HOME", dir_.path().toUtf8());
  for (const char* print : {"mnuPrint", "mnuQuickPrint", "mnuPrintYear"}) {
    MessageBoxWatcher watcher;
    t_.window->menuAction(QLatin1String(print))->trigger();
    ASSERT_EQ(watcher.seen().size(), 1u) << print;
    const QString text = testing_support::PdfText(watcher.seen()[0].text.section(QLatin1Char('\n'), 1).trimmed());
    EXPECT_TRUE(text.contains(QStringLiteral("Zedir"))) << print;
    EXPECT_FALSE(text.contains(QStringLiteral("Elsewhere"))) << print;
    EXPECT_FALSE(text.contains(QStringLiteral("69.65"))) << print;
    if (QLatin1String(print) != QLatin1String("mnuPrintYear")) {
      EXPECT_TRUE(text.contains(QStringLiteral("Civil Twilight"))) << print << text.left(400).toStdString();
      EXPECT_FALSE(text.contains(QStringLiteral("Astronomical"))) << print;
    }
  }
  qputenv("HOME", savedHome);
}

// Where a calendar file cannot hold the month's dates, the window says so
// before any file is asked for: the first month the program accepts, far
// East, begins on 31 December of the year 0 in Universal Time, which
// calendar programs refuse; far West it begins in the year 1.
TEST(ListWindowCalendar, RefusesMonthsBeforeTheYear1OrPastTheYear3000) {
  const struct {
    QDate day;
    float latitude, longitude, zone;
    const char* written; // a DTSTART the file holds; empty when refused
  } cases[] = {{QDate(1, 1, 15), -36.85f, -174.76f, -12.0f, ""},
               {QDate(1, 1, 15), 21.31f, 157.86f, 10.0f, "DTSTART:00010101T"},
               {QDate(3000, 12, 15), 21.31f, 157.86f, 10.0f, ""},
               {QDate(9999, 12, 15), 42.97f, 85.6f, 5.0f, ""}};
  QTemporaryDir dir;
  for (const auto& c : cases) {
    ListWindowUnderTest t;
    t.main.state = testing_support::DayViewAt(c.day, c.latitude, c.longitude, c.zone);
    t.main.location = {QStringLiteral("Edge"), c.zone, c.latitude, c.longitude};
    t.window->MakeList();
    const QString target = dir.filePath(c.day.toString(Qt::ISODate) + QStringLiteral(".ics"));
    bool asked = false;
    t.window->setExportChoosers({[&](QWidget*, const QString&, const QString&, const QString&) {
                                   asked = true;
                                   return target;
                                 },
                                 [](QWidget*) { return std::optional(year::YearEvent::Sun); }});
    MessageBoxWatcher watcher;
    t.window->menuAction(QStringLiteral("mnuSaveCalendar"))->trigger();
    const QByteArray ics = Contents(target);
    if (*c.written) {
      EXPECT_TRUE(watcher.seen().empty()) << watcher.seen()[0].text.toStdString();
      EXPECT_TRUE(ics.contains(c.written)) << ics.left(800).toStdString();
      EXPECT_FALSE(ics.contains("00000000T")) << c.day.year();
      continue;
    }
    EXPECT_FALSE(asked) << c.day.year();
    EXPECT_FALSE(QFile::exists(target)) << c.day.year();
    ASSERT_EQ(watcher.seen().size(), 1u) << c.day.year();
    EXPECT_EQ(watcher.seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(watcher.seen()[0].title, "Save as Calendar");
    EXPECT_TRUE(watcher.seen()[0].text.contains("3000")) << watcher.seen()[0].text.toStdString();
  }
}

// The real event question: a person picks the Moon in the dialog and presses OK.
TEST(ListWindowYearDialog, TheChosenEventIsTheOnePrinted) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed here";
  QTemporaryDir home;
  const QByteArray savedHome = qgetenv("HOME");
  qputenv("HOME", home.path().toUtf8());
  ListWindowUnderTest t;
  t.window->MakeList();
  QStringList offered;
  int titleRoom = 0; // pixels beside the title in the title bar's bold font
  QString labelMnemonic;
  bool labelLeadsToChoice = false;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    offered = dialog->comboBoxItems();
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    titleRoom = dialog->width() - QFontMetrics(titleFont).horizontalAdvance(dialog->windowTitle());
    if (const QLabel* label = dialog->findChild<QLabel*>()) {
      labelMnemonic = QKeySequence::mnemonic(label->text()).toString();
      labelLeadsToChoice = qobject_cast<QComboBox*>(label->buddy()) != nullptr;
    }
    dialog->setTextValue(QStringLiteral("Moonrise and Moonset"));
    dialog->accept();
  });
  answer.start(5);
  MessageBoxWatcher watcher;
  t.window->menuAction(QStringLiteral("mnuPrintYear"))->trigger();
  qputenv("HOME", savedHome);
  // Room for an icon and three buttons about a title bar high each.
  EXPECT_GE(titleRoom, 4 * QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight)) << "the title is cut";
  EXPECT_EQ(labelMnemonic, "Alt+E");
  EXPECT_TRUE(labelLeadsToChoice) << "Alt+E reaches the choice";
  EXPECT_EQ(offered, QStringList({"Sunrise and Sunset", "Moonrise and Moonset", "Civil Twilight", "Nautical Twilight",
                                  "Astronomical Twilight"}));
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_TRUE(watcher.seen()[0].text.endsWith("Moonrise and Moonset for 2024.pdf")) << watcher.seen()[0].text.toStdString();
}

} // namespace
} // namespace month_table_window
