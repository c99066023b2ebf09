#include "custom_colours.h"

#include "stored_values.h"

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

} // namespace settings
