// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A line of parts joined by "; " fitted in a label of fixed size: whole when
// it fits, else in fewer words, else in two lines in the largest font that
// holds them.

#include <QString>

class QLabel;

namespace ui_helpers {

// The text to show in the label: full when its width holds it, else brief
// (the same parts in fewer words), else brief split in two lines between
// parts (or between words for a single part) with the label's font made
// small enough for both. The label's font is left at the size chosen.
QString FitInLabel(QLabel& label, const QString& full, const QString& brief);

} // namespace ui_helpers
