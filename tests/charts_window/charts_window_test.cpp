// SPDX-License-Identifier: GPL-3.0-or-later
// The Charts window as a user reaches it: from the main window's menu at
// London on 9 December 2026, through the real clipboard, files and print path.

#include "../support/message_box_watcher.h"
#include "../support/mnemonics.h"
#include "../support/scoped_file_size_limit.h"
#include "../support/temporary_store.h"
#include "astro/display.h"
#include "charts/chart_colours.h"
#include "charts_window/chart_view.h"
#include "charts_window/charts_window.h"
#include "main_window/main_window.h"
#include "pdf_words.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace charts_window {
namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ChartsWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    main_ = std::make_unique<main_window::TfrmVesperon>(store_.factory());
    main_->show();
    main_->GoToDate(astro::DateTimeOfDate(QDate(2026, 12, 9)));
    main_->menuAction(QStringLiteral("mnuCharts"))->trigger();
    window_ = main_->chartsWindow();
    ASSERT_NE(window_, nullptr);
    window_->view()->setFixedSize(900, 560);
    QApplication::processEvents();
    window_->setSaveFileChooser([this](QWidget*, const QString&, const QString&, const QString&) { return target_; });
  }

  TemporaryStore store_{{"Location/City", "London, UK"},
                        {"Location/TimeZone", "0"},
                        {"Location/Latitude", "51.51"},
                        {"Location/Longitude", "0.13"},
                        {"Flags/Time", "0"},
                        {"Flags/TFormat", "1"}};
  std::unique_ptr<main_window::TfrmVesperon> main_;
  ChartsWindow* window_ = nullptr;
  QTemporaryDir dir_;
  QString target_;
};

TEST_F(ChartsWindowTest, OpensOnTheMainWindowsYearAndFollowsIt) {
  EXPECT_EQ(main_->menuAction("mnuCharts")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
  EXPECT_EQ(window_->kind(), ChartKind::Daylight);
  EXPECT_EQ(window_->windowTitle(), "Daylight at London, UK in 2026");
  const QString summary = window_->summary()->text();
  EXPECT_TRUE(summary.contains("Shortest day: 21 December, 7 h 50 min of daylight.")) << summary.toStdString();
  EXPECT_EQ(window_->view()->accessibleDescription(), summary);

  window_->menuAction("mnuNext")->trigger();
  EXPECT_EQ(window_->year(), 2027);
  EXPECT_EQ(astro::DateOfDateTime(main_->astroState().CalcDate), QDate(2026, 12, 9)) << "the main window stays";
  window_->menuAction("mnuAltitude")->trigger();
  EXPECT_EQ(window_->windowTitle(), "Sun and Moon altitude at London, UK, night of 9 December 2027");
  window_->findChild<QAbstractButton*>("cmdPrevious")->click();
  EXPECT_TRUE(window_->summary()->text().contains("night of 8 December 2027")) << window_->summary()->text().toStdString();
  EXPECT_TRUE(window_->summary()->text().contains("Sunset 15:52")) << window_->summary()->text().toStdString();

  main_->GoToDate(astro::DateTimeOfDate(QDate(2025, 6, 21)));
  EXPECT_EQ(window_->date(), QDate(2025, 6, 21));
  EXPECT_EQ(window_->windowTitle(), "Sun and Moon altitude at London, UK, night of 21 June 2025");
}

// The colours of the sky's bands and the frame, as a share of the picture.
double ShareOf(const QImage& image, charts::Rgb rgb) {
  qsizetype n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xffffff) == rgb;
  return static_cast<double>(n) / (image.width() * image.height());
}

TEST_F(ChartsWindowTest, ThePngAndSvgFilesAreTheChartAsShown) {
  target_ = dir_.filePath("daylight.png");
  window_->menuAction("mnuSavePng")->trigger();
  const QImage png(target_);
  ASSERT_EQ(png.size(), QSize(900, 560));
  // The file is the window's picture (text may smooth a little differently on screen).
  const QImage shown = window_->view()->grab().toImage().convertToFormat(png.format());
  qsizetype differ = 0;
  for (int y = 0; y < png.height(); ++y)
    for (int x = 0; x < png.width(); ++x) differ += png.pixel(x, y) != shown.pixel(x, y);
  EXPECT_LT(differ, png.width() * png.height() / 50);
  // London's year: long nights and days, thinner twilights.
  EXPECT_GT(ShareOf(png, charts::kSkyColours[charts::kNight]), 0.1);
  EXPECT_GT(ShareOf(png, charts::kSkyColours[charts::kDay]), 0.25);
  for (const charts::Rgb band : charts::kSkyColours) EXPECT_GT(ShareOf(png, band), 0.01) << std::hex << band;
  EXPECT_EQ(png.pixel(0, 0) & 0xffffff, charts::kPaper);

  target_ = dir_.filePath("daylight.svg");
  window_->menuAction("mnuSaveSvg")->trigger();
  QXmlStreamReader svg(Contents(target_));
  QString title;
  while (!svg.atEnd())
    if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == QLatin1String("title"))
      title = svg.readElementText();
  EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
  EXPECT_EQ(title, "Daylight at London, UK in 2026");
}

TEST_F(ChartsWindowTest, CopyPutsThePictureOnTheClipboard) {
  QGuiApplication::clipboard()->clear();
  window_->findChild<QAbstractButton*>("cmdCopy")->click();
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(900, 560));
}

TEST_F(ChartsWindowTest, AFullDiskKeepsTheOldFileAndSaysWhy) {
  for (const char* action : {"mnuSavePng", "mnuSaveSvg"}) {
    target_ = dir_.filePath(QStringLiteral("chart-%1").arg(QLatin1String(action)));
    const QByteArray old("an older picture\n");
    {
      QFile file(target_);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(old);
    }
    MessageBoxWatcher watcher;
    {
      ScopedFileSizeLimit full(4096);
      ASSERT_TRUE(full.Active());
      window_->menuAction(QLatin1String(action))->trigger();
    }
    EXPECT_EQ(Contents(target_), old) << action;
    ASSERT_EQ(watcher.seen().size(), 1u) << action;
    EXPECT_EQ(watcher.seen()[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(watcher.seen()[0].text.contains(target_)) << watcher.seen()[0].text.toStdString();
    EXPECT_TRUE(watcher.seen()[0].text.contains("File too large")) << watcher.seen()[0].text.toStdString();
  }
}

TEST_F(ChartsWindowTest, WithoutAPrinterTheChartBecomesAPdfInTheDocumentsFolder) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed here";
  const QByteArray savedHome = qgetenv("HOME");
  qputenv("HOME", dir_.path().toUtf8());
  MessageBoxWatcher watcher;
  window_->findChild<QAbstractButton*>(QStringLiteral("cmdPrint"))->click();
  qputenv("HOME", savedHome);
  ASSERT_EQ(watcher.seen().size(), 1u);
  const QString pdf = watcher.seen()[0].text.section(QLatin1Char('\n'), 1).trimmed();
  EXPECT_TRUE(pdf.endsWith("Daylight at London, UK in 2026.pdf")) << pdf.toStdString();
  QStringList words;
  for (const testing_support::PdfWord& w : testing_support::ReadPdfWords(pdf)) words << w.text;
  const QString text = words.join(QLatin1Char(' '));
  EXPECT_TRUE(text.contains("Daylight at London, UK in 2026")) << text.left(200).toStdString();
  EXPECT_TRUE(text.contains("Civil twilight")) << text.left(400).toStdString();
}

TEST_F(ChartsWindowTest, EveryKeyOfAltReachesOneControl) {
  EXPECT_EQ(RepeatedMnemonics(*window_), QStringList()) << MnemonicsInSight(*window_).join(" ").toStdString();
  window_->close();
  EXPECT_EQ(RepeatedMnemonics(*main_), QStringList()) << MnemonicsInSight(*main_).join(" ").toStdString();
}

} // namespace
} // namespace charts_window
