// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built vesperon as a desktop session does, against a temporary
// settings folder.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

struct Result {
  int exitCode = -1;
  QProcess::ExitStatus exitStatus = QProcess::CrashExit;
  QString out;
};

class AppProcessTest : public ::testing::Test {
protected:
  // The environment of a session with `platform` (none: no display at all).
  QProcessEnvironment Environment(const QString& platform) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QLatin1String(name));
    if (!platform.isEmpty()) env.insert("QT_QPA_PLATFORM", platform);
    env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
    env.insert("XDG_DATA_HOME", home_.filePath("data"));
    env.insert("XDG_RUNTIME_DIR", home_.path());
    env.insert("LC_ALL", "en_US.UTF-8");
    return env;
  }

  Result Run(const QStringList& arguments, const QString& platform,
             const QString& locale = QStringLiteral("en_US.UTF-8")) {
    QProcess process;
    QProcessEnvironment env = Environment(platform);
    env.insert("LC_ALL", locale);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VESPERON_PATH), arguments);
    if (!process.waitForFinished(20000)) process.kill(); // a window opened instead
    process.waitForFinished();
    return {process.exitCode(), process.exitStatus(), QString::fromUtf8(process.readAllStandardOutput())};
  }

  QString StorePath() const { return home_.filePath("config/Vesperon Software/Vesperon.ini"); }

  QTemporaryDir home_;
};

TEST_F(AppProcessTest, HelpAndVersionAnswerOnTheTerminalWithOrWithoutADisplay) {
  for (const QString platform : {QString(), QStringLiteral("offscreen")}) {
    const std::string label = platform.isEmpty() ? "no display" : platform.toStdString();
    for (const QStringList& arguments : {QStringList{"--version"}, QStringList{"-v"}}) {
      const Result version = Run(arguments, platform);
      EXPECT_EQ(version.exitStatus, QProcess::NormalExit) << label;
      EXPECT_EQ(version.exitCode, 0) << label;
      EXPECT_EQ(version.out.toStdString(), "vesperon " VESPERON_VERSION "\n") << label;
    }
    const Result help = Run({"--help"}, platform);
    EXPECT_EQ(help.exitStatus, QProcess::NormalExit) << label;
    EXPECT_EQ(help.exitCode, 0) << label;
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: "))) << label << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--version"))) << label;
  }
  // Qt's own options stay Qt's: no letter of "-stylesheet" is taken for -h.
  const Result qtOptions = Run({"-stylesheet", "none.qss", "--version"}, QStringLiteral("offscreen"));
  EXPECT_EQ(qtOptions.out.toStdString(), "vesperon " VESPERON_VERSION "\n");
}

// The help speaks the user's language, Qt's own lines with it.
TEST_F(AppProcessTest, HelpIsToldInTheUsersLanguage) {
  const Result help = Run({"--help"}, QString(), QStringLiteral("de_DE.UTF-8"));
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.startsWith(QStringLiteral("Aufruf: "))) << help.out.toStdString();
  EXPECT_TRUE(help.out.contains(QStringLiteral("Sonne und Mond, Dämmerung und Mondphasen"))) << help.out.toStdString();
}

// Whether the process has a handler for the signal (its SigCgt mask in
// /proc), which the program installs as it starts.
bool Catches(qint64 pid, int signal) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return false;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("SigCgt:")) return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
  }
  return false;
}

// SIGTERM, as a desktop session sends it at logout: the settings a close
// writes are written (here a first run's, with its location) and the
// program ends normally, asking nothing. A Latin-1 name keeps its bytes.
TEST_F(AppProcessTest, SigtermWritesWhatACloseWrites) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(StorePath()).path()));
  {
    QFile store(StorePath());
    ASSERT_TRUE(store.open(QIODevice::WriteOnly));
    store.write("[Window]\nTop=40\nLeft=30\n[Other]\nName=Bogot\xe1\n");
  }
  QProcess process;
  process.setProcessEnvironment(Environment(QStringLiteral("offscreen")));
  process.start(QStringLiteral(VESPERON_PATH), {});
  ASSERT_TRUE(process.waitForStarted());
  for (int tries = 0; tries < 400 && !Catches(process.processId(), SIGTERM); ++tries) QThread::msleep(50);
  ASSERT_TRUE(Catches(process.processId(), SIGTERM)) << "the program took no hold of SIGTERM";
  ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), SIGTERM), 0);
  const bool ended = process.waitForFinished(20000);
  if (!ended) process.kill();
  ASSERT_TRUE(ended) << "the program did not end";
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 0);

  QFile store(StorePath());
  ASSERT_TRUE(store.open(QIODevice::ReadOnly));
  const QByteArray bytes = store.readAll();
  for (const char* line : {"\nTop=40\n", "\nLeft=30\n", "\nName=Bogot\xe1\n", "\nTwilight=2\n", "\nCity=", "\nPath="})
    EXPECT_TRUE(bytes.contains(line)) << line << " in\n" << bytes.toStdString();
}

} // namespace
