// SPDX-License-Identifier: GPL-3.0-or-later
#include "eight_bit_text.h"

#include <QHash>
#include <QList>
#include <QStringDecoder>

namespace settings {
namespace {

bool IsUtf8(QByteArrayView line) {
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  const QString decoded = utf8(line); // the decoder decodes only when its result is taken
  return !utf8.hasError();
}

// The lines of a text split at LF, a CR before the LF kept with its line.
QList<QByteArray> Lines(const QByteArray& text) { return text.split('\n'); }

} // namespace

QString DecodeUtf8OrLatin1(QByteArrayView line) {
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  const QString text = utf8(line);
  return utf8.hasError() ? QString::fromLatin1(line) : text;
}

QByteArray LinesAsUtf8(const QByteArray& text) {
  QList<QByteArray> lines = Lines(text);
  for (QByteArray& line : lines) {
    if (!IsUtf8(line)) line = QString::fromLatin1(line).toUtf8();
  }
  return lines.join('\n');
}

QByteArray KeepLatin1Lines(const QByteArray& original, const QByteArray& rewritten) {
  QHash<QByteArray, QByteArray> latin1Lines; // the line in UTF-8 -> its original bytes
  for (QByteArray line : Lines(original)) {
    if (line.endsWith('\r')) line.chop(1);
    if (!IsUtf8(line)) latin1Lines.insert(QString::fromLatin1(line).toUtf8(), line);
  }
  if (latin1Lines.isEmpty()) return rewritten;
  QList<QByteArray> lines = Lines(rewritten);
  for (QByteArray& line : lines) {
    const bool crlf = line.endsWith('\r');
    const auto kept = latin1Lines.constFind(crlf ? line.chopped(1) : line);
    if (kept != latin1Lines.constEnd()) line = *kept + (crlf ? "\r" : "");
  }
  return lines.join('\n');
}

} // namespace settings
