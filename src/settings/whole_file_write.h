// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Replacing a file as a whole, with every failure reported.

#include <QByteArray>
#include <QString>

namespace settings {

struct WholeFileWrite {
  bool ok = false;
  QString reason; // when !ok: the system's reason, such as "File too large"
};

// Writes `bytes` to a temporary file beside `path` that takes the old file's
// place only when every byte has reached it, so a full disk, a file-size limit
// or a crash on the way leaves the old file as it was. Creates the folder if
// needed. A path where something other than a regular file stands (links
// followed) is refused; a link to a regular file is written through and
// stays a link. Unlike a plain QSaveFile, whose buffered data are written only by
// the final flush inside commit() where a failure goes unnoticed, nothing here
// is buffered.
[[nodiscard]] WholeFileWrite WriteWholeFile(const QString& path, const QByteArray& bytes);

// Makes a write past the file-size limit (ulimit -f) fail with "File too
// large", which the write paths report and clean up after, instead of the
// signal SIGXFSZ ending the process with nothing saved and a cut file left
// behind. Each program calls it first thing.
void IgnoreFileSizeSignal();

} // namespace settings
