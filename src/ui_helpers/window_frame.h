// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the windows opened from the main window share in their frame: the
// main window's colours on it, the system's look on its buttons, and the
// screen's dots per inch their sizes follow.

#include <QColor>
#include <QString>

class QPushButton;
class QWidget;

namespace ui_helpers {

// The frame's background and its labels' text in the main window's colours.
void ApplyFrameColours(QWidget* frame, const QColor& background, const QColor& text);

// A button with the system's colours on the coloured frame, named for tests
// and the accessibility walk.
QPushButton* FrameButton(QWidget* parent, const QString& caption, const char* objectName);

// The primary screen's logical dots per inch, 96 without a screen.
int PrimaryScreenDpi();

} // namespace ui_helpers
