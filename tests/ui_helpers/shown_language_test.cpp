// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_helpers/shown_language.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace ui_helpers {
namespace {

// A text of the program's own, and one of Qt's message box buttons.
QString ProgramText() { return QCoreApplication::translate("settings", "The settings could not be saved to %1 (%2)."); }
QString QtsYes() { return QCoreApplication::translate("QPlatformTheme", "&Yes"); }

TEST(ShownLanguageTest, TheProgramAndQtSpeakTheFirstLanguageTheProgramHasOrEnglish) {
  const struct {
    const char* locale;
    const char* language;
    const char* yes;
  } cases[] = {
      {"de_DE", "de", "&Ja"},
      {"de_AT", "de", "&Ja"},
      {"fr_CA", "fr", "&Oui"},
      {"es_MX", "es", "&Sí"},
      {"en_US", "", "&Yes"},
      // No Russian translation: English throughout, Qt's buttons too.
      {"ru_RU", "", "&Yes"},
      {"C", "", "&Yes"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InstallTranslations(QLocale(QString::fromLatin1(c.locale))), QLatin1String(c.language)) << c.locale;
    EXPECT_EQ(ShownLanguage(), QLatin1String(c.language)) << c.locale;
    EXPECT_EQ(QtsYes(), QString::fromUtf8(c.yes)) << c.locale;
    const bool english = QLatin1String(c.language).isEmpty();
    EXPECT_EQ(ProgramText() == QLatin1String("The settings could not be saved to %1 (%2)."), english) << c.locale;
  }
}

} // namespace
} // namespace ui_helpers
