// SPDX-License-Identifier: GPL-3.0-or-later
// vesperon-cli events, and ics with the sky events, as whole processes.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Output {
  int exitCode = -1;
  QString out;
  QString err;
};

class CliEventsProcessTest : public ::testing::Test {
protected:
  Output Cli(const QStringList& arguments, const QString& outputFile = QString()) {
    QProcess process;
    if (!outputFile.isEmpty()) process.setStandardOutputFile(outputFile);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
    env.insert("XDG_DATA_HOME", home_.filePath("data"));
    env.insert("LC_ALL", "en_US.UTF-8");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VESPERON_CLI_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }

  QTemporaryDir home_;
};

const QStringList kNewYork = {"--lat", "40.71", "--lon", "74.01", "--zone", "5", "--name", "New York", "--time", "standard"};

QJsonObject Find(const QJsonArray& events, const QString& kind, const QString& utcPrefix) {
  for (const auto& value : events) {
    const QJsonObject e = value.toObject();
    if (e["kind"].toString() == kind && e["utc"].toString().startsWith(utcPrefix)) return e;
  }
  return {};
}

TEST_F(CliEventsProcessTest, AYearAsJsonTextAndCsvCarriesTheSameEvents) {
  const Output json = Cli(QStringList{"events", "--year", "2024", "--mode", "json"} + kNewYork);
  ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
  const QJsonArray events = QJsonDocument::fromJson(json.out.toUtf8()).object()["events"].toArray();
  ASSERT_EQ(events.size(), 34); // 4 seasons, 2 lunar and 1 solar eclipse, 27 apsides
  for (qsizetype i = 1; i < events.size(); ++i)
    EXPECT_LE(events[i - 1].toObject()["utc"].toString(), events[i].toObject()["utc"].toString());

  const QJsonObject equinox = Find(events, "march-equinox", "2024-03-20T03:06");
  EXPECT_EQ(equinox["local"].toString().left(16), "2024-03-19T22:06");
  EXPECT_TRUE(equinox["local"].toString().endsWith("-05:00"));

  const QJsonObject lunar = Find(events, "lunar-eclipse", "2024-09-18T02:4");
  EXPECT_EQ(lunar["type"].toString(), "partial");
  EXPECT_TRUE(lunar["visible"].toBool());
  EXPECT_NEAR(lunar["umbralMagnitude"].toDouble(), 0.085, 0.005);
  QStringList contacts;
  for (const auto& c : lunar["contacts"].toArray()) contacts << c.toObject()["contact"].toString();
  EXPECT_EQ(contacts, (QStringList{"P1", "U1", "U4", "P4"}));

  // 8 April 2024: about nine tenths of the Sun covered in New York.
  const QJsonObject solar = Find(events, "solar-eclipse", "2024-04-08T19:2");
  EXPECT_EQ(solar["type"].toString(), "partial");
  EXPECT_NEAR(solar["obscuration"].toDouble(), 0.90, 0.02);
  EXPECT_GT(solar["sunAltitude"].toDouble(), 40.0);

  const QJsonObject perigee = Find(events, "perigee", "2024-09-18");
  EXPECT_TRUE(perigee["fullMoonNearPerigee"].toBool());
  EXPECT_NEAR(perigee["distanceKm"].toDouble(), 357286, 5);

  const Output csv = Cli(QStringList{"events", "--year", "2024", "--mode", "csv"} + kNewYork);
  const QStringList rows = csv.out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(rows.size(), events.size() + 1);
  EXPECT_TRUE(rows[1].startsWith("2024-01-01,"));
  const Output text = Cli(QStringList{"events", "--year", "2024"} + kNewYork);
  EXPECT_TRUE(text.out.contains(QRegularExpression("Perigee, full moon near perigee +357,286 km from the Earth's centre")))
      << text.out.toStdString();
  EXPECT_EQ(text.out.count('\n'), events.size() + 4);
}

TEST_F(CliEventsProcessTest, KindsChooseTheEventsAndTheCalendarSpansEachEclipse) {
  const Output eclipses = Cli(QStringList{"events", "--year", "2024", "--kinds", "eclipses", "--mode", "csv"} + kNewYork);
  EXPECT_EQ(eclipses.out.count('\n'), 4);
  const Output ics = Cli(QStringList{"ics", "--from", "2024-04-01", "--to", "2024-04-30", "--events",
                                     "eclipses,seasons,apsides"} + kNewYork);
  ASSERT_EQ(ics.exitCode, 0) << ics.err.toStdString();
  EXPECT_EQ(ics.out.count("BEGIN:VEVENT"), 3);
  EXPECT_TRUE(ics.out.contains("DTSTART:20240408T1810")) << ics.out.toStdString();
  EXPECT_TRUE(ics.out.contains("DTEND:20240408T2036"));
  EXPECT_EQ(ics.out.count("DTEND"), 1); // the apsides are instants
}

// An event is dated by its own instant: the partial lunar eclipse of 5 July
// 2001 is greatest at 23:55 in Tokyo, nine minutes before its full moon,
// which falls on the 6th.
TEST_F(CliEventsProcessTest, AnEventBelongsToTheRangeOfItsOwnLocalDate) {
  const QStringList tokyo = {"--lat", "35.68", "--lon", "-139.69", "--zone", "-9", "--kinds", "eclipses"};
  const Output fifth = Cli(QStringList{"events", "--from", "2001-07-05", "--to", "2001-07-05", "--mode", "csv"} + tokyo);
  ASSERT_EQ(fifth.exitCode, 0) << fifth.err.toStdString();
  const QStringList rows = fifth.out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(rows.size(), 2) << fifth.out.toStdString();
  EXPECT_TRUE(rows[1].startsWith("2001-07-05,23:5")) << rows[1].toStdString();
  const Output sixth = Cli(QStringList{"events", "--from", "2001-07-06", "--to", "2001-07-06", "--mode", "csv"} + tokyo);
  EXPECT_EQ(sixth.out.count('\n'), 1) << sixth.out.toStdString();
}

// Madrid lies just outside the path of 12 August 2026: a partial eclipse
// whose obscuration, 0.9996, must not read 1.000, a total eclipse's figure.
TEST_F(CliEventsProcessTest, APartialEclipseNeverShowsAWholeSunCovered) {
  const QStringList madrid = {"--lat", "40.42", "--lon", "3.70", "--zone", "-1", "--kinds", "eclipses",
                              "--from", "2026-08-12", "--to", "2026-08-12"};
  const Output text = Cli(QStringList{"events"} + madrid);
  EXPECT_TRUE(text.out.contains("partial, magnitude 0.999, obscuration 0.999,")) << text.out.toStdString();
  const Output json = Cli(QStringList{"events", "--mode", "json"} + madrid);
  const QJsonObject eclipse = QJsonDocument::fromJson(json.out.toUtf8()).object()["events"].toArray()[0].toObject();
  EXPECT_EQ(eclipse["type"].toString(), "partial");
  EXPECT_EQ(eclipse["obscuration"].toDouble(), 0.999);
  EXPECT_EQ(eclipse["magnitude"].toDouble(), 0.999);
}

TEST_F(CliEventsProcessTest, BadInputGivesOneLineAndNoOutput) {
  const struct {
    QStringList arguments;
    const char* says;
  } cases[] = {
      {{"--from", "0001-01-01", "--to", "1001-01-01"}, "events covers at most 1000 years"},
      {{"--from", "2024-02-30", "--to", "2024-03-01"}, "--from accepts a date YYYY-MM-DD"},
      {{"--from", "2026-01-01\n", "--to", "2026-01-02"}, "--from accepts a date YYYY-MM-DD"},
      {{"--year", "2024", "--kinds", "seasons,comets"}, "--kinds accepts a comma list of seasons, eclipses and apsides"},
      {{"--year", "10000"}, "--year accepts a year from 1 to 9999"},
      {{"--from", "2024-01-01"}, "events needs --year YYYY, or --from"},
  };
  for (const auto& c : cases) {
    const Output r = Cli(QStringList{"events"} + c.arguments + kNewYork);
    EXPECT_EQ(r.exitCode, 2) << c.says;
    EXPECT_TRUE(r.out.isEmpty()) << c.says;
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("vesperon-cli: ") + c.says)) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
  }
  const Output full = Cli(QStringList{"events", "--year", "2024"} + kNewYork, QStringLiteral("/dev/full"));
  EXPECT_EQ(full.exitCode, 1);
  EXPECT_EQ(full.err, "vesperon-cli: the output could not be written (No space left on device).\n");
}

} // namespace
