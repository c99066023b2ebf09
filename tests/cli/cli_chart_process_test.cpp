// SPDX-License-Identifier: GPL-3.0-or-later
// vesperon-cli chart as a whole process: its SVG file, its refusals, and a
// file written whole or not at all.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

struct Output {
  int exitCode = -1;
  QByteArray out;
  QString err;
};

class CliChartProcessTest : public ::testing::Test {
protected:
  Output Cli(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
    env.insert("XDG_DATA_HOME", home_.filePath("data"));
    env.insert("LC_ALL", "en_US.UTF-8");
    process.setProcessEnvironment(env);
    if (childSetup_) process.setChildProcessModifier(childSetup_);
    process.start(QStringLiteral(VESPERON_CLI_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
  }

  QString File(const char* name) const { return home_.filePath(QLatin1String(name)); }

  QTemporaryDir home_;
  std::function<void()> childSetup_; // runs in the child before the program starts
};

const QStringList kTromso = {"--lat", "69.65", "--lon", "-18.96", "--zone", "-1", "--name", "Troms\u00f8"};

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(CliChartProcessTest, WritesTheDaylightChartAsAnSvgFile) {
  const Output r = Cli(QStringList{"chart", "daylight", "--year", "2026", "--width", "800", "--height", "500",
                                   "--format", "svg", "--output", File("tromso.svg")} +
                       kTromso);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.isEmpty());
  const QByteArray svg = Contents(File("tromso.svg"));
  QXmlStreamReader xml(svg);
  ASSERT_TRUE(xml.readNextStartElement());
  EXPECT_EQ(xml.name(), QLatin1String("svg"));
  EXPECT_EQ(xml.attributes().value("width"), QLatin1String("800"));
  EXPECT_EQ(xml.attributes().value("height"), QLatin1String("500"));
  ASSERT_TRUE(xml.readNextStartElement());
  EXPECT_EQ(xml.readElementText(), QStringLiteral("Daylight at Troms\u00f8 in 2026"));
  ASSERT_TRUE(xml.readNextStartElement());
  EXPECT_TRUE(xml.readElementText().contains("Polar night from 28 November to 31 December."));
  while (!xml.atEnd()) xml.readNext();
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();

  // "-" is standard output: the same picture.
  const Output out = Cli(QStringList{"chart", "daylight", "--year", "2026", "--width", "800", "--height", "500",
                                     "--output", "-"} +
                         kTromso);
  EXPECT_EQ(out.exitCode, 0);
  EXPECT_EQ(out.out, svg);
}

TEST_F(CliChartProcessTest, TheAltitudeChartIsTitledWithThePlaceDateAndMoon) {
  const Output r = Cli(QStringList{"chart", "altitude", "--date", "2026-12-09", "--clock", "24"} + kTromso);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.contains("<title>Sun and Moon altitude at Troms\xc3\xb8, night of 9 December 2026</title>"));
  EXPECT_TRUE(r.out.contains("Moon: new moon, 0% illuminated")) << r.out.left(600).toStdString();
}

TEST_F(CliChartProcessTest, ABadYearDateOrSizeIsOneLineAndNoFile) {
  const struct {
    QStringList arguments;
    const char* says;
  } cases[] = {
      {{"chart"}, "chart needs daylight or altitude"},
      {{"chart", "weekly"}, "chart needs daylight or altitude, not \"weekly\"."},
      {{"chart", "daylight", "--year", "0"}, "--year accepts a year from 1 to 9999, not \"0\"."},
      {{"chart", "daylight", "--year", "20x6"}, "--year accepts a year from 1 to 9999, not \"20x6\"."},
      {{"chart", "altitude", "--date", "2026-02-30"}, "--date accepts a date YYYY-MM-DD from 0001-01-01 to 9999-12-30"},
      {{"chart", "altitude", "--date", "9999-12-31"}, "--date accepts a date YYYY-MM-DD from 0001-01-01 to 9999-12-30"},
      {{"chart", "daylight", "--date", "2026-01-01"}, "Unknown option \"--date\" for this command"},
      {{"chart", "daylight", "--width", "199"}, "--width accepts a whole number of pixels from 200 to 10000"},
      {{"chart", "altitude", "--height", "huge"}, "--height accepts a whole number of pixels from 200 to 10000"},
      {{"chart", "daylight", "--format", "png"}, "--format accepts svg"},
  };
  for (const auto& c : cases) {
    const QString target = File("refused.svg");
    const Output r = Cli(c.arguments + QStringList{"--output", target});
    const std::string said = r.err.toStdString();
    EXPECT_EQ(r.exitCode, 2) << said;
    EXPECT_TRUE(r.err.startsWith("vesperon-cli: " + QLatin1String(c.says))) << said;
    EXPECT_EQ(r.err.count('\n'), 1) << said;
    EXPECT_FALSE(QFile::exists(target)) << said;
  }
}

TEST_F(CliChartProcessTest, AFullDiskKeepsTheOldFileAndSaysWhy) {
  const QString target = File("chart.svg");
  const QByteArray old("an older chart\n");
  {
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(old);
  }
  // As from a shell with `ulimit -f`: the signal's default action would end the program.
  childSetup_ = [] {
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{4096, 4096}; // bytes
    ::setrlimit(RLIMIT_FSIZE, &limit);
  };
  const Output r = Cli(QStringList{"chart", "daylight", "--year", "2026", "--output", target} + kTromso);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, QStringLiteral("vesperon-cli: %1 could not be written (File too large).\n").arg(target));
  EXPECT_EQ(Contents(target), old);
}

} // namespace
