// SPDX-License-Identifier: GPL-3.0-or-later
// vesperon-cli ics and year as whole processes: the calendar file imported by
// a real calendar program (khal) in a temporary home, and the year table
// against the month command.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

struct Output {
  int exitCode = -1;
  QByteArray out;
  QString err;
};

class CliExportProcessTest : public ::testing::Test {
protected:
  // khal (Python) needs a locale the system has; Qt needs none installed.
  Output Run(const QString& program, const QStringList& arguments, const QString& locale = QStringLiteral("C.UTF-8"),
             const QString& outputFile = QString()) {
    QProcess process;
    if (!outputFile.isEmpty()) process.setStandardOutputFile(outputFile);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home_.path());
    env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
    env.insert("XDG_DATA_HOME", home_.filePath("data"));
    env.insert("LC_ALL", locale);
    env.insert("TZ", "UTC");
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    return {process.exitCode(), process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
  }

  Output Cli(const QStringList& arguments) {
    return Run(QStringLiteral(VESPERON_CLI_PATH), arguments, QStringLiteral("en_US.UTF-8"));
  }

  // A khal set-up in the temporary home: one calendar folder, UTC, ISO dates.
  QString SetUpKhal() {
    const QString calendar = home_.filePath("calendar");
    QDir().mkpath(calendar);
    QDir().mkpath(home_.filePath("config/khal"));
    QFile config(home_.filePath("config/khal/config"));
    EXPECT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("[calendars]\n[[almanac]]\npath = %1\ntype = calendar\n"
                                "[locale]\nlocal_timezone = UTC\ndefault_timezone = UTC\n"
                                "timeformat = %H:%M\ndateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\n"
                                "datetimeformat = %Y-%m-%d %H:%M\nlongdatetimeformat = %Y-%m-%d %H:%M\n"
                                "[default]\ndefault_calendar = almanac\n")
                     .arg(calendar)
                     .toUtf8());
    return calendar;
  }

  // The month command's CSV rows, one per day.
  std::vector<QStringList> MonthRows(const QString& month);

  QTemporaryDir home_;
};

const QStringList kLondon = {"--lat", "51.5", "--lon", "0.12", "--zone", "0", "--name", "London, UK",
                             "--time", "universal", "--clock", "24", "--twilight", "civil"};

std::vector<QStringList> CliExportProcessTest::MonthRows(const QString& month) {
  const Output csv = Cli(QStringList{"month", "--month", month, "--mode", "csv"} + kLondon);
  EXPECT_EQ(csv.exitCode, 0) << csv.err.toStdString();
  std::vector<QStringList> rows;
  for (const QString& line : QString::fromUtf8(csv.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
    rows.push_back(line.split(QLatin1Char(',')));
  return rows;
}

TEST_F(CliExportProcessTest, KhalImportsTheCalendarAtTheMonthTablesMinutes) {
  const QString khal = QStandardPaths::findExecutable(QStringLiteral("khal"));
  ASSERT_FALSE(khal.isEmpty()) << "khal is needed (scripts/deps.sh installs it)";
  const QString calendar = SetUpKhal();

  const Output ics = Cli(QStringList{"ics", "--from", "2026-06-01", "--to", "2026-06-10"} + kLondon);
  ASSERT_EQ(ics.exitCode, 0) << ics.err.toStdString();
  const QString file = home_.filePath("june.ics");
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(ics.out);
  out.close();

  for (int pass = 0; pass < 2; ++pass) {
    const Output imported = Run(khal, {"import", "--batch", "-a", "almanac", file});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
  }
  const int eventCount = static_cast<int>(ics.out.count("BEGIN:VEVENT"));
  EXPECT_EQ(QDir(calendar).entryList(QDir::Files).size(), eventCount) << "a second import updates, never doubles";

  const Output listed = Run(khal, {"list", "--format", "{start} {title}", "2026-06-01", "10d"});
  ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
  // "2026-06-05 03:43 Sunrise": date and UTC time of each imported event.
  std::map<QString, QString> imported; // "2026-06-05 Sunrise" -> "03:43"
  static const QRegularExpression line(QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}) (\\d{2}:\\d{2}) (.+)$"));
  for (const QString& text : QString::fromUtf8(listed.out).split(QLatin1Char('\n'))) {
    const auto match = line.match(text);
    // The Moon's titles carry the illumination: "Moonrise 72%".
    const QString title = match.captured(3).remove(QRegularExpression(QStringLiteral(" \\d+%$")));
    if (match.hasMatch()) imported[match.captured(1) + QLatin1Char(' ') + title] = match.captured(2);
  }

  const std::vector<QStringList> rows = MonthRows(QStringLiteral("2026-06"));
  ASSERT_EQ(rows.size(), 30u);
  const std::pair<int, const char*> columns[] = {{1, "Civil twilight begins"}, {2, "Sunrise"}, {4, "Sunset"},
                                                 {5, "Civil twilight ends"},   {6, "Moonrise"}, {7, "Moon transit"},
                                                 {8, "Moonset"}};
  int compared = 0;
  for (int day = 1; day <= 10; ++day) {
    const QString date = QStringLiteral("2026-06-%1").arg(day, 2, 10, QLatin1Char('0'));
    for (const auto& [column, title] : columns) {
      const QString key = date + QLatin1Char(' ') + QLatin1String(title);
      const QString shown = rows[static_cast<std::size_t>(day - 1)][column];
      if (shown == QLatin1String("*****")) {
        EXPECT_FALSE(imported.count(key)) << key.toStdString() << ": a missing event writes nothing";
        continue;
      }
      ASSERT_TRUE(imported.count(key)) << key.toStdString();
      EXPECT_EQ(imported[key], shown) << key.toStdString();
      ++compared;
    }
  }
  EXPECT_GE(compared, 65);
}

TEST_F(CliExportProcessTest, YearCsvEqualsTheMonthCommandsTwelveMonths) {
  const Output year = Cli(QStringList{"year", "--year", "2027", "--event", "moon", "--mode", "csv"} + kLondon);
  ASSERT_EQ(year.exitCode, 0) << year.err.toStdString();
  const QStringList days = QString::fromUtf8(year.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(days.size(), 365);
  int index = 0;
  for (int month = 1; month <= 12; ++month) {
    for (const QStringList& row : MonthRows(QStringLiteral("2027-%1").arg(month, 2, 10, QLatin1Char('0')))) {
      const QStringList fields = days[index++].split(QLatin1Char(','));
      const auto shown = [](const QString& cell) { return cell == QLatin1String("*****") ? QString() : cell; };
      EXPECT_EQ(fields[1], shown(row[6])) << fields[0].toStdString();
      EXPECT_EQ(fields[2], shown(row[8])) << fields[0].toStdString();
    }
  }
  EXPECT_EQ(index, 365);
}

// The phases of a calendar file start at the minutes the phase list shows.
TEST_F(CliExportProcessTest, PhasesStartAtThePhaseListsMinutes) {
  const Output ics =
      Cli(QStringList{"ics", "--from", "2026-06-01", "--to", "2026-07-15", "--events", "phases"} + kLondon);
  ASSERT_EQ(ics.exitCode, 0) << ics.err.toStdString();
  QStringList starts; // "2026-06-08 09:59 Last Quarter"
  static const QRegularExpression event(
      QStringLiteral("DTSTART:(\\d{4})(\\d{2})(\\d{2})T(\\d{2})(\\d{2})00Z\r\nSUMMARY:([^\r]+)\r\n"));
  for (const auto& m : event.globalMatch(QString::fromUtf8(ics.out)))
    starts << QStringLiteral("%1-%2-%3 %4:%5 %6").arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4),
                                                       m.captured(5), m.captured(6));

  const Output list = Cli(QStringList{"phases", "--date", "2026-06-01", "--count", "8"} + kLondon);
  ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
  QStringList shown;
  // "Full Moon     : 5/31/2026  08:44  UT" in the en_US short date.
  static const QRegularExpression row(QStringLiteral("^(.+?)\\s+: +(\\d+/\\d+/\\d{4})\\s+(\\d{2}:\\d{2})  UT$"));
  for (const QString& line : QString::fromUtf8(list.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const auto m = row.match(line);
    ASSERT_TRUE(m.hasMatch()) << line.toStdString();
    const QDate date = QDate::fromString(m.captured(2), QStringLiteral("M/d/yyyy"));
    if (date >= QDate(2026, 6, 1) && date <= QDate(2026, 7, 15))
      shown << QStringLiteral("%1 %2 %3").arg(date.toString(Qt::ISODate), m.captured(3), m.captured(1));
  }
  EXPECT_EQ(starts, shown);
  EXPECT_EQ(shown.size(), 6);
}

// /dev/full refuses every write as a full disk does.
TEST_F(CliExportProcessTest, AFullDiskUnderTheOutputIsReported) {
  for (const QStringList& command : {QStringList{"ics", "--from", "2026-01-01", "--to", "2026-12-31"},
                                     QStringList{"year", "--year", "2026", "--event", "sun"}}) {
    const Output r = Run(QStringLiteral(VESPERON_CLI_PATH), command + kLondon, QStringLiteral("en_US.UTF-8"),
                         QStringLiteral("/dev/full"));
    EXPECT_EQ(r.exitCode, 1) << command.join(' ').toStdString();
    EXPECT_EQ(r.err, "vesperon-cli: the output could not be written (No space left on device).\n");
  }
}

TEST_F(CliExportProcessTest, ARangeTooLongIsRefusedOnStandardError) {
  const Output refused = Cli(QStringList{"ics", "--from", "2026-01-01", "--to", "2027-06-01"} + kLondon);
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_TRUE(refused.out.isEmpty());
  EXPECT_EQ(refused.err, "vesperon-cli: ics covers at most 366 days; --from 2026-01-01 --to 2027-06-01 is 517 days.\n");

  // Calendar files end with the year 3000; the program's dates go on to 9999.
  const Output late = Cli(QStringList{"ics", "--from", "9999-12-31", "--to", "9999-12-31"} + kLondon);
  EXPECT_EQ(late.exitCode, 2);
  EXPECT_TRUE(late.out.isEmpty()) << late.out.left(300).toStdString();
  EXPECT_TRUE(late.err.startsWith("vesperon-cli: Calendar files hold dates up to the end of the year 3000 only:"))
      << late.err.toStdString();
  EXPECT_TRUE(late.err.contains("9999-12-31")) << late.err.toStdString();

  // Nor do they hold the year 0, where the first days begin far East.
  const Output early = Cli({"ics", "--from", "0001-01-01", "--to", "0001-01-31", "--lat", "35.68", "--lon", "-139.69",
                            "--zone", "-9"});
  EXPECT_EQ(early.exitCode, 2);
  EXPECT_TRUE(early.out.isEmpty()) << early.out.left(300).toStdString();
  EXPECT_TRUE(early.err.startsWith("vesperon-cli: Calendar files hold dates up to the end of the year 3000 only:"))
      << early.err.toStdString();
  EXPECT_TRUE(early.err.contains("0000-12-31")) << early.err.toStdString();
}

} // namespace
