#include "location_file.h"

#include "location_record.h"

#include "../support/scoped_file_size_limit.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace settings {
namespace {

QString Record(const char* name) {
  return FormatLocationRecord(QString::fromUtf8(name), QStringLiteral("42.97"), QStringLiteral("85.6"), 34);
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

bool IsRoot() { return ::geteuid() == 0; }

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

TEST(LocationListOfText, ReadsAFileInAnotherEightBitEncodingWithoutLoss) {
  // "São Paulo" written by a Latin-1 system: 0xE3 is no valid UTF-8.
  const LocationList list = LocationListOfText("h\r\nr\r\nS\xE3o Paulo|1|2|3\r\n");
  EXPECT_EQ(list.Names(), QStringList{QString::fromUtf8("S\xC3\xA3o Paulo")});
  EXPECT_EQ(LocationListOfText(LocationFileText(list)), list);
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
  if (IsRoot()) GTEST_SKIP() << "permissions do not bind root";
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Location.txt"));
  const QByteArray old = LocationFileText(LocationList(QStringList{Record("Old")}));
  WriteBytes(path, old);
  ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  const LocationFileWrite written = WriteLocationFile(path, LocationList(QStringList{Record("New")}));
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_FALSE(written.ok);
  EXPECT_FALSE(written.error.isEmpty());
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

TEST(ChooseLocationFilePaths, UsesTheProgramFolderWhenItIsWritable) {
  const QTemporaryDir program;
  const QTemporaryDir data;
  const QString beside = QDir(program.path()).filePath(QStringLiteral("Location.txt"));
  const LocationFilePaths paths = ChooseLocationFilePaths(program.path(), data.path());
  EXPECT_EQ(paths.readPath, beside);
  EXPECT_EQ(paths.writePath, beside);
}

// With the program folder unwritable the list is always saved in the user's
// folder, and read from there once saved; before that, a list shipped beside
// the program is read.
void ExpectDataFolderChoice(const QString& programFolder, const QString& dataFolder) {
  const QString beside = QDir(programFolder).filePath(QStringLiteral("Location.txt"));
  const QString users = QDir(dataFolder).filePath(QStringLiteral("Location.txt"));
  const bool shipped = QFileInfo::exists(beside);
  for (const bool saved : {false, true}) {
    QFile::remove(users);
    if (saved) WriteBytes(users, "h\nr\n");
    const LocationFilePaths paths = ChooseLocationFilePaths(programFolder, dataFolder);
    EXPECT_EQ(paths.writePath, users) << "shipped " << shipped << ", saved " << saved;
    EXPECT_EQ(paths.readPath, shipped && !saved ? beside : users) << "shipped " << shipped << ", saved " << saved;
  }
}

TEST(ChooseLocationFilePaths, UsesTheDataFolderWhenTheProgramFolderIsMissing) {
  const QTemporaryDir data;
  ExpectDataFolderChoice(QStringLiteral("/nonexistent/vesperon/bin"), data.path());
}

TEST(ChooseLocationFilePaths, UsesTheDataFolderWhenTheProgramFolderIsReadOnly) {
  if (IsRoot()) GTEST_SKIP() << "permissions do not bind root";
  const QTemporaryDir program;
  const QTemporaryDir data;
  const QString beside = QDir(program.path()).filePath(QStringLiteral("Location.txt"));
  for (const bool shipped : {false, true}) {
    if (shipped) WriteBytes(beside, "h\nr\n");
    ASSERT_TRUE(QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    ExpectDataFolderChoice(program.path(), data.path());
    QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
}

TEST(ChooseLocationFilePaths, AProgramFileIsNoFolder) {
  const QTemporaryDir dir;
  const QTemporaryDir data;
  const QString notAFolder = dir.filePath(QStringLiteral("vesperon"));
  WriteBytes(notAFolder, "binary");
  EXPECT_EQ(ChooseLocationFilePaths(notAFolder, data.path()).writePath,
            QDir(data.path()).filePath(QStringLiteral("Location.txt")));
}

TEST(DefaultLocationFilePaths, ChoosesBetweenTheProgramFolderAndTheUsersDataFolder) {
  const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  ASSERT_FALSE(dataFolder.isEmpty());
  const LocationFilePaths expected = ChooseLocationFilePaths(QCoreApplication::applicationDirPath(), dataFolder);
  const LocationFilePaths paths = DefaultLocationFilePaths();
  EXPECT_EQ(paths.readPath, expected.readPath);
  EXPECT_EQ(paths.writePath, expected.writePath);
  EXPECT_EQ(QFileInfo(paths.writePath).fileName(), QStringLiteral("Location.txt"));
}

} // namespace
} // namespace settings
