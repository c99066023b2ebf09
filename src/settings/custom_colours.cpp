// SPDX-License-Identifier: GPL-3.0-or-later
#include "custom_colours.h"

#include "stored_values.h"

#include <utility>

namespace settings {
namespace {

const QString kSection = QStringLiteral("CustomColors");
const QString kKeyPrefix = kSection + QLatin1Char('/');

constexpr qsizetype kNameLength = 6; // "ColorA"
constexpr qsizetype kMaxValueLength = 12;

bool IsCustomColourName(QStringView name) {
  return name.size() == kNameLength && name.startsWith(QLatin1String("Color")) && name[5] >= QLatin1Char('A') &&
         name[5] <= QLatin1Char('P');
}

} // namespace

QStringList ReadCustomColours(const QSettings& store) {
  QStringList entries;
  for (const QString& key : store.allKeys()) {
    if (!key.startsWith(kKeyPrefix)) continue;
    const QString name = key.mid(kKeyPrefix.size());
    if (name.contains(QLatin1Char('/'))) continue; // a sub-section, not a value
    entries.append(name + QLatin1Char('=') + ReadStoredText(store, key).value_or(QString()));
  }
  return entries;
}

void WriteCustomColours(QSettings& store, const QStringList& entries) {
  store.remove(kSection);
  for (const QString& entry : entries) {
    const QStringView name = QStringView(entry).left(kNameLength);
    if (!IsCustomColourName(name) || entry.size() <= kNameLength || entry[kNameLength] != QLatin1Char('=')) continue;
    WriteStoredText(store, kKeyPrefix + name.toString(), entry.mid(kNameLength + 1, kMaxValueLength));
  }
}

std::optional<CustomColourSet> CustomColoursOf(const QStringList& entries) {
  CustomColourSet colours;
  colours.fill(kWhite);
  std::array<bool, kCustomColourCount> seen{};
  for (const QString& entry : entries) {
    const QStringView name = QStringView(entry).left(kNameLength);
    if (!IsCustomColourName(name) || entry.size() <= kNameLength || entry[kNameLength] != QLatin1Char('=')) continue;
    const int index = name[5].unicode() - 'A';
    if (std::exchange(seen[index], true)) continue; // the first entry of a name counts
    const QStringView value = QStringView(entry).mid(kNameLength + 1);
    if (value.isEmpty()) continue;
    bool ok = false;
    const uint parsed = value.toUInt(&ok, 16);
    if (!ok) return std::nullopt;
    colours[index] = parsed & 0xFFFFFF;
  }
  return colours;
}

QStringList CustomColourEntries(const CustomColourSet& colours) {
  QStringList entries;
  for (int i = 0; i < kCustomColourCount; ++i)
    entries << QStringLiteral("Color%1=%2").arg(QChar('A' + i)).arg(colours[i], 6, 16, QLatin1Char('0'));
  return entries;
}

} // namespace settings
