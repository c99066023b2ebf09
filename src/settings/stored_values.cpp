// SPDX-License-Identifier: GPL-3.0-or-later
#include "stored_values.h"

#include <QStringList>
#include <algorithm>
#include <QVariant>

namespace settings {
namespace {

bool AllCharacters(QStringView text, bool (*accepted)(char16_t)) {
  if (text.isEmpty()) return false;
  for (const QChar c : text) {
    if (!accepted(c.unicode())) return false;
  }
  return true;
}

bool IsDecimalDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool IsHexDigit(char16_t c) { return IsDecimalDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

std::optional<int> IntIfInRange(qlonglong value) {
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

} // namespace

std::optional<int> ParseStoredInteger(const QString& text) {
  const QString trimmed = text.trimmed();
  bool ok = false;

  if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    const QStringView digits = QStringView(trimmed).mid(2);
    if (!AllCharacters(digits, IsHexDigit)) return std::nullopt;
    const qulonglong value = digits.toULongLong(&ok, 16);
    if (!ok || value > static_cast<qulonglong>(INT_MAX)) return std::nullopt;
    return static_cast<int>(value);
  }

  const bool signedText = trimmed.startsWith(QLatin1Char('-')) || trimmed.startsWith(QLatin1Char('+'));
  if (!AllCharacters(QStringView(trimmed).mid(signedText ? 1 : 0), IsDecimalDigit)) return std::nullopt;
  const qlonglong value = trimmed.toLongLong(&ok, 10);
  if (!ok) return std::nullopt;
  return IntIfInRange(value);
}

std::optional<QString> ReadStoredText(const QSettings& store, const QString& key) {
  const QVariant value = store.value(key);
  if (!value.isValid()) return std::nullopt;
  // QSettings reads an unquoted INI value with commas as a list of its parts.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
  if (value.typeId() == QMetaType::QString) return value.toString();
  if (value.typeId() == QMetaType::QByteArray) return QString::fromUtf8(value.toByteArray());
  return std::nullopt;
}

int ReadStoredInteger(const QSettings& store, const QString& key, int fallback, int lowest, int highest) {
  const std::optional<QString> text = ReadStoredText(store, key);
  if (!text) return fallback;
  const std::optional<int> value = ParseStoredInteger(*text);
  if (!value || *value < lowest || *value > highest) return fallback;
  return *value;
}

bool ReadStoredFlag(const QSettings& store, const QString& key, bool fallback) {
  return ReadStoredInteger(store, key, fallback ? 1 : 0) != 0;
}

void WriteStoredText(QSettings& store, const QString& key, const QString& text) { store.setValue(key, text); }

QString StoredFlagText(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }

QString StoredIntegerText(qint64 value) { return QString::number(value); }

void WriteStoredInteger(QSettings& store, const QString& key, qint64 value) {
  WriteStoredText(store, key, StoredIntegerText(value));
}

void WriteStoredFlag(QSettings& store, const QString& key, bool value) {
  WriteStoredText(store, key, StoredFlagText(value));
}

void WriteChangedTexts(QSettings& store, const StoredTexts& loaded, const StoredTexts& current) {
  for (const auto& entry : current) {
    // A named member, not a structured binding: clang before 16 cannot capture one.
    const QString& key = entry.first;
    const QString& text = entry.second;
    const auto was = std::find_if(loaded.begin(), loaded.end(), [&key](const auto& old) { return old.first == key; });
    if (was == loaded.end() || was->second != text || !store.contains(key)) WriteStoredText(store, key, text);
  }
}

} // namespace settings
