// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How single values sit in the settings store: every value is text. Integers
// are written in decimal and read in decimal or as "0x"/"0X" hexadecimal;
// flags are "0" or "1" and read as integers, true when non-zero. Keys are
// "Section/Value". A missing or unreadable value gives the caller's default;
// nothing is reported.

#include <QSettings>
#include <QString>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

namespace settings {

// An integer text: optional sign and decimal digits, or "0x"/"0X" and
// hexadecimal digits; blanks around it are ignored. Empty when the text is
// anything else or does not fit an int.
std::optional<int> ParseStoredInteger(const QString& text);

// The text of a stored value; empty when the value is absent or is no text.
// A plain INI value with commas comes back whole, commas included.
std::optional<QString> ReadStoredText(const QSettings& store, const QString& key);

// The stored integer, or fallback when it is absent, unreadable or outside
// [lowest, highest].
int ReadStoredInteger(const QSettings& store, const QString& key, int fallback, int lowest = INT_MIN,
                      int highest = INT_MAX);

bool ReadStoredFlag(const QSettings& store, const QString& key, bool fallback);

// The texts a flag and an integer are stored as.
QString StoredFlagText(bool value);
QString StoredIntegerText(qint64 value);

void WriteStoredText(QSettings& store, const QString& key, const QString& text);
void WriteStoredInteger(QSettings& store, const QString& key, qint64 value);
void WriteStoredFlag(QSettings& store, const QString& key, bool value);

// Keys with the texts to store under them.
using StoredTexts = std::vector<std::pair<QString, QString>>;

// Writes each of `current` whose text differs from that of the same key in
// `loaded` (what the session read), or that the store lacks: a value this
// session left alone keeps what another copy of the program saved meanwhile.
// An empty `loaded` writes them all.
void WriteChangedTexts(QSettings& store, const StoredTexts& loaded, const StoredTexts& current);

} // namespace settings
