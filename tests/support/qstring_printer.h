// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lets GoogleTest print a QString as its text, in failure messages and after <<.

#include <QString>
#include <ostream>

inline std::ostream& operator<<(std::ostream& os, const QString& text) { return os << text.toStdString(); }

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text << '"'; }
