// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_store_save.h"

#include "eight_bit_text.h"
#include "file_lock.h"
#include "regular_file_read.h"
#include "store_snapshot.h"
#include "whole_file_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

namespace settings {
namespace {

using StoreTexts = QMap<QString, QString>;

// Every value as text, as a value set in memory and the same value read back
// from the file compare: a number set as such reads back as its text, and a
// list may come back as a list of variants.
StoreTexts TextsOf(const QSettings& store) {
  StoreTexts texts;
  for (const QString& key : store.allKeys()) {
    const QVariant value = store.value(key);
    const bool list = value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList;
    texts.insert(key, list ? value.toStringList().join(QLatin1Char(',')) : value.toString());
  }
  return texts;
}

SettingsStoreSave Failure(const QString& path, const QString& reason) {
  return {false, QCoreApplication::translate("settings", "The settings could not be saved to %1 (%2).")
                     .arg(QDir::toNativeSeparators(path), reason)};
}

} // namespace

SettingsStoreSave SaveSettingsStore(const QString& path, const std::function<void(QSettings&)>& write) {
  // A copy of the program saving at the same moment waits here, and then
  // merges into what the other one saved.
  const FileLock lock(path);
  if (!lock.locked()) return Failure(path, lock.reason());
  // The work files lie beside the store, on its own disk: a full temporary
  // folder does not stop the save.
  const QFileInfo info(path);
  const QTemporaryDir work(info.absoluteDir().filePath(QStringLiteral(".%1-XXXXXX").arg(info.fileName())));
  if (!work.isValid()) return Failure(path, work.errorString());
  // QSettings keeps what it read of a file by the file's name: every file
  // opened here has a name of its own, so each one is read from the disk.
  const QString staged = work.filePath(QStringLiteral("staged.ini"));
  const QString check = work.filePath(QStringLiteral("check.ini"));

  // The store as it is now, so that values another copy of the program saved
  // meanwhile stay; a store that is no regular file is never written through.
  const StoreSnapshot old(path);
  if (!old.reason().isEmpty()) return Failure(path, old.reason());
  StoreTexts expected;
  {
    // The old values pass through QSettings' reading before they are written:
    // a damaged file's odd sections and values then come back from the new
    // file as they were written, and the check below compares like with like.
    QSettings store(staged, QSettings::IniFormat);
    for (const QString& key : old.values().allKeys()) store.setValue(key, old.values().value(key));
    write(store);
    store.sync();
    if (store.status() != QSettings::NoError) return Failure(path, QCoreApplication::translate("settings", "the values could not be written"));
    expected = TextsOf(store);
  }
  if (!QFile::rename(staged, check)) return Failure(path, QCoreApplication::translate("settings", "the values could not be written"));
  if (TextsOf(QSettings(check, QSettings::IniFormat)) != expected)
    return Failure(path, QCoreApplication::translate("settings", "not every value could be written; the disk may be full"));

  const RegularFileRead complete = ReadRegularFile(check, kMaxStoreFileBytes);
  if (!complete.ok) return Failure(path, complete.reason);
  // A Latin-1 line nobody changed goes back as it was, not in UTF-8.
  const WholeFileWrite written = WriteWholeFile(path, KeepLatin1Lines(old.bytes(), complete.bytes));
  if (!written.ok) return Failure(path, written.reason);
  return {true, {}};
}

} // namespace settings
