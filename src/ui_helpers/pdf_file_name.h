// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A new PDF file in a folder, named after what it holds and never one that
// exists already.

#include <QString>

namespace ui_helpers {

struct ReservedFile {
  QString path;  // empty when no file could be created
  QString error; // why, when path is empty
};

// Creates "<baseName>.pdf" in folder (and the folder when missing), or
// "<baseName> (2).pdf", "(3)" and so on when that name is taken. The file is
// created empty, exclusively, so two prints never write into one file. Path
// separators in baseName become dashes.
ReservedFile ReservePdfFile(const QString& folder, const QString& baseName);

} // namespace ui_helpers
