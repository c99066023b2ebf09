// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What vesperon-cli writes: whole buffers (a NUL inside a stored name must not
// end the output there) and error messages of exactly one line.

#include <QString>
#include <cstdio>

namespace cli {

// The text with every control character and line or paragraph separator shown
// escaped: "\n", "\r", "\t", and "\xHH" or "\uHHHH" for the others.
QString EscapeControlCharacters(const QString& text);

// Writes the text in UTF-8, every byte of it, and flushes. False when the
// stream refused any of it (a full disk, a closed pipe); errno tells why.
bool WriteWhole(std::FILE* stream, const QString& text);

} // namespace cli
