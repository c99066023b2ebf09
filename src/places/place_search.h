// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding a place of the city choice by typing its first letters, as a user
// expects: letter case and accents aside, so that "zurich" and "Zür" both
// find "Zürich, Switzerland" and "lodz" finds "Łódź, Poland".

#include <QStringList>

namespace settings {

// The text as the search compares it: without accents, case-folded, with
// letters that have no accent to drop spelt out in plain Latin ("ł" is "l",
// "ß" is "ss").
QString SearchKey(const QString& text);

// The first name at or after position from, going round the end, whose key
// starts with the key of typed; -1 when none does or typed is empty.
qsizetype FindPlaceByTyping(const QStringList& names, const QString& typed, qsizetype from);

} // namespace settings
