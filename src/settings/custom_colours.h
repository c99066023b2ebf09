// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colour dialog's sixteen custom colours in the "CustomColors" section:
// value names "ColorA" to "ColorP", values of six hexadecimal digits, blue
// first and red last. In memory they are "name=value" entries.

#include "settings_values.h"

#include <QSettings>
#include <QStringList>
#include <array>
#include <optional>

namespace settings {

// Every value of the section as "name=value", in the store's key order.
// Whether the values make sense is the colour dialog's concern.
QStringList ReadCustomColours(const QSettings& store);

// Replaces the section by the entries: the name is the entry's first six
// characters, the value at most twelve characters from the eighth on. Entries
// not of the form "ColorA=" to "ColorP=" are left out, so that a stray value
// read from a damaged store does not come back at every run.
void WriteCustomColours(QSettings& store, const QStringList& entries);

inline constexpr int kCustomColourCount = 16;
using CustomColourSet = std::array<ColourValue, kCustomColourCount>;

// The sixteen colours of the entries, "ColorA" first; a colour without an
// entry, or with an empty one, is white. Nothing when a value is not
// hexadecimal: the colour dialog cannot take such a list.
std::optional<CustomColourSet> CustomColoursOf(const QStringList& entries);

// The sixteen entries "ColorA=ffffff" to "ColorP=...", each value six
// lower-case hexadecimal digits, blue first.
QStringList CustomColourEntries(const CustomColourSet& colours);

} // namespace settings
