// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built vesperon-cli as a user would, against a temporary settings
// folder and a copy of the program beside its own location file.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct Result {
  int exitCode = -1;
  QProcess::ExitStatus exitStatus = QProcess::CrashExit;
  QString out;
  QString err;
};

class CliProcessTest : public ::testing::Test {
protected:
  Result Run(const QStringList& arguments, const QString& program = QStringLiteral(VESPERON_CLI_PATH),
             const QString& outputFile = QString()) {
    QProcess process;
    if (!outputFile.isEmpty()) process.setStandardOutputFile(outputFile);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
    env.insert("XDG_DATA_HOME", home_.filePath("data"));
    env.insert("LC_ALL", "en_US.UTF-8");
    for (const auto& [name, value] : extraEnvironment_) env.insert(name, value);
    process.setProcessEnvironment(env);
    if (childSetup_) process.setChildProcessModifier(childSetup_);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.exitStatus(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }

  QJsonObject DayJson(const QStringList& extra) {
    const Result r = Run(QStringList{"day", "--json"} + extra);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
  }

  // The store the desktop program would have written.
  QString StorePath() const { return home_.filePath("config/Vesperon Software/Vesperon.ini"); }

  QTemporaryDir home_;
  std::function<void()> childSetup_; // runs in the child before the program starts
  std::vector<std::pair<QString, QString>> extraEnvironment_;
};

const QStringList kGreenwich = {"--date", "2000-01-01", "--lat", "51.4779", "--lon", "0.0015", "--zone", "0",
                                "--twilight", "astronomical", "--clock", "24", "--azimuth", "--transit"};

TEST_F(CliProcessTest, DayJsonHoldsTheDayViewTextsAndRawEvents) {
  const QJsonObject day = DayJson(kGreenwich);
  EXPECT_EQ(day["calcDate"].toDouble(), 36526.0);
  EXPECT_EQ(day["zoneHours"].toDouble(), 0.0);
  const QJsonArray text = day["dayText"].toArray();
  ASSERT_EQ(text.size(), 21);
  EXPECT_EQ(text[0].toString(), "06:02");
  EXPECT_EQ(text[1].toString(), "08:06");
  EXPECT_EQ(text[3].toString(), "16:01");
  EXPECT_EQ(text[5].toString(), "18:05");
  EXPECT_EQ(text[6].toString(), "02:40");
  EXPECT_EQ(text[8].toString(), "08:01");
  EXPECT_EQ(text[10].toString(), "13:13");
  EXPECT_EQ(text[19].toString(), "Saturday, January 1, 2000");
  EXPECT_LT(day["illumPercent"].toDouble(), 0.0) << "waning before the new moon of 6 January";
  const QJsonArray sun = day["events"].toObject()["sun"].toArray();
  ASSERT_EQ(sun.size(), 5);
  EXPECT_NEAR(sun[0].toDouble(), 0.5023, 0.0005) << "the transit is computed though not shown";
  EXPECT_NEAR(sun[3].toDouble(), 127.6, 0.05);
  EXPECT_EQ(day["phaseText"].toArray().size(), 4);
  EXPECT_EQ(DayJson(kGreenwich + QStringList{"--long-form"})["phaseText"].toArray().size(), 6);
  EXPECT_EQ(DayJson({"--date", "1582-10-14", "--julian"})["dayText"].toArray()[20].toString(),
            "Oct 4, 1582   Julian");
}

TEST_F(CliProcessTest, JsonIsTheSameBytesInEveryLocale) {
  const QStringList requests[] = {
      {"day", "--json", "--date", "2026-12-09"},
      {"year", "--year", "2026", "--event", "sun", "--mode", "json"},
      {"events", "--year", "2026", "--mode", "json"},
  };
  for (const QStringList& request : requests) {
    extraEnvironment_.clear();
    const Result english = Run(request);
    ASSERT_EQ(english.exitCode, 0) << english.err.toStdString();
    for (const char* locale : {"C", "de_DE.UTF-8", "fr_FR.UTF-8", "ar_EG.UTF-8", "zh_CN.UTF-8"}) {
      extraEnvironment_ = {{"LC_ALL", locale}, {"LANG", locale}};
      const Result other = Run(request);
      EXPECT_EQ(other.out, english.out) << request.join(' ').toStdString() << " under " << locale;
    }
  }
}

TEST_F(CliProcessTest, MonthPrintsTheCopyTextOfEachMode) {
  const Result text = Run({"month", "--month", "2024-02", "--group", "5"});
  ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
  const QStringList lines = text.out.split('\n');
  EXPECT_TRUE(lines[0].trimmed() == "Sun and Moon Data for February 2024");
  EXPECT_EQ(lines.size(), 4 + 4 + 29 + 5 + 1) << "title, headings, days, blank rows, final newline";
  EXPECT_FALSE(text.out.contains('\r'));

  const Result tab = Run({"month", "--month", "2024-02", "--group", "5", "--mode", "tab"});
  const QStringList rows = tab.out.split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(rows.size(), 34);
  EXPECT_EQ(rows[5], QString(9, '\t'));

  const Result csv = Run({"month", "--month", "2024-02", "--mode", "csv"});
  EXPECT_TRUE(csv.out.startsWith("2/1/2024,")) << csv.out.left(40).toStdString();
}

TEST_F(CliProcessTest, PhasesStartAtTheQuarterAtOrBeforeTheDate) {
  const Result r = Run({"phases", "--date", "2000-01-07", "--count", "3", "--json", "--time", "universal"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QJsonArray phases = QJsonDocument::fromJson(r.out.toUtf8()).array();
  ASSERT_EQ(phases.size(), 3);
  EXPECT_EQ(phases[0].toObject()["name"].toString(), "New Moon");
  EXPECT_EQ(phases[0].toObject()["date"].toString(), "1/6/2000");
  EXPECT_EQ(phases[0].toObject()["clock"].toString(), "18:14  UT");
  EXPECT_EQ(phases[1].toObject()["name"].toString(), "First Quarter");
  EXPECT_NEAR(phases[2].toObject()["time"].toDouble(), 36546.195, 0.001) << "2000-01-21 04:40 UT";
}

TEST_F(CliProcessTest, DatesAtTheCalendarLimitsWork) {
  for (const char* date : {"0001-01-01", "9999-12-31"}) {
    const Result r = Run({"day", "--date", date, "--json"});
    EXPECT_EQ(r.exitCode, 0) << date << r.err.toStdString();
    EXPECT_FALSE(r.out.contains("nan")) << date;
  }
  EXPECT_EQ(Run({"month", "--month", "9999-12"}).exitCode, 0);
  EXPECT_EQ(Run({"phases", "--date", "0001-01-01", "--count", "1000"}).exitCode, 0);
}

TEST_F(CliProcessTest, BadInputPrintsOneErrorLineAndExitsWithTwo) {
  for (const QStringList& arguments :
       {QStringList{"day", "--date", "2024-02-30"}, QStringList{"month", "--group", "6"},
        QStringList{"phases", "--count", "-1"}, QStringList{"day", "--lat", "1e400", "--lon", "0", "--zone", "0"},
        QStringList{"day", "--location", "Nowhere"}, QStringList{"sideways"}}) {
    const Result r = Run(arguments);
    EXPECT_EQ(r.exitCode, 2) << arguments.join(' ').toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << arguments.join(' ').toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
  }
}

// The minutes after midnight of a 24-hour "hh:mm" text.
int Minutes(const QString& hhmm) { return hhmm.left(2).toInt() * 60 + hhmm.mid(3, 2).toInt(); }

TEST_F(CliProcessTest, ZoneTakesQuarterHoursFrom14EastTo12West) {
  const QStringList kathmandu = {"--date", "2026-03-29", "--lat", "27.71", "--lon", "-85.32", "--clock", "24",
                                 "--time", "standard"};
  const QJsonObject nepal = DayJson(kathmandu + QStringList{"--zone", "-5.75"});
  const QJsonObject india = DayJson(kathmandu + QStringList{"--zone", "-5.5"});
  EXPECT_EQ(nepal["zoneHours"].toDouble(), -5.75);
  EXPECT_EQ(Minutes(nepal["dayText"].toArray()[1].toString()) - Minutes(india["dayText"].toArray()[1].toString()), 15)
      << "sunrise a quarter of an hour later on Nepal's clock";
  for (const char* zone : {"-13", "-14", "12"})
    EXPECT_EQ(DayJson({"--lat", "-13.83", "--lon", "171.76", "--zone", zone})["zoneHours"].toDouble(),
              QString::fromLatin1(zone).toDouble());
  for (const char* zone : {"-14.25", "12.25", "-5.7"}) {
    const Result r = Run({"day", "--lat", "0", "--lon", "0", "--zone", zone});
    EXPECT_EQ(r.exitCode, 2) << zone;
    EXPECT_TRUE(r.err.contains("from -14 to 12 hours in quarter hours")) << r.err.toStdString();
  }
}

// Run from cron or ssh, in the C locale, the program reads the numbers the
// desktop program stored in a German or an Arabic session, and says once of a
// number it cannot read that it took 0.
TEST_F(CliProcessTest, TheCLocaleReadsNumbersStoredInAnyLanguageAndTellsOfOneItCannot) {
  extraEnvironment_ = {{"LC_ALL", "C"}, {"LANG", "C"}};
  const auto store = [this](const char* numbers) {
    EXPECT_TRUE(QDir().mkpath(QFileInfo(StorePath()).path()));
    QFile file(StorePath());
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray("[Location]\nCity=Kathmandu\n") + numbers);
  };
  const QStringList day = {"day", "--date", "2026-03-29", "--time", "standard"};
  const struct {
    const char* numbers;
    const char* form;
  } forms[] = {
      {"TimeZone=\"-5,75\"\nLatitude=\"27,71\"\nLongitude=\"-85,32\"\n", "German"},
      {"TimeZone=-5\xd9\xab\x37\x35\nLatitude=27\xd9\xab\x37\x31\nLongitude=-85\xd9\xab\x33\x32\n", "Arabic"},
      {"TimeZone=-\xd9\xa5\xd9\xab\xd9\xa7\xd9\xa5\nLatitude=\xd9\xa2\xd9\xa7\xd9\xab\xd9\xa7\xd9\xa1\n"
       "Longitude=-\xd9\xa8\xd9\xa5\xd9\xab\xd9\xa3\xd9\xa2\n",
       "Arabic-Indic digits"},
  };
  for (const auto& c : forms) {
    store(c.numbers);
    const Result r = Run(day);
    EXPECT_EQ(r.exitCode, 0) << c.form;
    EXPECT_EQ(r.err, QString()) << c.form;
    EXPECT_TRUE(r.out.contains(QString::fromUtf8("Kathmandu   27.71\u00B0N  85.32\u00B0E  5.75hrE"))) << c.form << "\n"
                                                                                             << r.out.toStdString();
  }

  store("TimeZone=-5.75\nLatitude=27\xd9\xab\x37\x31x\nLongitude=-85.32\n");
  const Result r = Run(day);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err.toStdString(), "vesperon-cli: The latitude stored in " + StorePath().toStdString() +
                                     ", \"27\u066B71x\", is not a number from -90 to 90; 0 is used instead.\n");
  EXPECT_TRUE(r.out.contains(QString::fromUtf8("Kathmandu   0\u00B0  85.32\u00B0E  5.75hrE"))) << r.out.toStdString();
}

// A copy of the program beside a location file holding these records.
// A location file at `path`, its folder made if needed: the header, the rule
// and these record lines.
void WriteListFile(const QString& path, const QByteArray& records) {
  EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()));
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("      Location           |  Lat  |  Long  | TZ\r\n"
             "----------------------------------------------\r\n" +
             records);
}

QString ProgramBesideRecords(const QTemporaryDir& programDir, const QByteArray& records) {
  const QString program = programDir.filePath("vesperon-cli");
  EXPECT_TRUE(QFile::copy(QStringLiteral(VESPERON_CLI_PATH), program));
  WriteListFile(programDir.filePath("Location.txt"), records);
  return program;
}

TEST_F(CliProcessTest, LocationNamesARecordOfTheFileBesideTheProgram) {
  const QTemporaryDir programDir;
  const QString program = ProgramBesideRecords(programDir, "Greenwich                |51.4779|  0.0015|  0\r\n"
                                                           "Zedir Izudiz,MI          | 42.97 |   85.6 |  5\r\n");
  const Result r = Run(QStringList{"day", "--json", "--location", "greenwich", "--date", "2000-01-01", "--clock", "24"},
                       program);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QJsonArray text = QJsonDocument::fromJson(r.out.toUtf8()).object()["dayText"].toArray();
  EXPECT_EQ(text[1].toString(), "08:06");
  EXPECT_EQ(Run({"day", "--location", "Atlantis"}, program).exitCode, 2);
}

TEST_F(CliProcessTest, LocationHoldsARecordToTheEditorsRules) {
  const QTemporaryDir programDir;
  const QString program = ProgramBesideRecords(programDir, "Quarter                  | 42.97 |   85.6 |5.25\r\n"
                                                           "Odd                      | 42.97 |   85.6 |5.3\r\n"
                                                           "Kathmandu                | 27.71 | -85.32 |-5.75\r\n"
                                                           "Apia                     |-13.83 | 171.76 |-13\r\n"
                                                           "Kiritimati               |  1.87 | 157.47 |-14\r\n"
                                                           "Word Lat                 |   abc |   85.6 |  5\r\n"
                                                           "Far Long                 | 42.97 |    999 |  5\r\n"
                                                           "Far Zone                 | 42.97 |   85.6 |  13\r\n"
                                                           "Past Kiribati            | 42.97 |   85.6 |-14.25\r\n"
                                                           "Word Zone                | 42.97 |   85.6 |  x\r\n");
  const struct {
    const char* name;
    double zoneHours;
    const char* note;
  } accepted[] = {{"Quarter", 5.25, "a quarter hour is kept"},
                  {"Odd", 5.5, "5.3 hours rounds to the nearest half hour"},
                  {"Kathmandu", -5.75, "Nepal's quarter hour is not rounded to -6"},
                  {"Apia", -13.0, "13 hours East"},
                  {"Kiritimati", -14.0, "14 hours East"}};
  for (const auto& c : accepted) {
    const Result r = Run({"day", "--json", "--time", "standard", "--location", c.name}, program);
    EXPECT_EQ(r.exitCode, 0) << c.name << ": " << r.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(r.out.toUtf8()).object()["zoneHours"].toDouble(), c.zoneHours) << c.note;
  }

  const struct {
    const char* name;
    const char* field;
  } refused[] = {{"Word Lat", "latitude \"abc\""},
                 {"Far Long", "longitude \"999\""},
                 {"Far Zone", "time zone \"13\""},
                 {"Past Kiribati", "time zone \"-14.25\""},
                 {"Word Zone", "time zone \"x\""}};
  for (const auto& c : refused) {
    const Result r = Run({"day", "--location", c.name}, program);
    EXPECT_EQ(r.exitCode, 2) << c.name;
    EXPECT_TRUE(r.out.isEmpty()) << c.name;
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("\"%1\"").arg(c.name))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(c.field)) << r.err.toStdString();
  }
}

TEST_F(CliProcessTest, TheBuiltProgramFindsTheShippedListBesideIt) {
  const Result r = Run(QStringList{"day", "--json", "--location", "paris, france", "--date", "2024-06-21"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
}

TEST_F(CliProcessTest, PlacesListsThePlacesATextNamesBestFirst) {
  const Result json = Run({"places", "--search", "london", "--count", "2", "--mode", "json"});
  ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
  const QJsonArray found = QJsonDocument::fromJson(json.out.toUtf8()).object()["places"].toArray();
  ASSERT_EQ(found.size(), 2);
  const QJsonObject london = found[0].toObject();
  EXPECT_EQ(london["name"].toString(), "London, UK");
  EXPECT_NEAR(london["latitude"].toDouble(), 51.51, 0.01);
  EXPECT_NEAR(london["longitudeWest"].toDouble(), 0.13, 0.01);
  EXPECT_EQ(london["zone"].toDouble(), 0.0);
  EXPECT_EQ(london["tz"].toString(), "Europe/London");
  EXPECT_GT(london["population"].toDouble(), 5e6);
  EXPECT_EQ(found[1].toObject()["name"].toString(), "London, Canada");

  const Result text = Run({"places", "--search", "MUNCHEN"});
  ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
  EXPECT_TRUE(text.out.startsWith("Munich, Germany")) << text.out.toStdString();
  EXPECT_TRUE(text.out.contains("Europe/Berlin")) << text.out.toStdString();

  const Result none = Run({"places", "--search", "qqqzzz"});
  EXPECT_EQ(none.exitCode, 0);
  EXPECT_TRUE(none.out.isEmpty());
  for (const QStringList& bad : {QStringList{"places"}, QStringList{"places", "--search", "x", "--count", "0"},
                                 QStringList{"places", "--search", "x", "--mode", "csv"},
                                 QStringList{"places", "--search", "x", "--lat", "1"}}) {
    const Result r = Run(bad);
    EXPECT_EQ(r.exitCode, 2) << bad.join(' ').toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
  }
}

TEST_F(CliProcessTest, LocationTakesAnyNameTheSearchFindsFirst) {
  const QJsonObject zurich = DayJson({"--location", "zurich, switzerland", "--date", "2024-06-21"});
  const QJsonObject exact = DayJson({"--location", "Zürich, Switzerland", "--date", "2024-06-21"});
  EXPECT_EQ(zurich["dayText"], exact["dayText"]);
  EXPECT_EQ(zurich["zoneHours"].toDouble(), -1.0);
  EXPECT_EQ(DayJson({"--location", "st petersburg", "--date", "2024-06-21"})["zoneHours"].toDouble(), -3.0)
      << "Russia's, the bigger of the two";
  EXPECT_EQ(DayJson({"--location", "bombay", "--date", "2024-06-21"})["zoneHours"].toDouble(), -5.5);
}

TEST_F(CliProcessTest, AnInstalledProgramReadsItsInstalledListUntilTheUserHasOwnList) {
  QTemporaryDir prefix;
  ASSERT_TRUE(QDir().mkpath(prefix.filePath("bin")));
  const QString program = prefix.filePath("bin/vesperon-cli");
  ASSERT_TRUE(QFile::copy(QStringLiteral(VESPERON_CLI_PATH), program));
  WriteListFile(prefix.filePath("share/vesperon/Location.txt"), "Installed Town           | 10.00 |  20.00 |  1\r\n");
  const QStringList installed{"day", "--location", "Installed Town"};
  const QStringList mine{"day", "--location", "My Own Place"};
  EXPECT_EQ(Run(installed, program).exitCode, 0) << Run(installed, program).err.toStdString();

  WriteListFile(home_.filePath("data/Vesperon Software/Vesperon/Location.txt"),
                "My Own Place             | 10.00 |  20.00 |  1\r\n");
  EXPECT_EQ(Run(mine, program).exitCode, 0) << Run(mine, program).err.toStdString();
  EXPECT_EQ(Run(installed, program).exitCode, 2) << "the user's list is read, not the installed one";
}

TEST_F(CliProcessTest, ALocationFileThatIsNoRegularFileIsRefusedAtOnce) {
  const QTemporaryDir programDir;
  const QString program = programDir.filePath("vesperon-cli");
  ASSERT_TRUE(QFile::copy(QStringLiteral(VESPERON_CLI_PATH), program));
  ASSERT_EQ(::mkfifo(QFile::encodeName(programDir.filePath("Location.txt")).constData(), 0600), 0);
  const Result r = Run({"day", "--location", "Greenwich"}, program); // a FIFO once hung the program
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("(it is not a regular file)")) << r.err.toStdString();
}

TEST_F(CliProcessTest, ANulInTheStoredNameDoesNotCutTheOutput) {
  {
    QSettings store(StorePath(), QSettings::IniFormat);
    store.setValue("Location/City", QString::fromUtf16(u"Ber\u0000lin", 7));
  }
  const Result r = Run({"day", "--date", "2024-03-01"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.contains("Ber\\x00lin")) << r.out.toStdString();
  EXPECT_TRUE(r.out.contains("Moon at noon")) << "the table goes on after the NUL";
}

// A name with terminal controls, stored or given, is printed escaped: on its
// own line, with no control character left in the output but line ends (and
// the tab mode's separators).
TEST_F(CliProcessTest, ControlCharactersOfANameAreEscapedInTheOutput) {
  const QString name = QStringLiteral("ab\ncd\x1b[31m\a\r\u2028ef");
  const QString escaped = QStringLiteral("ab\\ncd\\x1b[31m\\x07\\r\\u2028ef");
  {
    QSettings store(StorePath(), QSettings::IniFormat);
    store.setValue("Location/City", name);
  }
  const QStringList given{"--lat", "10", "--lon", "20", "--zone", "1", "--name", name};
  const struct {
    QStringList arguments;
    bool printsName;
  } cases[] = {{{"day", "--date", "2024-03-01"}, true},
               {QStringList{"day", "--date", "2024-03-01"} + given, true},
               {{"month", "--month", "2024-02"}, true},
               {QStringList{"month", "--month", "2024-02"} + given, true},
               {{"month", "--month", "2024-02", "--mode", "tab"}, false},
               {QStringList{"month", "--month", "2024-02", "--mode", "csv"} + given, false},
               {QStringList{"year", "--year", "2024", "--event", "sun"} + given, true},
               {QStringList{"ics", "--from", "2024-02-01", "--to", "2024-02-01"} + given, false}};
  for (const auto& [arguments, printsName] : cases) {
    const Result r = Run(arguments);
    const std::string what = arguments.join(' ').toStdString();
    EXPECT_EQ(r.exitCode, 0) << what << r.err.toStdString();
    QString rest = r.out;
    rest.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).remove('\n').remove('\t');
    for (const QChar c : rest)
      EXPECT_FALSE(c.category() == QChar::Other_Control || c == QChar(0x2028)) << what << " holds U+" << static_cast<int>(c.unicode());
    if (printsName) {
      const QStringList lines = r.out.split('\n');
      EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
        return line.trimmed().startsWith(escaped);
      })) << what << ":\n" << r.out.toStdString();
    }
  }
}

TEST_F(CliProcessTest, VersionPrintsTheProgramsVersion) {
  const Result r = Run({"--version"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out.toStdString(), "vesperon-cli " VESPERON_VERSION "\n");
}

// With standard output closed, the first file the program opens would take its
// descriptor; the program must refuse at once and name the closed output.
TEST_F(CliProcessTest, AClosedStandardOutputIsAnError) {
  for (const char* command : {"day", "--help", "--version"}) {
    const Result r = Run({"-c", QStringLiteral("exec \"$0\" %1 >&-").arg(command), QStringLiteral(VESPERON_CLI_PATH)},
                         QStringLiteral("/bin/sh"));
    EXPECT_EQ(r.exitCode, 1) << command;
    EXPECT_EQ(r.err.toStdString(), "vesperon-cli: the output could not be written (Bad file descriptor).\n")
        << command;
  }
}

// The phase lists end with the last date the program accepts, 31 December 9999.
TEST_F(CliProcessTest, PhasesStopAtTheLastDate) {
  const Result phases = Run({"phases", "--date", "9999-11-20", "--count", "1000", "--time", "universal"});
  ASSERT_EQ(phases.exitCode, 0) << phases.err.toStdString();
  const QStringList lines = phases.out.split('\n', Qt::SkipEmptyParts);
  ASSERT_FALSE(lines.isEmpty());
  EXPECT_LE(lines.size(), 8) << phases.out.toStdString();
  EXPECT_TRUE(lines.last().contains("12/") && lines.last().contains("/9999")) << lines.last().toStdString();
  EXPECT_FALSE(phases.out.contains("10000")) << phases.out.toStdString();

  const QJsonArray json = QJsonDocument::fromJson(
      Run({"phases", "--date", "9999-12-20", "--count", "8", "--json", "--time", "universal"}).out.toUtf8()).array();
  EXPECT_LT(json.size(), 8);
  EXPECT_FALSE(json.isEmpty());
  for (const QJsonValue& phase : json) EXPECT_TRUE(phase["date"].toString().endsWith("/9999"));

  for (const char* form : {"--date", "--long-form"}) {
    const QStringList arguments =
        form == QLatin1String("--date") ? QStringList{"day", "--date", "9999-12-31"}
                                        : QStringList{"day", "--date", "9999-12-31", "--long-form"};
    const Result day = Run(arguments);
    ASSERT_EQ(day.exitCode, 0) << day.err.toStdString();
    EXPECT_FALSE(day.out.contains("10000")) << day.out.toStdString();
    EXPECT_TRUE(day.out.contains("/9999 ")) << "the phase of the last month is listed";
    const QJsonObject dayJson = DayJson(arguments.mid(1));
    for (const QJsonValue row : dayJson["phaseText"].toArray())
      EXPECT_TRUE(row.toArray()[1].toString().endsWith("/9999")) << row.toArray()[1].toString().toStdString();
  }
}

TEST_F(CliProcessTest, EveryErrorStaysOneLine) {
  const Result r = Run({"day", "--date", "2024-01-0\n1\r\u2028"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("\"2024-01-0\\n1\\r\\u2028\"")) << r.err.toStdString();
}

TEST_F(CliProcessTest, OutputThatCannotBeWrittenIsAnError) {
  const Result r = Run({"month", "--month", "2024-02"}, QStringLiteral(VESPERON_CLI_PATH), "/dev/full");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err.toStdString(), "vesperon-cli: the output could not be written (No space left on device).\n");
}

TEST_F(CliProcessTest, OutputPastAFileSizeLimitIsReportedNotEndedBySignal) {
  // The program starts with the signal's default action, as from a shell with
  // `ulimit -f`: the kernel would end it at the first byte past the limit.
  childSetup_ = [] {
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{100, 100}; // bytes
    ::setrlimit(RLIMIT_FSIZE, &limit);
  };
  const QTemporaryDir out;
  const Result r = Run({"month", "--month", "2024-02"}, QStringLiteral(VESPERON_CLI_PATH), out.filePath("month.txt"));
  EXPECT_EQ(r.exitStatus, QProcess::NormalExit);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err.toStdString(), "vesperon-cli: the output could not be written (File too large).\n");
}

// Started with standard input and error closed, the program holds /dev/null
// there (a file it opened would otherwise take descriptor 2 and receive its
// error lines). It is looked at while it waits on a pipe nobody reads.
TEST_F(CliProcessTest, ClosedStandardInputAndErrorGetDevNull) {
  const char* script = R"sh(
    "$0" ics --from 2024-01-01 --to 2024-12-31 > >(sleep 10) 0<&- 2>&- &
    program=$!
    for try in $(seq 100); do
      fds="$(readlink /proc/$program/fd/0) $(readlink /proc/$program/fd/2)"
      [ "$fds" = "/dev/null /dev/null" ] && break
      sleep 0.05
    done
    kill $program
    echo "$fds")sh";
  const Result r = Run({"-c", script, QStringLiteral(VESPERON_CLI_PATH)}, QStringLiteral("/bin/bash"));
  EXPECT_EQ(r.out.trimmed().toStdString(), "/dev/null /dev/null") << r.err.toStdString();
}

// A stored name of megabytes is cut to 256 characters with one notice: a
// month of calendar events once took 26 s and crashed.
TEST_F(CliProcessTest, AStoredNameOfMegabytesIsCutWithOneNotice) {
  {
    QSettings store(StorePath(), QSettings::IniFormat);
    store.setValue("Location/City", QString(5'000'000, QLatin1Char('x')));
  }
  const std::string notice = "vesperon-cli: The place name stored in " + StorePath().toStdString() +
                             " is longer than 256 characters; only its first 256 are used.\n";
  const Result day = Run({"day", "--date", "2024-03-01"});
  EXPECT_EQ(day.exitCode, 0) << day.err.left(300).toStdString();
  EXPECT_EQ(day.err.toStdString(), notice);
  EXPECT_TRUE(day.out.contains(QString(256, QLatin1Char('x')) + QLatin1Char(' '))) << day.out.left(300).toStdString();
  EXPECT_FALSE(day.out.contains(QString(257, QLatin1Char('x'))));
  const Result ics = Run({"ics", "--from", "2024-03-01", "--to", "2024-03-31"});
  EXPECT_EQ(ics.exitCode, 0) << ics.err.left(300).toStdString();
  EXPECT_EQ(ics.err.toStdString(), notice);
  EXPECT_LT(ics.out.size(), 1'000'000);
}

// A run cut short by a closed pipe still ends by SIGPIPE, as Unix programs
// do, and leaves no temporary folder behind.
TEST_F(CliProcessTest, ARunCutShortByAClosedPipeLeavesNoTemporaryFolder) {
  {
    QSettings store(StorePath(), QSettings::IniFormat); // a store to read
    store.setValue("Location/City", "Here");
  }
  const QTemporaryDir temporaryFolder;
  extraEnvironment_ = {{"TMPDIR", temporaryFolder.path()}};
  // A year of events is far more than a pipe holds, so the program is still
  // writing when `head` has gone.
  const Result r = Run({"-c", "\"$0\" ics --from 2024-01-01 --to 2024-12-31 | head -c 1 >/dev/null; echo \"${PIPESTATUS[0]}\"",
                        QStringLiteral(VESPERON_CLI_PATH)},
                       QStringLiteral("/bin/bash"));
  EXPECT_EQ(r.out.trimmed().toStdString(), "141") << "128 + SIGPIPE";
  EXPECT_EQ(QDir(temporaryFolder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
}

// A place name an 8-bit system stored in Latin-1 reads whole though the
// temporary folder cannot be used.
TEST_F(CliProcessTest, ALatin1NameReadsWholeWithoutATemporaryFolder) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(StorePath()).path()));
  {
    QFile store(StorePath());
    ASSERT_TRUE(store.open(QIODevice::WriteOnly));
    store.write("[Location]\nCity=Bogot\xe1\nTimeZone=5\nLatitude=4.6\nLongitude=74.08\n");
  }
  const QTemporaryDir elsewhere;
  const QString aFile = elsewhere.filePath("a file");
  ASSERT_TRUE(QFile(aFile).open(QIODevice::WriteOnly));
  for (const QString& tmpdir : {aFile, elsewhere.filePath("gone")}) {
    extraEnvironment_ = {{"TMPDIR", tmpdir}};
    const Result day = Run({"day", "--date", "2024-03-01"});
    EXPECT_EQ(day.exitCode, 0) << day.err.toStdString();
    EXPECT_TRUE(day.out.contains(QStringLiteral("Bogot\u00e1 "))) << day.out.left(200).toStdString();
  }
}

// The phase list that stops at the last date before the count says so; an
// error line cuts a long value it echoes; bidirectional and other format
// characters of a name are escaped like control characters.
TEST_F(CliProcessTest, NoticesCutEchoesAndEscapedFormatCharacters) {
  const Result phases = Run({"phases", "--count", "1000", "--date", "9999-12-31"});
  EXPECT_EQ(phases.exitCode, 0);
  EXPECT_EQ(phases.err.toStdString(),
            "vesperon-cli: The list stops at 31 December 9999, the last date the program accepts: 2 of the 1000 "
            "phases asked for are listed.\n");
  EXPECT_TRUE(Run({"phases", "--count", "4", "--date", "2024-01-01"}).err.isEmpty());

  const Result echo = Run({"day", "--date", QString(100'000, QLatin1Char('7'))});
  EXPECT_EQ(echo.exitCode, 2);
  EXPECT_EQ(echo.err, QStringLiteral("vesperon-cli: --date accepts a date YYYY-MM-DD from 0001-01-01 to 9999-12-31, "
                                     "not \"%1\u2026\".\n")
                          .arg(QString(80, QLatin1Char('7'))));
  // The cut keeps whole characters: a pair of UTF-16 units (U+1F319) and a
  // letter with its combining accent straddling the 80th unit are left out.
  const QString crescent = QString::fromUtf16(u"\U0001F319");
  const QString accented = QStringLiteral("e\u0301");
  for (const QString& straddling : {crescent, accented}) {
    const QString value = QString(79, QLatin1Char('x')) + straddling + QStringLiteral("tail");
    const Result cut = Run({"day", "--date", value});
    EXPECT_EQ(cut.exitCode, 2);
    EXPECT_TRUE(cut.err.endsWith(QStringLiteral("not \"%1\u2026\".\n").arg(QString(79, QLatin1Char('x')))))
        << cut.err.toStdString();
  }
  // A line break after a date is no date.
  EXPECT_EQ(Run({"day", "--date", "2026-01-01\n"}).exitCode, 2);

  const QString name = QStringLiteral("a\u202eb\u2066c\u2069\u200e\u200f\u061c\u200bd\u00ade");
  const Result day = Run({"day", "--date", "2024-03-01", "--lat", "10", "--lon", "20", "--zone", "1", "--name", name});
  EXPECT_EQ(day.exitCode, 0) << day.err.toStdString();
  EXPECT_TRUE(day.out.contains("a\\u202eb\\u2066c\\u2069\\u200e\\u200f\\u061c\\u200bd\\xade"))
      << day.out.toStdString();
}

TEST_F(CliProcessTest, AStoreThatIsNoRegularFileGivesOneLineAndTheDefaults) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(StorePath()).path()));
  ASSERT_EQ(::mkfifo(QFile::encodeName(StorePath()).constData(), 0600), 0);
  const Result r = Run({"day", "--date", "2024-03-01"}); // a FIFO once hung the program
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.err.toStdString(), "vesperon-cli: The settings could not be read from " + StorePath().toStdString() +
                                     " (it is not a regular file). The default settings are used.\n");
  EXPECT_TRUE(r.out.contains("Zedir Izudiz,MI")) << r.out.toStdString();
}

} // namespace

namespace {

// Local Time from the stored settings: the stored place's zone and Time=3,
// read by the tool as the desktop program left them; every time the wall
// clock of the date, the day of the spring change included.
TEST_F(CliProcessTest, LocalTimeFromTheStoreShowsTheWallClockOfEachDate) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(StorePath()).path()));
  {
    QSettings store(StorePath(), QSettings::IniFormat);
    store.setValue("Location/City", "London, UK");
    store.setValue("Location/TimeZone", "0");
    store.setValue("Location/Latitude", "51.51");
    store.setValue("Location/Longitude", "0.13");
    store.setValue("Location/ZoneId", "Europe/London");
    store.setValue("Flags/Automode", "1"); // Local Time stays whatever the computer's clock
    store.setValue("Flags/Time", "3");
  }
  const struct {
    const char* date;
    const char* sunrise;
  } cases[] = {{"2026-03-28", "2026-03-28T05:45:00+00:00"}, {"2026-03-29", "2026-03-29T06:43:00+01:00"},
               {"2026-10-25", "2026-10-25T06:42:00+00:00"}};
  for (const auto& c : cases) {
    const QJsonObject day = DayJson({"--date", c.date, "--clock", "24"});
    const QString sunrise = day["local"].toObject()["sun"].toObject()["rise"].toString();
    EXPECT_EQ(sunrise, QLatin1String(c.sunrise)) << c.date;
    EXPECT_EQ(day["dayText"].toArray().at(1).toString().trimmed(), sunrise.mid(11, 5)) << c.date;
  }
}

// --tz with --lat and --lon and no --zone: the zone's standard time is taken,
// and the month and year tables mark the day the clocks change.
TEST_F(CliProcessTest, TzGivesTheZoneAndTheTablesMarkTheChangeDay) {
  const QStringList santiago = {"--lat", "-33.45", "--lon", "70.67", "--tz", "America/Santiago", "--time", "local"};
  const Result month = Run(QStringList{"month", "--month", "2026-04"} + santiago);
  ASSERT_EQ(month.exitCode, 0) << month.err.toStdString();
  EXPECT_TRUE(month.out.contains("Local Time (-0300/-0400)")) << month.out.toStdString();
  // The clocks go back at midnight ending 4 April: that day has 25 hours.
  const QStringList marked = month.out.split('\n').filter(QStringLiteral("2026* "));
  ASSERT_EQ(marked.size(), 1) << month.out.toStdString();
  EXPECT_TRUE(marked[0].contains("2026*  7:32a  7:57a")) << marked[0].toStdString();
  const Result csv = Run(QStringList{"month", "--month", "2026-04", "--mode", "csv"} + santiago);
  EXPECT_TRUE(csv.out.contains("2026*,7:32a,")) << csv.out.toStdString();

  const Result year = Run(QStringList{"year", "--year", "2026", "--event", "sun", "--mode", "csv", "--lat", "51.51",
                                      "--lon", "0.13", "--tz", "Europe/London", "--time", "local"});
  ASSERT_EQ(year.exitCode, 0) << year.err.toStdString();
  const QStringList changes = year.out.split('\n').filter(QStringLiteral("clocks change"));
  ASSERT_EQ(changes.size(), 2) << year.out.toStdString();
  EXPECT_TRUE(changes[0].startsWith("2026-03-29,6:43a,")) << changes[0].toStdString();
  EXPECT_TRUE(changes[1].startsWith("2026-10-25,")) << changes[1].toStdString();

  const Result refused = Run({"day", "--lat", "0", "--lon", "0", "--tz", "Mars/Olympus_Mons"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_TRUE(refused.err.contains("--tz accepts")) << refused.err.toStdString();
}

// Sky events in Local Time: the June solstice in British Summer Time.
TEST_F(CliProcessTest, EventsInLocalTimeTakeTheOffsetInForce) {
  const Result r = Run({"events", "--year", "2026", "--kinds", "seasons", "--mode", "csv", "--lat", "51.51", "--lon",
                        "0.13", "--tz", "Europe/London", "--time", "local"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QStringList june = r.out.split('\n').filter(QStringLiteral("june-solstice"));
  ASSERT_EQ(june.size(), 1) << r.out.toStdString();
  EXPECT_TRUE(june[0].startsWith("2026-06-21,09:24:")) << june[0].toStdString();
  const QStringList march = r.out.split('\n').filter(QStringLiteral("march-equinox"));
  ASSERT_EQ(march.size(), 1);
  EXPECT_TRUE(march[0].startsWith("2026-03-20,14:45:")) << march[0].toStdString();
}

} // namespace
