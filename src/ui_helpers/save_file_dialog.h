// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The file question of the month table window's saves: Qt's file dialog in
// save mode. A name typed without an extension takes the chosen type's
// ("noext" saved as CSV is "noext.csv"; as "All files" it stays "noext"), and
// the window that asked has the keyboard again when the dialog closes, a
// "replace the file?" question included.

#include <QString>

class QWidget;

namespace ui_helpers {

// The extension of a name filter's first pattern: "csv" of "CSV files
// (*.csv)", nothing of "All files (*)".
QString ExtensionOfNameFilter(const QString& nameFilter);

// The chosen file, or empty when the user cancelled.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath, const QString& filter);

} // namespace ui_helpers
