// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a file without trusting what stands at its path: a FIFO would block
// the open, and a device such as /dev/zero (or a link to one) would never end
// the read. Only a regular file of a bounded size is read.

#include <QByteArray>
#include <QString>

namespace settings {

struct RegularFileRead {
  bool ok = false;
  QByteArray bytes;
  QString reason; // when !ok: the cause, such as "it is not a regular file"
};

// The whole file at path when it is a regular file (links followed) of at
// most maxBytes; a missing file, a folder, a device, a FIFO or a larger file
// gives !ok and the reason.
[[nodiscard]] RegularFileRead ReadRegularFile(const QString& path, qint64 maxBytes);

} // namespace settings
