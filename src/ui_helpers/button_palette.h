// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Controls that sit on the coloured day view but must keep the system's button
// look (the status bar, the calendar's arrows) take these colours explicitly:
// a palette only inherited from the day view would give them its background
// and text colours.

#include <QApplication>
#include <QPalette>

namespace ui_helpers {

// The application's palette with the button colours as the window and text
// colours, each role set explicitly so that no parent's palette overrides it.
inline QPalette ButtonPalette() {
  QPalette palette = QApplication::palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Window, palette.color(group, QPalette::Button));
    palette.setColor(group, QPalette::WindowText, palette.color(group, QPalette::ButtonText));
    palette.setColor(group, QPalette::Button, palette.color(group, QPalette::Button));
    palette.setColor(group, QPalette::ButtonText, palette.color(group, QPalette::ButtonText));
  }
  return palette;
}

} // namespace ui_helpers
