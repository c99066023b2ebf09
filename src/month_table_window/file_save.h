// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Saving bytes to a file the user names: the save dialog (or a test's answer)
// opens on a suggested name in the folder of the last save, the file is
// replaced whole, and a failure is shown naming the file and the reason.

#include "list_export.h"

#include <QByteArray>
#include <QString>

class QWidget;

namespace monthtable {

// Asks choose for a file under `caption`, suggesting baseName + extension in
// lastFolder (the home folder before the first save, or when it is gone), and
// writes the bytes there; lastFolder becomes the chosen file's folder. False
// when cancelled or when the write failed (then told).
bool SaveBytesToChosenFile(QWidget* parent, const ExportChoosers& choose, const QString& caption,
                           const QString& baseName, const QString& extension, const QString& filter,
                           const QByteArray& bytes, QString& lastFolder);

} // namespace monthtable
