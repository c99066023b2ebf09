// SPDX-License-Identifier: GPL-3.0-or-later
#include "place_search.h"

#include <QHash>
#include <algorithm>
#include <tuple>

namespace places {
namespace {

// Letters that compatibility decomposition leaves whole.
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

// The letters and digits of the text, folded, with one blank between words.
QString FoldedWords(const QString& text) {
  const bool ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
  const QString decomposed = ascii ? text.toLower() : text.normalized(QString::NormalizationForm_KD).toCaseFolded();
  QString key;
  key.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    if (IsMark(c) || IsDropped(c)) continue;
    if (c.isLetterOrNumber()) {
      const auto plain = PlainLetters().constFind(c);
      key += plain != PlainLetters().cend() ? *plain : QString(c);
    } else if (!key.isEmpty() && !key.endsWith(QLatin1Char(' '))) {
      key += QLatin1Char(' ');
    }
  }
  return key;
}

} // namespace

QString SearchKey(const QString& text) {
  QString key = FoldedWords(text);
  // "St." typed alone is already the abbreviation: its full stop says so.
  const bool abbreviatedAtEnd = text.trimmed().endsWith(QLatin1Char('.'));
  QStringList words = key.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (qsizetype i = 0; i < words.size(); ++i) {
    const bool followed = i + 1 < words.size() || abbreviatedAtEnd;
    const auto full = Abbreviations().constFind(words[i]);
    if (followed && full != Abbreviations().cend()) words[i] = *full;
  }
  return words.join(QLatin1Char(' '));
}

PlaceSearch::PlaceSearch(const QStringList& names, const OtherPlaceNames& otherNames, const PlaceDetailsByName& details) {
  const auto keyOf = [](const QString& name, qsizetype place) {
    const qsizetype comma = name.indexOf(QLatin1Char(','));
    return Key{SearchKey(name), comma < 0 ? QString() : SearchKey(name.left(comma)), place};
  };
  names_.reserve(static_cast<std::size_t>(names.size()));
  populations_.reserve(static_cast<std::size_t>(names.size()));
  QHash<QString, qsizetype> placeOfName;
  for (qsizetype i = 0; i < names.size(); ++i) {
    names_.push_back(keyOf(names.at(i), i));
    populations_.push_back(details.value(names.at(i).trimmed()).population);
    placeOfName.insert(names.at(i).trimmed(), i);
  }
  for (auto other = otherNames.cbegin(); other != otherNames.cend(); ++other) {
    const auto place = placeOfName.constFind(other.key());
    if (place != placeOfName.cend()) otherNames_.push_back(keyOf(other.value(), *place));
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
    if (key.whole == wanted || key.town == wanted) return kExact;
    if (key.whole.startsWith(wanted)) return beginning;
    if (key.whole.contains(wordStart)) return kWord;
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
  return PlaceSearch(names, FormerPlaceNames(), ShippedPlaceDetails());
}

qsizetype BestPlace(const QStringList& names, const QString& typed) {
  const std::vector<qsizetype> ranked = ShippedPlaceSearch(names).Rank(typed);
  return ranked.empty() ? -1 : ranked.front();
}

} // namespace places
