// SPDX-License-Identifier: GPL-3.0-or-later
// The editor in the user's language: its texts come from the translation (the
// German one, as the build compiles it in) and each button shows its whole
// text, while English keeps the panel's design widths.
#include "location_editor/location_editor.h"

#include "../support/qstring_printer.h"
#include "ui_helpers/shown_language.h"
#include "ui_helpers/text_fit.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace location_editor {
namespace {

// The translation of one locale for one scope; none after it.
class ScopedTranslation {
public:
  explicit ScopedTranslation(const QLocale& locale) : language_(ui_helpers::InstallTranslations(locale)) {}
  ~ScopedTranslation() { ui_helpers::InstallTranslations(QLocale::c()); }
  ScopedTranslation(const ScopedTranslation&) = delete;
  ScopedTranslation& operator=(const ScopedTranslation&) = delete;
  QString language() const { return language_; }

private:
  QString language_;
};

TEST(LocationEditorLanguage, ButtonsShowTheirWholeTextInEveryLanguageWithinThePanel) {
  constexpr int kDesignWidth = 48; // pixels at 96 dpi, as the panel was drawn for English
  const struct {
    QLocale locale;
    const char *language, *caption, *cancel;
  } cases[] = {{QLocale(QLocale::English, QLocale::UnitedStates), "", "Current Location", "&Cancel"},
               {QLocale(QLocale::German, QLocale::Germany), "de", "Aktueller Ort", "&Abbrechen"}};
  for (const auto& c : cases) {
    const ScopedTranslation translation(c.locale);
    ASSERT_EQ(translation.language(), QLatin1String(c.language));
    QWidget window;
    const LocationEditor editor(&window, [](int pixels) { return pixels; }, {});
    SCOPED_TRACE(c.locale.name().toStdString());
    EXPECT_EQ(editor.findChild<QLabel*>(QStringLiteral("lblSet_1"))->text(), QString::fromUtf8(c.caption));
    EXPECT_EQ(editor.cmdCancelSettings->text(), QString::fromUtf8(c.cancel));
    for (const QPushButton* button : {editor.cmdChange, editor.cmdCancelSettings}) {
      EXPECT_GE(button->width(), ui_helpers::ButtonWidthForText(*button)) << button->text();
      EXPECT_GE(button->width(), kDesignWidth);
    }
    EXPECT_LT(editor.cmdChange->geometry().right(), editor.cmdCancelSettings->x());
    EXPECT_LT(editor.cmdCancelSettings->geometry().right(), editor.cboTZ->x());
  }
}

} // namespace
} // namespace location_editor
