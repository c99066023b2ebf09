// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Saving bytes to a file the user names: the save dialog (or a test's answer)
// opens on a suggested name in the folder of the last save, the file is
// replaced whole, and a failure is shown naming the file and the reason.

#include <QByteArray>
#include <QString>
#include <functional>

class QWidget;

namespace ui_helpers {

// The file to write, or empty when the user cancelled. Tests put their own
// answer in place of the dialog; the writing that follows is the real one.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                              const QString& filter)>;

// Asks choose for a file under `caption`, suggesting baseName + extension in
// lastFolder (the home folder before the first save, or when it is gone), and
// writes the bytes there; lastFolder becomes the chosen file's folder. False
// when cancelled or when the write failed (then told).
bool SaveBytesToChosenFile(QWidget* parent, const SaveFileChooser& choose, const QString& caption,
                           const QString& baseName, const QString& extension, const QString& filter,
                           const QByteArray& bytes, QString& lastFolder);

// Bytes refused before any file was asked for (a calendar past the year 3000):
// says so, naming the reason, and returns false; true where nothing was refused.
bool NothingRefused(QWidget* parent, const QString& caption, const QString& refusal);

} // namespace ui_helpers
