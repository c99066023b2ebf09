// SPDX-License-Identifier: GPL-3.0-or-later
#include "shown_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace ui_helpers {
namespace {

struct Installed {
  std::unique_ptr<QTranslator> program;
  std::unique_ptr<QTranslator> qt;
  QString language;
};

Installed& Current() {
  static Installed installed;
  return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
  if (!translator) return;
  QCoreApplication::removeTranslator(translator.get());
  translator.reset();
}

} // namespace

QString InstallTranslations(const QLocale& locale) {
  Installed& now = Current();
  Remove(now.program);
  Remove(now.qt);
  now.language.clear();

  auto program = std::make_unique<QTranslator>();
  if (!program->load(locale, QStringLiteral("vesperon"), QStringLiteral("_"), QStringLiteral(":/i18n"))) return {};
  // Qt's buttons follow the language the program shows, not merely the
  // locale, so that a window never mixes two languages.
  const QString language = program->language().section(QLatin1Char('_'), 0, 0);
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    now.qt = std::move(qt);
  }
  QCoreApplication::installTranslator(program.get());
  now.program = std::move(program);
  now.language = language;
  return language;
}

QString ShownLanguage() { return Current().language; }

} // namespace ui_helpers
