// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the window system lets a program keep its window above the others.
// On Wayland the compositor alone orders the windows and offers no request
// for it, so Qt's WindowStaysOnTopHint does nothing there.

#include <QString>

namespace main_window {

// Empty where a window can be kept on top on the platform of this name (as
// QGuiApplication::platformName() gives it); else why not, for the Stay on
// Top item's tooltip.
QString WhyNoStayOnTop(const QString& platformName);

} // namespace main_window
