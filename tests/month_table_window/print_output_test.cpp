// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_helpers/print_output.h"

#include "../support/qstring_printer.h"
#include "list_window_support.h"
#include "main_window/window_print.h"
#include "pdf_words.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace month_table_window {
namespace {

void WriteWords(QPainter& painter, QPrinter&) { painter.drawText(100, 100, QStringLiteral("Hello page")); }

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// Files larger than `bytes` cannot be written while it lives.
class FileSizeLimit {
public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
  rlimit saved_{};
};

TEST(PrintOutputTest, NoPrinterSavesANewNumberedPdfAndNeverOverwrites) {
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("Documents")); // created when missing
  const QString first = QDir(folder).filePath(QStringLiteral("Sun and Moon Data for March 2024.pdf"));
  const QString second = QDir(folder).filePath(QStringLiteral("Sun and Moon Data for March 2024 (2).pdf"));
  const ui_helpers::PrintOutcome a = ui_helpers::SaveAsPdf(folder, QStringLiteral("Sun and Moon Data for March 2024"), WriteWords);
  EXPECT_EQ(a.kind, ui_helpers::PrintOutcome::Kind::SavedAsPdf);
  EXPECT_EQ(a.pdfPath, first);
  EXPECT_TRUE(a.message.contains(QDir::toNativeSeparators(first))) << a.message;
  EXPECT_TRUE(testing_support::PdfText(first).contains(QStringLiteral("Hello page")));
  const QByteArray firstBytes = Contents(first);

  const ui_helpers::PrintOutcome b = ui_helpers::SaveAsPdf(folder, QStringLiteral("Sun and Moon Data for March 2024"), WriteWords);
  EXPECT_EQ(b.pdfPath, second);
  EXPECT_EQ(Contents(first), firstBytes) << "the first file is left as it was";
}

TEST(PrintOutputTest, AFailedWriteIsReportedAndLeavesNoFileAndOthersWhole) {
  QTemporaryDir dir;
  const QString existing = dir.filePath(QStringLiteral("Report.pdf"));
  WriteFile(existing, "%PDF-1.4 an earlier print %%EOF");
  const struct {
    rlim_t limit;
    const char* note;
  } cases[] = {{0, "nothing can be written"}, {2048, "the disk fills during the write"}};
  for (const auto& c : cases) {
    ui_helpers::PrintOutcome outcome;
    {
      FileSizeLimit limit(c.limit);
      outcome = ui_helpers::SaveAsPdf(dir.path(), QStringLiteral("Report"), WriteWords);
    }
    EXPECT_EQ(outcome.kind, ui_helpers::PrintOutcome::Kind::Failed) << c.note;
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("Report (2).pdf"))) << outcome.message.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Report (2).pdf")))) << c.note;
    EXPECT_EQ(Contents(existing), QByteArray("%PDF-1.4 an earlier print %%EOF")) << c.note;
  }
}

TEST(PrintOutputTest, AFolderThatCannotBeMadeIsNamedInTheMessage) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("plain file"));
  WriteFile(file, "not a folder");
  const ui_helpers::PrintOutcome outcome = ui_helpers::SaveAsPdf(file + QStringLiteral("/Documents"), QStringLiteral("Report"), WriteWords);
  EXPECT_EQ(outcome.kind, ui_helpers::PrintOutcome::Kind::Failed);
  EXPECT_TRUE(outcome.message.contains(QStringLiteral("plain file"))) << outcome.message;
}

TEST(PrintOutputTest, TheWindowImagePrintsAtItsSizeOnTheScreen) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("window.pdf"));
  QImage image(259, 425, QImage::Format_RGB32);
  image.fill(Qt::darkBlue);
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QPainter painter(&printer);
    main_window::PrintWindowImage(painter, printer, image, 96.0);
  }
  // pdfimages lists each image with its resolution on the page, pixels per inch.
  const QStringList rows = testing_support::RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).split('\n');
  ASSERT_GE(rows.size(), 3);
  const QStringList fields = rows[2].simplified().split(' ');
  ASSERT_GE(fields.size(), 14);
  EXPECT_EQ(fields[3], QStringLiteral("259"));
  EXPECT_NEAR(fields[12].toDouble(), 96.0, 1.0) << rows[2];
  EXPECT_NEAR(fields[13].toDouble(), 96.0, 1.0) << rows[2];
}

// The window's Print with no printer installed: the message names the PDF,
// which holds the month; a second print never overwrites the first.
class NoPrinterWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed here";
    savedHome_ = qgetenv("HOME");
    savedConfig_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home_.filePath(QStringLiteral(".config")).toUtf8());
  }
  void TearDown() override {
    qputenv("HOME", savedHome_);
    qputenv("XDG_CONFIG_HOME", savedConfig_);
  }

  // Triggers the action and returns the text of the message box it opens.
  static QString MessageAfter(QAction* action) {
    QString text;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        text = box->text();
        box->accept();
      }
    });
    poll.start(10);
    action->trigger();
    return text;
  }

  static QString PathIn(const QString& message) { return message.section('\n', 1).trimmed(); }

  QTemporaryDir home_;
  QByteArray savedHome_, savedConfig_;
};

TEST_F(NoPrinterWindowTest, PrintWritesThePdfTheMessageNames) {
  ListWindowUnderTest t;
  t.window->MakeList();
  const QString first = PathIn(MessageAfter(t.window->menuAction("mnuPrint")));
  EXPECT_TRUE(first.startsWith(home_.path())) << first;
  EXPECT_TRUE(first.endsWith(QStringLiteral("Sun and Moon Data for March 2024.pdf"))) << first;
  const QString text = testing_support::PdfText(first);
  EXPECT_TRUE(text.contains(QStringLiteral("Sun and Moon Data for March 2024")));
  EXPECT_TRUE(text.contains(t.window->table().rows[30][0]));
  const QByteArray firstBytes = Contents(first);

  const QString second = PathIn(MessageAfter(t.window->menuAction("mnuQuickPrint")));
  EXPECT_TRUE(second.endsWith(QStringLiteral("Sun and Moon Data for March 2024 (2).pdf"))) << second;
  EXPECT_EQ(Contents(first), firstBytes);
  EXPECT_TRUE(testing_support::PdfText(second).contains(QStringLiteral("Date")));
}

TEST_F(NoPrinterWindowTest, TheTableFontSizeDoesNotChangeTheFormattedPrint) {
  std::vector<testing_support::PdfWord> prints[2];
  const char* sizes[] = {"8", "14"};
  for (int i = 0; i < 2; ++i) {
    ListWindowUnderTest t({{"Fonts/SSize", sizes[i]}});
    t.window->MakeList();
    prints[i] = testing_support::ReadPdfWords(PathIn(MessageAfter(t.window->menuAction("mnuPrint"))));
  }
  ASSERT_EQ(prints[0].size(), prints[1].size());
  ASSERT_FALSE(prints[0].empty());
  for (std::size_t w = 0; w < prints[0].size(); ++w) {
    EXPECT_EQ(prints[0][w].text, prints[1][w].text);
    EXPECT_DOUBLE_EQ(prints[0][w].yMax - prints[0][w].yMin, prints[1][w].yMax - prints[1][w].yMin) << prints[0][w].text;
  }
}

} // namespace
} // namespace month_table_window
