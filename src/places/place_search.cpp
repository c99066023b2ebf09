// SPDX-License-Identifier: GPL-3.0-or-later
#include "place_search.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace places {
namespace {

// Letters that compatibility decomposition leaves whole.
const QHash<QChar, QString>& PlainLetters() {
  static const QHash<QChar, QString> letters{
      {QChar(0x0142), QStringLiteral("l")},  {QChar(0x0111), QStringLiteral("d")},  {QChar(0x00F8), QStringLiteral("o")},
      {QChar(0x00DF), QStringLiteral("ss")}, {QChar(0x00E6), QStringLiteral("ae")}, {QChar(0x0153), QStringLiteral("oe")},
      {QChar(0x0131), QStringLiteral("i")},  {QChar(0x00F0), QStringLiteral("d")},  {QChar(0x00FE), QStringLiteral("th")},
      {QChar(0x0127), QStringLiteral("h")},  {QChar(0x2019), QStringLiteral("'")},  {QChar(0x02BB), QStringLiteral("'")},
  };
  return letters;
}

bool IsMark(QChar c) {
  const QChar::Category category = c.category();
  return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
         category == QChar::Mark_Enclosing;
}

} // namespace

QString SearchKey(const QString& text) {
  // Most names are plain ASCII: nothing to decompose, and lowering costs far
  // less than decomposing.
  if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; })) return text.toLower();
  const QString decomposed = text.normalized(QString::NormalizationForm_KD).toCaseFolded();
  QString key;
  key.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    if (IsMark(c)) continue;
    const auto plain = PlainLetters().constFind(c);
    if (plain != PlainLetters().cend()) key += *plain;
    else key += c;
  }
  return key;
}

qsizetype FindPlaceByTyping(const QStringList& names, const QString& typed, qsizetype from,
                            const OtherPlaceNames& otherNames) {
  const QString wanted = SearchKey(typed);
  if (wanted.isEmpty() || names.isEmpty()) return -1;
  // The few other names are searched first, so that the long list is looked
  // up only when one of them matches.
  QSet<QString> foundByOtherName;
  for (auto other = otherNames.cbegin(); other != otherNames.cend(); ++other)
    if (SearchKey(other.value()).startsWith(wanted)) foundByOtherName.insert(other.key());
  const qsizetype count = names.size();
  from = qBound(qsizetype{0}, from, count - 1);
  for (qsizetype step = 0; step < count; ++step) {
    const qsizetype i = (from + step) % count;
    if (SearchKey(names.at(i)).startsWith(wanted)) return i;
    if (!foundByOtherName.isEmpty() && foundByOtherName.contains(names.at(i))) return i;
  }
  return -1;
}

} // namespace places
