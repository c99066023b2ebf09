// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_topics.h"

#include "ui_helpers/shown_language.h"

#include <QFile>

namespace help {
namespace {

// A topic in the language the program shows, else in English.
QUrl Page(const char* file) {
  const QString language = ui_helpers::ShownLanguage();
  const QString translated = language + QLatin1Char('/') + QLatin1String(file);
  if (!language.isEmpty() && QFile::exists(QStringLiteral(":/help/") + translated))
    return QUrl(QStringLiteral("qrc:/help/") + translated);
  return QUrl(QStringLiteral("qrc:/help/") + QLatin1String(file));
}

} // namespace

QUrl TopicUrl(int context) {
  switch (context) {
    case kMainWindowTopic: return Page("main_window.html");
    case kTimeMenuTopic: return Page("time_menu.html");
    case kOptionsMenuTopic: return Page("options_menu.html");
    case kLocationEditorTopic: return Page("location_editor.html");
    case kListTopic: return Page("list_command.html");
    case kColoursTopic: return Page("colours.html");
    case kMonthTableTopic: return Page("month_table.html");
    case kSkyEventsTopic: return Page("sky_events.html");
    case kChartsTopic: return Page("charts.html");
    default: return Page("contents.html");
  }
}

QUrl IndexUrl() { return Page("index.html"); }

} // namespace help
