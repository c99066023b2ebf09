#include "location_file.h"

#include "whole_file_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

namespace settings {
namespace {

constexpr qsizetype kHeaderLines = 2;

QStringList SplitLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
    lines.append(text.mid(start, i - start));
    if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.append(text.mid(start));
  return lines;
}

// The file is in the system's 8-bit encoding. A file that is not valid in it
// (a list brought from a machine with another code page) is read as Latin-1,
// so that no character is lost when the list is written back.
QString DecodeFileText(const QByteArray& bytes) {
  QStringDecoder decoder(QStringConverter::System);
  const QString text = decoder(bytes);
  return decoder.hasError() ? QString::fromLatin1(bytes) : text;
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
  QStringList lines = SplitLines(DecodeFileText(fileText));
  if (lines.size() <= kHeaderLines) return LocationList();
  lines.remove(0, kHeaderLines);
  return LocationList(std::move(lines));
}

QByteArray LocationFileText(const LocationList& list) {
  const QByteArray lineEnd = QByteArrayLiteral("\r\n");
  QByteArray text = QByteArray(kLocationHeader) + lineEnd + QByteArray(kLocationRule) + lineEnd;
  for (const QString& record : list.Records()) text += record.toLocal8Bit() + lineEnd;
  return text;
}

LocationFileRead ReadLocationFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {false, {},
            QCoreApplication::translate("settings", "The location list could not be read from %1 (%2).")
                .arg(Native(path), file.errorString())};
  }
  return {true, LocationListOfText(file.readAll()), {}};
}

LocationFileWrite WriteLocationFile(const QString& path, const LocationList& list) {
  const WholeFileWrite written = WriteWholeFile(path, LocationFileText(list));
  if (written.ok) return {true, {}};
  return {false, QCoreApplication::translate("settings", "The location list could not be saved to %1 (%2).")
                     .arg(Native(path), written.reason)};
}

} // namespace settings
