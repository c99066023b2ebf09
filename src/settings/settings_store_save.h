// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Saving the settings store without losing it. QSettings writes its file
// through a QSaveFile whose final flush may fail unnoticed, and then reports
// success and puts an empty or cut file in the old one's place (seen with a
// full disk or a file-size limit). So the values are first written to a copy
// of the store, the copy is read back by a fresh QSettings and compared, and
// only a complete copy replaces the store's file.

#include <QSettings>
#include <QString>
#include <functional>

namespace settings {

struct SettingsStoreSave {
  bool ok = false;
  QString error; // when !ok: a sentence for the user naming the file and the cause
};

// Applies `write` to the values of the INI store at `path` (created when
// missing, folder included) and saves them. On failure the file is as it was.
// The read, the merge and the replacement hold the store's lock (FileLock),
// so that two copies saving at once keep both their values; the work files
// lie in the store's folder. A line of the old store in Latin-1 that the
// session left alone keeps its bytes.
[[nodiscard]] SettingsStoreSave SaveSettingsStore(const QString& path, const std::function<void(QSettings&)>& write);

} // namespace settings
