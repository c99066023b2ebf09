// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's texts, and Qt's own buttons and dialogs, in the user's
// language where the program has a translation for it.

#include <QLocale>
#include <QString>

namespace ui_helpers {

// Installs the translation for the first of locale's languages the program
// speaks (compiled in), with Qt's own for the same language (from the
// system's Qt translations), replacing any installed before. Returns the
// language's code ("de"), or an empty string where the program speaks English.
QString InstallTranslations(const QLocale& locale);

// The language InstallTranslations chose: empty for English.
QString ShownLanguage();

} // namespace ui_helpers
