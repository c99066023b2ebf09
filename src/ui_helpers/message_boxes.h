// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The location editor's and the closing questions' message boxes: an input
// error with the error icon and OK, and a question titled "Confirm" with Yes,
// No and Cancel. Both are modal and wait for the user.

#include <QMessageBox>

class QWidget;

namespace ui_helpers {

// Shows the error; when focus is given it gets the keyboard focus afterwards.
void ShowInputError(QWidget* parent, const QString& title, const QString& text, QWidget* focus = nullptr);

// Yes, No or Cancel (closing the box counts as Cancel).
QMessageBox::StandardButton AskToConfirm(QWidget* parent, const QString& text);

} // namespace ui_helpers
