#include "settings_store_save.h"

#include "whole_file_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

namespace settings {
namespace {

using StoreTexts = QMap<QString, QString>;

// Every value as text, as a value set in memory and the same value read back
// from the file compare: a number set as such reads back as its text.
StoreTexts TextsOf(const QSettings& store) {
  StoreTexts texts;
  for (const QString& key : store.allKeys()) {
    const QVariant value = store.value(key);
    texts.insert(key, value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                                : value.toString());
  }
  return texts;
}

struct FileBytes {
  bool ok = false;
  QByteArray bytes;
  QString reason;
};

FileBytes ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {false, {}, file.errorString()};
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return {false, {}, file.errorString()};
  return {true, bytes, {}};
}

SettingsStoreSave Failure(const QString& path, const QString& reason) {
  return {false, QCoreApplication::translate("settings", "The settings could not be saved to %1 (%2).")
                     .arg(QDir::toNativeSeparators(path), reason)};
}

} // namespace

SettingsStoreSave SaveSettingsStore(const QString& path, const std::function<void(QSettings&)>& write) {
  const QTemporaryDir work;
  if (!work.isValid()) return Failure(path, work.errorString());
  // QSettings keeps what it read of a file by the file's name: every file
  // opened here has a name of its own, so each one is read from the disk.
  const QString staged = work.filePath(QStringLiteral("staged.ini"));
  const QString check = work.filePath(QStringLiteral("check.ini"));

  if (QFile::exists(path)) {
    const FileBytes old = ReadAll(path);
    if (!old.ok) return Failure(path, old.reason);
    const WholeFileWrite copied = WriteWholeFile(staged, old.bytes);
    if (!copied.ok) return Failure(path, copied.reason);
  }
  StoreTexts expected;
  {
    QSettings store(staged, QSettings::IniFormat);
    write(store);
    store.sync();
    // A FormatError only tells that part of the old file could not be read;
    // what was readable is kept, and the check below sees what was written.
    if (store.status() == QSettings::AccessError)
      return Failure(path, QStringLiteral("the values could not be written"));
    expected = TextsOf(store);
  }
  if (!QFile::rename(staged, check)) return Failure(path, QStringLiteral("the values could not be written"));
  if (TextsOf(QSettings(check, QSettings::IniFormat)) != expected)
    return Failure(path, QStringLiteral("not every value could be written; the disk may be full"));

  const FileBytes complete = ReadAll(check);
  if (!complete.ok) return Failure(path, complete.reason);
  const WholeFileWrite written = WriteWholeFile(path, complete.bytes);
  if (!written.ok) return Failure(path, written.reason);
  return {true, {}};
}

} // namespace settings
