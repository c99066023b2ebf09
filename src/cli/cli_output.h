// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What vesperon-cli writes: whole buffers (a NUL inside a stored name must not
// end the output there) and error messages of exactly one line.

#include <QString>
#include <cstdio>

namespace cli {

// The text with every control character, line or paragraph separator and
// format character (the bidirectional controls U+202A-202E and U+2066-2069,
// the marks U+200E, U+200F and U+061C, and the others of category Cf, which
// would reorder or hide what the terminal shows) escaped: "\n", "\r", "\t",
// and "\xHH" or "\uHHHH" for the others.
QString EscapeControlCharacters(const QString& text);

// A value the user gave, as an error line echoes it: cut to its first
// kEchoedCharacters UTF-16 units and "…" when longer, cut between two
// graphemes, so that one line of a
// megabyte argument does not flood the terminal.
inline constexpr qsizetype kEchoedCharacters = 80;
QString EchoedValue(const QString& value);

// Writes the text in UTF-8, every byte of it, and flushes. False when the
// stream refused any of it (a full disk, a closed pipe); errno tells why.
bool WriteWhole(std::FILE* stream, const QString& text);

} // namespace cli
