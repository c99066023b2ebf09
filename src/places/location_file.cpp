// SPDX-License-Identifier: GPL-3.0-or-later
#include "location_file.h"

#include "settings/eight_bit_text.h"
#include "settings/file_lock.h"
#include "settings/regular_file_read.h"
#include "settings/whole_file_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace places {
namespace {

constexpr qsizetype kHeaderLines = 2;

// CR, LF or the pair ends a line; neither byte occurs inside a UTF-8 sequence.
QStringList DecodeLines(const QByteArray& bytes) {
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const char c = bytes.at(i);
    if (c != '\r' && c != '\n') continue;
    lines.append(settings::DecodeUtf8OrLatin1(QByteArrayView(bytes).sliced(start, i - start)));
    if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.append(settings::DecodeUtf8OrLatin1(QByteArrayView(bytes).sliced(start)));
  return lines;
}

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

bool IsWritableFolder(const QString& folder) {
  const QFileInfo info(folder);
  return !folder.isEmpty() && info.isDir() && info.isWritable();
}

LocationFilePaths ChooseLocationFilePaths(const LocationFileFolders& folders, FolderWritable writable) {
  const auto fileIn = [](const QString& folder) {
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QLatin1String(kLocationFileName));
  };
  const QString beside = fileIn(folders.program);
  const QString users = fileIn(folders.userData);
  const QString installed = fileIn(folders.installed);

  const bool installedProgram = !folders.installed.isEmpty() && QFileInfo(folders.installed).isDir();
  const bool saveBeside = users.isEmpty() || (!installedProgram && QFileInfo(folders.program).isDir() &&
                                              writable(folders.program));
  const QString writePath = saveBeside ? beside : users;

  for (const QString& candidate : {writePath, beside, users, installed}) {
    if (!candidate.isEmpty() && QFileInfo(candidate).isFile()) return {candidate, writePath};
  }
  return {writePath, writePath};
}

LocationFileFolders DefaultLocationFileFolders() {
  const QString program = QCoreApplication::applicationDirPath();
  return {program, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
          QDir::cleanPath(program + QStringLiteral("/../share/vesperon"))};
}

LocationFilePaths DefaultLocationFilePaths() { return ChooseLocationFilePaths(DefaultLocationFileFolders()); }

LocationList LocationListOfText(const QByteArray& fileText) {
  QStringList lines = DecodeLines(fileText);
  if (lines.size() <= kHeaderLines) return LocationList();
  lines.remove(0, kHeaderLines);
  return LocationList(std::move(lines));
}

QByteArray LocationFileText(const LocationList& list) {
  const QByteArray lineEnd = QByteArrayLiteral("\r\n");
  QByteArray text = QByteArray(kLocationHeader) + lineEnd + QByteArray(kLocationRule) + lineEnd;
  for (const QString& record : list.Records()) text += record.toUtf8() + lineEnd;
  return text;
}

LocationFileRead ReadLocationFile(const QString& path) {
  const auto refused = [&path](const QString& reason) {
    return LocationFileRead{false, {},
                            QCoreApplication::translate("places", "The location list could not be read from %1 (%2).")
                                .arg(Native(path), reason)};
  };
  const settings::RegularFileRead read = settings::ReadRegularFile(path, kMaxLocationFileBytes);
  if (!read.ok) return refused(read.reason);
  return {true, LocationListOfText(read.bytes), {}};
}

namespace {

QString SaveFailure(const QString& path, const QString& reason) {
  return QCoreApplication::translate("places", "The location list could not be saved to %1 (%2).")
      .arg(Native(path), reason);
}

} // namespace

LocationFileWrite WriteLocationFile(const QString& path, const LocationList& list) {
  const settings::WholeFileWrite written = settings::WriteWholeFile(path, LocationFileText(list));
  if (written.ok) return {true, {}};
  return {false, SaveFailure(path, written.reason)};
}

LocationFileMerge SaveMergedLocationFile(const QString& path, const LocationList& asRead, const LocationList& ours) {
  const settings::FileLock lock(path);
  if (!lock.locked()) return {false, {}, SaveFailure(path, lock.reason())};
  LocationList merged = ours;
  const QFileInfo info(path);
  if (info.exists() || info.isSymLink()) {
    const settings::RegularFileRead now = settings::ReadRegularFile(path, kMaxLocationFileBytes);
    if (!now.ok) return {false, {}, SaveFailure(path, now.reason)};
    merged = MergeLocationLists(asRead, ours, LocationListOfText(now.bytes));
  }
  const LocationFileWrite written = WriteLocationFile(path, merged);
  if (!written.ok) return {false, {}, written.error};
  return {true, merged, {}};
}

} // namespace places
