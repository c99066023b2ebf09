// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The faces the month table is drawn and printed in. The stored names are
// those of the Windows fonts; here "Arial" and "Courier" resolve to their
// metric-compatible Liberation faces, so widths and pages come out as designed,
// and "MS Sans Serif" to the system sans-serif face the main window uses.

#include <QFont>
#include <QString>

namespace ui_helpers {

// A font of the named face; "Arial" and "Courier" (and "Courier New") resolve
// to Liberation Sans and Liberation Mono, other names stay as they are.
QFont FaceFont(const QString& family, int points, bool bold = false, bool italic = false);

// The system sans-serif face at the pixel height of an "MS Sans Serif" font
// of this many points on a screen of dpi pixels per inch.
QFont SansSerifFont(int points, int dpi);

} // namespace ui_helpers
