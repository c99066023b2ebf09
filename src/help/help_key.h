// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// F1 anywhere in the program shows the help topic of what the user is doing:
// the highlighted menu item's, else that of the nearest window or panel that
// carries one. Widgets and actions name their topic in the property
// "HelpContext" (an int, a help context number); without one, the contents.

class QObject;

namespace help {

inline constexpr char kHelpContextProperty[] = "HelpContext";

// Installs the F1 handling on the application, once.
void InstallHelpKey();

// The context number F1 shows when pressed in `target`.
int HelpContextAt(QObject* target);

} // namespace help
