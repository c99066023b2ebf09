// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/location_file.h"

#include "places/location_record.h"

#include "../support/scoped_file_size_limit.h"
#include "../support/unprivileged_child.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace places {
namespace {

QString Record(const char* name) {
  return FormatLocationRecord(QString::fromUtf8(name), QStringLiteral("42.97"), QStringLiteral("85.6"), *ZoneIndexOfHours(5.0f));
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(LocationFileText, HasTheHeaderTheRuleAndCrLfLines) {
  const LocationList list(QStringList{Record("Zedir Izudiz,MI")});
  EXPECT_EQ(LocationFileText(list), QByteArray("      Location           |  Lat  |  Long  | TZ\r\n"
                                               "----------------------------------------------\r\n"
                                               "Zedir Izudiz,MI          | 42.97 |   85.6 |  5\r\n"));
  EXPECT_EQ(qstrlen(kLocationHeader), 46u);
  EXPECT_EQ(qstrlen(kLocationRule), 46u);
}

TEST(LocationListOfText, DropsTheFirstTwoLinesWhateverTheyHold) {
  const LocationList list = LocationListOfText("Lima|1|2|5\nQuito|3|4|5\nBogota|5|6|5\nAccra|7|8|0\n");
  EXPECT_EQ(list.Names(), (QStringList{QStringLiteral("Accra"), QStringLiteral("Bogota")}));
}

TEST(LocationListOfText, FewerThanThreeLinesGiveAnEmptyList) {
  const QByteArray texts[] = {"", "\r\n", "header only", "header\r\nrule", "header\r\nrule\r\n"};
  for (const QByteArray& text : texts) EXPECT_TRUE(LocationListOfText(text).IsEmpty()) << text.toStdString();
}

TEST(LocationListOfText, EndsLinesAtCrLfOrEither) {
  const LocationList list = LocationListOfText("h\rr\nC|1|2|3\r\nB|1|2|3\rA|1|2|3\n\nD|1|2|3");
  EXPECT_EQ(list.Names(), (QStringList{QString(), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                       QStringLiteral("D")}))
      << "the blank line is an entry with an empty name; the last line needs no end";
}

TEST(LocationListOfText, SurvivesGarbage) {
  QByteArray binary;
  for (int i = 0; i < 4096; ++i) binary.append(static_cast<char>((i * 131 + 7) % 256));
  const QByteArray texts[] = {
      binary,
      QByteArray("h\nr\n") + QByteArray(1 << 20, 'x') + "|1|2|3\n", // one very long line
      QByteArray("h\nr\n\0\0|\0|\0|\0\n", 14),
      QByteArray("h\nr\n|||||||||||||\n"),
  };
  for (const QByteArray& text : texts) {
    const LocationList list = LocationListOfText(text);
    EXPECT_EQ(list.Names().size(), list.Size());
    for (const QString& record : list.Records()) (void)ExtractLocationFields(record);
  }
}

// One line from an 8-bit system once made the whole file Latin-1, and saving
// then encoded every UTF-8 name twice ("ZÃ¼rich").
TEST(LocationFile, AFileMixingUtf8AndLatin1LinesKeepsEveryNameThroughReadAndWrite) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Location.txt"));
  WriteBytes(path, "h\r\nr\r\n"
                   "Z\xC3\xBCrich|1|2|3\r\n"       // UTF-8
                   "S\xE3o Paulo|1|2|3\r\n"         // Latin-1: 0xE3 alone is no UTF-8
                   "\xE6\x9D\xB1\xE4\xBA\xAC|1|2|3\n" // UTF-8, three bytes a character
                   "Malm\xF6|1|2|3\r"                 // Latin-1
                   "Oslo|1|2|3");
  const QStringList names = {QString::fromUtf8("Malm\xC3\xB6"), QStringLiteral("Oslo"),
                             QString::fromUtf8("S\xC3\xA3o Paulo"), QString::fromUtf8("Z\xC3\xBCrich"),
                             QString::fromUtf8("\xE6\x9D\xB1\xE4\xBA\xAC")};
  const LocationFileRead read = ReadLocationFile(path);
  ASSERT_TRUE(read.ok) << read.error.toStdString();
  EXPECT_EQ(read.list.Names(), names);

  ASSERT_TRUE(WriteLocationFile(path, read.list).ok);
  const QByteArray written = ReadBytes(path);
  EXPECT_TRUE(written.contains("S\xC3\xA3o Paulo|") && written.contains("Z\xC3\xBCrich|")) << "written as UTF-8";
  EXPECT_EQ(ReadLocationFile(path).list.Names(), names);
}

TEST(LocationFile, WritesAndReadsBack) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Location.txt"));
  const LocationList list(QStringList{Record("Zedir Izudiz,MI"), Record("berlin"), Record("Boston"),
                                      Record("S\xC3\xA3o Paulo")});
  const LocationFileWrite written = WriteLocationFile(path, list);
  ASSERT_TRUE(written.ok) << written.error.toStdString();
  const LocationFileRead read = ReadLocationFile(path);
  ASSERT_TRUE(read.ok) << read.error.toStdString();
  EXPECT_EQ(read.list, list);
}

TEST(LocationFile, CreatesAMissingDataFolder) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("new/deeper/Location.txt"));
  ASSERT_TRUE(WriteLocationFile(path, LocationList(QStringList{Record("A")})).ok);
  EXPECT_EQ(ReadLocationFile(path).list.Size(), 1);
}

TEST(LocationFile, ReadingAMissingFileSaysSo) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Location.txt"));
  const LocationFileRead read = ReadLocationFile(path);
  EXPECT_FALSE(read.ok);
  EXPECT_TRUE(read.list.IsEmpty());
  EXPECT_TRUE(read.error.contains(QDir::toNativeSeparators(path))) << read.error.toStdString();
}

// A FIFO once hung the reader and /dev/zero filled the memory.
TEST(LocationFile, ReadsOnlyARegularFileOfAtMost16MiB) {
  const QTemporaryDir dir;
  const QString fifo = dir.filePath(QStringLiteral("fifo"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString huge = dir.filePath(QStringLiteral("huge"));
  {
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxLocationFileBytes + 1)); // sparse: no disk used
  }
  const QString largest = dir.filePath(QStringLiteral("largest"));
  {
    QFile file(largest);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxLocationFileBytes));
  }
  const struct {
    QString path;
    const char* reason; // empty: read
  } cases[] = {{fifo, "it is not a regular file"},
               {QStringLiteral("/dev/zero"), "it is not a regular file"},
               {dir.path(), "it is not a regular file"},
               {huge, "it is larger than 16 MiB"},
               {largest, nullptr}};
  for (const auto& c : cases) {
    const LocationFileRead read = ReadLocationFile(c.path);
    if (c.reason == nullptr) {
      EXPECT_TRUE(read.ok) << c.path.toStdString() << ": " << read.error.toStdString();
      continue;
    }
    EXPECT_FALSE(read.ok) << c.path.toStdString();
    EXPECT_TRUE(read.list.IsEmpty());
    EXPECT_EQ(read.error, QStringLiteral("The location list could not be read from %1 (%2).")
                              .arg(QDir::toNativeSeparators(c.path), QLatin1String(c.reason)));
  }
}

TEST(LocationFile, AFailedWriteIsReportedNotClaimed) {
  const QTemporaryDir dir;
  const QString blocker = dir.filePath(QStringLiteral("a-file"));
  WriteBytes(blocker, "not a folder");
  const QString path = blocker + QStringLiteral("/Location.txt"); // no folder can be made there
  const LocationFileWrite written = WriteLocationFile(path, LocationList(QStringList{Record("A")}));
  EXPECT_FALSE(written.ok);
  EXPECT_TRUE(written.error.startsWith(QStringLiteral("The location list could not be saved to ")))
      << written.error.toStdString();
  EXPECT_TRUE(written.error.contains(QDir::toNativeSeparators(path)));
}

TEST(LocationFile, AnUnwritableFolderIsReportedAndTheOldFileKept) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Location.txt"));
  const QByteArray old = LocationFileText(LocationList(QStringList{Record("Old")}));
  WriteBytes(path, old);
  ASSERT_TRUE(testing_support::HandToChild(dir.path()) && testing_support::HandToChild(path));
  ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  const testing_support::ChildOutcome child = testing_support::RunUnprivileged([&path](QByteArray& report) {
    if (ReadBytes(path).isEmpty()) return 3; // the child must see the old file, or the test proves nothing
    const LocationFileWrite written = WriteLocationFile(path, LocationList(QStringList{Record("New")}));
    report = written.error.toUtf8();
    return written.ok ? 0 : 1;
  });
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(child.exitCode, 1) << "3: the old file was out of the child's reach; 126: privileges not dropped";
  EXPECT_TRUE(child.report.startsWith("The location list could not be saved to ")) << child.report.toStdString();
  EXPECT_EQ(ReadBytes(path), old);
}

LocationList NumberedList(int records) {
  QStringList many;
  for (int i = 0; i < records; ++i) many.append(Record(QByteArray::number(i).constData()));
  return LocationList(many);
}

// Small lists once went out only in the final flush, whose failure was missed
// and let an empty or cut file replace the old one.
TEST(LocationFile, AWriteStoppedByAFileSizeLimitIsReportedAndTheOldFileKept) {
  struct Case {
    int records;
    rlim_t limit; // bytes
  };
  // 3 records: 0.1 kB; 300: 14 kB, within Qt's write buffer; 2000: 94 kB.
  const Case cases[] = {{3, 0}, {300, 0}, {300, 1024}, {2000, 0}, {2000, 1024}};
  for (const Case& c : cases) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Location.txt"));
    const LocationList oldList(QStringList{Record("Old One"), Record("Old Two")});
    ASSERT_TRUE(WriteLocationFile(path, oldList).ok);
    const QByteArray oldBytes = ReadBytes(path);

    const LocationList newList = NumberedList(c.records);
    LocationFileWrite written;
    {
      const ScopedFileSizeLimit limit(c.limit);
      ASSERT_TRUE(limit.Active());
      written = WriteLocationFile(path, newList);
    }
    const std::string label = std::to_string(c.records) + " records, limit " + std::to_string(c.limit);
    EXPECT_FALSE(written.ok) << label;
    EXPECT_TRUE(written.error.contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
        << label << ": " << written.error.toStdString();
    EXPECT_TRUE(ReadBytes(path) == oldBytes) << label << ": the old file is whole";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Location.txt")})
        << label << ": no half-written temporary file is left behind";
    EXPECT_EQ(newList.Size(), c.records) << label << ": the list in memory is untouched";
  }
}

// The three folders under one temporary root, made or left out as asked.
class LocationFolders {
public:
  LocationFolders() {
    folders_ = {root_.filePath(QStringLiteral("bin")), root_.filePath(QStringLiteral("home/data")),
                root_.filePath(QStringLiteral("share/vesperon"))};
  }
  const LocationFileFolders& Folders() const { return folders_; }
  static QString File(const QString& folder) { return QDir(folder).filePath(QStringLiteral("Location.txt")); }
  QString Beside() const { return File(folders_.program); }
  QString Users() const { return File(folders_.userData); }
  QString Installed() const { return File(folders_.installed); }
  // Makes the folder of `file`, and the file itself when `withFile`.
  static void Make(const QString& file, bool withFile) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
    if (withFile) WriteBytes(file, "h\r\nr\r\n");
  }

private:
  QTemporaryDir root_;
  LocationFileFolders folders_;
};

bool Writable(const QString&) { return true; }
bool ReadOnly(const QString&) { return false; }

TEST(ChooseLocationFilePaths, ReadsTheFirstThatExistsAndSavesBesideTheProgramOnlyWhereItMay) {
  enum Place { kNone, kBeside, kUsers, kInstalled };
  struct Case {
    const char* what;
    bool programWritable;
    bool installedFolder; // the program is an installed one
    bool besideFile, usersFile, installedFile;
    Place read, write;
  };
  const Case cases[] = {
      {"a build without a list", true, false, false, false, false, kBeside, kBeside},
      {"a build with the list beside it", true, false, true, false, false, kBeside, kBeside},
      {"a build, the list beside it first", true, false, true, true, false, kBeside, kBeside},
      {"a build, the user's list next", true, false, false, true, false, kUsers, kBeside},
      {"a read-only folder, the shipped list until the user saves", false, false, true, false, false, kBeside, kUsers},
      {"a read-only folder, the user's saved list", false, false, true, true, false, kUsers, kUsers},
      {"a read-only folder without a list", false, false, false, false, false, kUsers, kUsers},
      {"installed: the installed list", false, true, false, false, true, kInstalled, kUsers},
      {"installed: the user's saved list", false, true, false, true, true, kUsers, kUsers},
      {"installed and writable (root): still the user's folder", true, true, false, false, true, kInstalled, kUsers},
      {"installed, a list beside the program first", true, true, true, false, true, kBeside, kUsers},
      {"installed without any list", true, true, false, false, false, kUsers, kUsers},
  };
  for (const Case& c : cases) {
    const LocationFolders f;
    LocationFolders::Make(f.Beside(), c.besideFile);
    if (c.usersFile) LocationFolders::Make(f.Users(), true);
    if (c.installedFolder) LocationFolders::Make(f.Installed(), c.installedFile);
    const QString paths[] = {QString(), f.Beside(), f.Users(), f.Installed()};
    const LocationFilePaths chosen = ChooseLocationFilePaths(f.Folders(), c.programWritable ? Writable : ReadOnly);
    EXPECT_EQ(chosen.readPath, paths[c.read]) << c.what;
    EXPECT_EQ(chosen.writePath, paths[c.write]) << c.what;
  }
}

TEST(ChooseLocationFilePaths, AfterASaveTheSavedListIsRead) {
  for (const bool installed : {false, true}) {
    const LocationFolders f;
    LocationFolders::Make(f.Beside(), !installed);
    if (installed) LocationFolders::Make(f.Installed(), true);
    const LocationFilePaths before = ChooseLocationFilePaths(f.Folders(), ReadOnly);
    ASSERT_EQ(before.writePath, f.Users()) << "the user's data folder does not exist yet";
    ASSERT_TRUE(WriteLocationFile(before.writePath, LocationList(QStringList{Record("Mine")})).ok);
    const LocationFilePaths after = ChooseLocationFilePaths(f.Folders(), ReadOnly);
    EXPECT_EQ(after.readPath, f.Users()) << "installed " << installed;
    EXPECT_EQ(ReadLocationFile(after.readPath).list.Names(), QStringList{QStringLiteral("Mine")});
  }
}

TEST(ChooseLocationFilePaths, AMissingProgramFolderOrAProgramFileIsNoPlaceToSave) {
  const LocationFolders f;
  const QString programFile = LocationFolders::File(f.Folders().program) + QStringLiteral(".exe");
  for (const bool fileInItsPlace : {false, true}) {
    if (fileInItsPlace) LocationFolders::Make(programFile, true);
    const QString program = fileInItsPlace ? programFile : f.Folders().program;
    const LocationFileFolders folders{program, f.Folders().userData, QString()};
    EXPECT_EQ(ChooseLocationFilePaths(folders, Writable).writePath, f.Users()) << program.toStdString();
  }
}

TEST(IsWritableFolder, IsTrueForAWritableFolderOnly) {
  const QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("file"));
  WriteBytes(file, "x");
  EXPECT_TRUE(IsWritableFolder(dir.path()));
  EXPECT_FALSE(IsWritableFolder(file));
  EXPECT_FALSE(IsWritableFolder(dir.filePath(QStringLiteral("missing"))));
  EXPECT_FALSE(IsWritableFolder(QString()));
}

TEST(DefaultLocationFilePaths, UsesTheProgramsFoldersAndTheUsersDataFolder) {
  const LocationFileFolders folders = DefaultLocationFileFolders();
  EXPECT_EQ(folders.program, QCoreApplication::applicationDirPath());
  EXPECT_EQ(folders.userData, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  EXPECT_EQ(folders.installed, QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/vesperon"));
  const LocationFilePaths expected = ChooseLocationFilePaths(folders);
  const LocationFilePaths paths = DefaultLocationFilePaths();
  EXPECT_EQ(paths.readPath, expected.readPath);
  EXPECT_EQ(paths.writePath, expected.writePath);
}

} // namespace
} // namespace places
