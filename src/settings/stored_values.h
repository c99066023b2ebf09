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

void WriteStoredText(QSettings& store, const QString& key, const QString& text);
void WriteStoredInteger(QSettings& store, const QString& key, qint64 value);
void WriteStoredFlag(QSettings& store, const QString& key, bool value);

} // namespace settings
