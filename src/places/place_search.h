// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding a place of the city choice by typing its first letters, as a user
// expects: letter case and accents aside, so that "zurich" and "Zür" both
// find "Zürich, Switzerland" and "lodz" finds "Łódź, Poland"; and by a
// place's former name, so that "cochin" finds "Kochi, India".

#include "former_place_names.h"

#include <QStringList>

namespace places {

// The text as the search compares it: without accents, case-folded, with
// letters that have no accent to drop spelt out in plain Latin ("ł" is "l",
// "ß" is "ss").
QString SearchKey(const QString& text);

// The first name at or after position from, going round the end, whose key,
// or the key of one of its other names, starts with the key of typed; -1 when
// none does or typed is empty.
qsizetype FindPlaceByTyping(const QStringList& names, const QString& typed, qsizetype from,
                            const OtherPlaceNames& otherNames = {});

} // namespace places
