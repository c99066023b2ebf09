// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_output.h"

#include <QByteArray>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace cli {

QString EscapeControlCharacters(const QString& text) {
  QString escaped;
  escaped.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    const QChar::Category category = c.category();
    if (category != QChar::Other_Control && category != QChar::Other_Format && category != QChar::Separator_Line &&
        category != QChar::Separator_Paragraph) {
      escaped += c;
    } else if (u == u'\n') {
      escaped += QLatin1String("\\n");
    } else if (u == u'\r') {
      escaped += QLatin1String("\\r");
    } else if (u == u'\t') {
      escaped += QLatin1String("\\t");
    } else if (u < 0x100) {
      escaped += QStringLiteral("\\x%1").arg(static_cast<uint>(u), 2, 16, QLatin1Char('0'));
    } else {
      escaped += QStringLiteral("\\u%1").arg(static_cast<uint>(u), 4, 16, QLatin1Char('0'));
    }
  }
  return escaped;
}

QString EchoedValue(const QString& value) {
  if (value.size() <= kEchoedCharacters) return value;
  // The cut falls between graphemes, so that it never splits a surrogate
  // pair (shown as "?") nor parts a letter from its accents.
  QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, value);
  graphemes.setPosition(kEchoedCharacters);
  const qsizetype cut = graphemes.isAtBoundary() ? kEchoedCharacters : graphemes.toPreviousBoundary();
  return value.left(std::max<qsizetype>(cut, 0)) + QChar(0x2026);
}

bool WriteWhole(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  const std::size_t size = static_cast<std::size_t>(bytes.size());
  const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
  return std::fflush(stream) == 0 && written;
}

} // namespace cli
