// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Earlier and other names of the places of the shipped list, so that a user
// who types "Cochin" finds "Kochi, India". The list of places keeps one name
// per record; these names are built into the program from the generated
// data/former_names.txt: one pair a line, the other name as its record would
// be named, a tab and the listed name.

#include <QByteArray>
#include <QMultiHash>
#include <QString>

namespace places {

// A listed name and its other names.
using OtherPlaceNames = QMultiHash<QString, QString>;

// The pairs of a text of such lines; a line without a tab is skipped.
OtherPlaceNames ParseOtherPlaceNames(const QByteArray& text);

// The other names of the shipped list's places, read once.
const OtherPlaceNames& FormerPlaceNames();

} // namespace places
