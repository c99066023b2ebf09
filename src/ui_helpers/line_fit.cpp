// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_fit.h"

#include "text_fit.h"

#include <QLabel>

namespace ui_helpers {
namespace {

// The text cut in two at the separator nearest its middle.
QStringList TwoLines(const QString& text, const QString& separator) {
  qsizetype best = -1;
  for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, at + 1))
    if (best < 0 || std::abs(at - text.size() / 2) < std::abs(best - text.size() / 2)) best = at;
  if (best < 0) return {text};
  return {text.left(best + separator.size()).trimmed(), text.mid(best + separator.size()).trimmed()};
}

} // namespace

QString FitInLabel(QLabel& label, const QString& full, const QString& brief) {
  const int room = label.contentsRect().width();
  const QFontMetrics metrics(label.font());
  if (metrics.horizontalAdvance(full) <= room) return full;
  if (metrics.horizontalAdvance(brief) <= room) return brief;
  QStringList lines = TwoLines(brief, QStringLiteral("; "));
  if (lines.size() < 2) lines = TwoLines(brief, QStringLiteral(" "));
  QFont font = FontToFit(label.font(), lines, room);
  // Both lines within the label's height.
  while (lines.size() * QFontMetrics(font).height() > label.contentsRect().height() && font.pixelSize() > 6)
    font.setPixelSize(font.pixelSize() - 1);
  label.setFont(font);
  return lines.join(QLatin1Char('\n'));
}

} // namespace ui_helpers
