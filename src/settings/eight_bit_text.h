// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text files the program shares with 8-bit systems (the location file and the
// settings store): each line is UTF-8 where its bytes are valid UTF-8, else
// Latin-1, which reads any byte and so loses nothing. Deciding line by line
// keeps one line brought from an 8-bit system from turning the others into
// mojibake.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace settings {

// One line's text: UTF-8 when valid, else Latin-1.
QString DecodeUtf8OrLatin1(QByteArrayView line);

// The text with every line that is not valid UTF-8 turned from Latin-1 into
// UTF-8; line ends and every other byte stay.
QByteArray LinesAsUtf8(const QByteArray& text);

// `rewritten` with each line that is a Latin-1 line of `original` turned into
// UTF-8 (as LinesAsUtf8 turns it) given its original bytes again: a value
// nobody changed keeps its bytes when the file is written anew.
QByteArray KeepLatin1Lines(const QByteArray& original, const QByteArray& rewritten);

} // namespace settings
