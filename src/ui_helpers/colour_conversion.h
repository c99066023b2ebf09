// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stored colour values (red in the lowest byte, then green, then blue) to and
// from the toolkit's colours.

#include "settings_values.h"

#include <QColor>

namespace settings {

inline QColor ToQColor(ColourValue v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

inline ColourValue ColourValueOf(const QColor& c) {
  return static_cast<ColourValue>(c.red()) | static_cast<ColourValue>(c.green()) << 8 |
         static_cast<ColourValue>(c.blue()) << 16;
}

} // namespace settings
