// SPDX-License-Identifier: GPL-3.0-or-later
#include "place_search.h"

#include <QHash>
#include <algorithm>
#include <tuple>

namespace places {
namespace {

// Letters that decomposition leaves whole.
const QHash<QChar, QString>& PlainLetters() {
  static const QHash<QChar, QString> letters{
      {QChar(0x0142), QStringLiteral("l")},  {QChar(0x0111), QStringLiteral("d")},  {QChar(0x00F8), QStringLiteral("o")},
      {QChar(0x00DF), QStringLiteral("ss")}, {QChar(0x00E6), QStringLiteral("ae")}, {QChar(0x0153), QStringLiteral("oe")},
      {QChar(0x0131), QStringLiteral("i")},  {QChar(0x00F0), QStringLiteral("d")},  {QChar(0x00FE), QStringLiteral("th")},
      {QChar(0x0127), QStringLiteral("h")},
  };
  return letters;
}

bool IsMark(QChar c) {
  const QChar::Category category = c.category();
  return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
         category == QChar::Mark_Enclosing;
}

// Dropped without a trace: "Ta'izz" is "taizz", "D.C." is "dc".
bool IsDropped(QChar c) {
  switch (c.unicode()) {
    case '\'': case '.': case '`': case 0x00B4: case 0x2018: case 0x2019: case 0x02BB: case 0x02BC: return true;
    default: return false;
  }
}

// Abbreviations spelt out where more words follow them.
const QHash<QString, QString>& Abbreviations() {
  static const QHash<QString, QString> words{
      {QStringLiteral("st"), QStringLiteral("saint")},
      {QStringLiteral("ste"), QStringLiteral("sainte")},
      {QStringLiteral("mt"), QStringLiteral("mount")},
  };
  return words;
}

// Appends the folded form of one character: its base letter without accents
// (decomposed letter by letter: far quicker than normalising whole texts),
// case-folded; a blank for a character that parts words.
void AppendFolded(QChar c, QString& key) {
  if (c.unicode() < 0x80) {
    if (c.isLetterOrNumber()) key += c.toLower();
    else if (!IsDropped(c) && !key.isEmpty() && !key.endsWith(QLatin1Char(' '))) key += QLatin1Char(' ');
    return;
  }
  const QChar folded = c.toCaseFolded();
  const auto plain = PlainLetters().constFind(folded);
  if (plain != PlainLetters().cend()) {
    key += *plain;
    return;
  }
  const QString parts = folded.decomposition();
  if (!parts.isEmpty()) {
    for (const QChar part : parts) AppendFolded(part, key);
  } else if (folded.isLetterOrNumber() || folded.isSurrogate()) {
    key += folded;
  } else if (!IsMark(folded) && !IsDropped(folded) && !key.isEmpty() && !key.endsWith(QLatin1Char(' '))) {
    key += QLatin1Char(' ');
  }
}

// The letters and digits of the text, folded, with one blank between words.
QString FoldedWords(const QString& text) {
  QString key;
  key.reserve(text.size());
  for (const QChar c : text) AppendFolded(c, key);
  if (key.endsWith(QLatin1Char(' '))) key.chop(1);
  return key;
}

} // namespace

QString SearchKey(const QString& text) {
  QString key = FoldedWords(text);
  // "St." typed alone is already the abbreviation: its full stop says so.
  const bool abbreviatedAtEnd = text.trimmed().endsWith(QLatin1Char('.'));
  qsizetype start = 0;
  while (start < key.size()) {
    qsizetype end = key.indexOf(QLatin1Char(' '), start);
    const bool followed = end >= 0 || abbreviatedAtEnd;
    if (end < 0) end = key.size();
    if (followed && end - start <= 3) {
      const auto full = Abbreviations().constFind(key.mid(start, end - start));
      if (full != Abbreviations().cend()) {
        key.replace(start, end - start, *full);
        end = start + full->size();
      }
    }
    start = end + 1;
  }
  return key;
}

FoldedName FoldName(const QString& name) {
  const qsizetype comma = name.indexOf(QLatin1Char(','));
  return {SearchKey(name), comma < 0 ? QString() : SearchKey(name.left(comma))};
}

FoldedOtherNames FoldOtherNames(const OtherPlaceNames& otherNames) {
  FoldedOtherNames folded;
  folded.reserve(otherNames.size());
  for (auto other = otherNames.cbegin(); other != otherNames.cend(); ++other)
    folded.insert(other.key(), FoldName(other.value()));
  return folded;
}

PlaceSearch::PlaceSearch(const QStringList& names, const FoldedOtherNames& otherNames, const PlaceDetailsByName& details) {
  names_.reserve(static_cast<std::size_t>(names.size()));
  populations_.reserve(static_cast<std::size_t>(names.size()));
  for (qsizetype i = 0; i < names.size(); ++i) {
    const QString name = names.at(i).trimmed();
    names_.push_back({FoldName(name), i});
    populations_.push_back(details.value(name).population);
    for (auto other = otherNames.constFind(name); other != otherNames.cend() && other.key() == name; ++other)
      otherNames_.push_back({*other, i});
  }
}

std::vector<qsizetype> PlaceSearch::Rank(const QString& typed) const {
  const QString wanted = SearchKey(typed);
  if (wanted.isEmpty()) return {};
  const QString wordStart = QLatin1Char(' ') + wanted;
  // How well a name matches, best 0; none past kNone.
  enum Match { kExact, kBeginning, kOtherBeginning, kWord, kNone };
  std::vector<Match> best(names_.size(), kNone);
  const auto note = [&best](qsizetype place, Match match) {
    Match& held = best[static_cast<std::size_t>(place)];
    held = std::min(held, match);
  };
  const auto matchOf = [&](const Key& key, Match beginning) {
    if (key.name.whole == wanted || key.name.town == wanted) return kExact;
    if (key.name.whole.startsWith(wanted)) return beginning;
    if (key.name.whole.contains(wordStart)) return kWord;
    return kNone;
  };
  for (const Key& key : names_) note(key.place, matchOf(key, kBeginning));
  for (const Key& key : otherNames_) note(key.place, matchOf(key, kOtherBeginning));

  std::vector<qsizetype> found;
  for (std::size_t i = 0; i < best.size(); ++i)
    if (best[i] != kNone) found.push_back(static_cast<qsizetype>(i));
  std::stable_sort(found.begin(), found.end(), [&](qsizetype a, qsizetype b) {
    const auto ia = static_cast<std::size_t>(a), ib = static_cast<std::size_t>(b);
    return std::tuple(best[ia], -populations_[ia]) < std::tuple(best[ib], -populations_[ib]);
  });
  return found;
}

PlaceSearch ShippedPlaceSearch(const QStringList& names) {
  static const FoldedOtherNames otherNames = FoldOtherNames(FormerPlaceNames());
  return PlaceSearch(names, otherNames, ShippedPlaceDetails());
}

qsizetype BestPlace(const QStringList& names, const QString& typed) {
  const std::vector<qsizetype> ranked = ShippedPlaceSearch(names).Rank(typed);
  return ranked.empty() ? -1 : ranked.front();
}

} // namespace places
