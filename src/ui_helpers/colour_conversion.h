// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stored colour values (red in the lowest byte, then green, then blue) to and
// from the toolkit's colours.

#include "settings/settings_values.h"

#include <QColor>

namespace ui_helpers {

inline QColor ToQColor(settings::ColourValue v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

inline settings::ColourValue ColourValueOf(const QColor& c) {
  return static_cast<settings::ColourValue>(c.red()) | static_cast<settings::ColourValue>(c.green()) << 8 |
         static_cast<settings::ColourValue>(c.blue()) << 16;
}

} // namespace ui_helpers
