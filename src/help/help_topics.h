// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The help topics by their context numbers. Windows and menu items carry a
// context number; F1 shows its topic.

#include <QUrl>

namespace help {

enum HelpTopic : int {
  kContentsTopic = 1000,
  kMainWindowTopic = 1001,
  kTimeMenuTopic = 1002,
  kOptionsMenuTopic = 1003,
  kLocationEditorTopic = 1004,
  kListTopic = 1005,
  kColoursTopic = 1006,
  kMonthTableTopic = 1007,
  kSkyEventsTopic = 1008,
  kChartsTopic = 1009,
};

inline constexpr HelpTopic kAllTopics[] = {kContentsTopic,       kMainWindowTopic, kTimeMenuTopic,
                                           kOptionsMenuTopic,    kLocationEditorTopic, kListTopic,
                                           kColoursTopic,        kMonthTableTopic,     kSkyEventsTopic,
                                           kChartsTopic};

// The page of a context number; an unknown number gives the contents.
QUrl TopicUrl(int context);

// The alphabetical keyword index.
QUrl IndexUrl();

} // namespace help
