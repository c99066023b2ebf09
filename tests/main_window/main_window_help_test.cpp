// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/main_window.h"

#include "../support/temporary_store.h"
#include "about/about_box.h"
#include "astro/display.h"
#include "colours/colour_panel.h"
#include "help/help_topics.h"
#include "help/help_window.h"
#include "location_editor/location_editor.h"
#include "month_table_window/list_window.h"
#include "sky_events_window/sky_events_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>

namespace main_window {
namespace {

QUrl ShownHelp() {
  const help::HelpWindow* window = help::HelpWindow::Instance();
  return window && window->isVisible() ? window->browser()->source() : QUrl();
}

TEST(MainWindowHelp, HelpMenuAndF1ShowTheirTopics) {
  TemporaryStore store;
  TfrmVesperon w(store.factory());
  w.show();

  QTest::keyClick(&w, Qt::Key_F1);
  EXPECT_EQ(ShownHelp(), help::TopicUrl(help::kMainWindowTopic));
  w.menuAction("mnuContents")->trigger();
  EXPECT_EQ(ShownHelp(), help::TopicUrl(help::kContentsTopic));
  w.menuAction("mnuIndex")->trigger();
  EXPECT_EQ(ShownHelp(), help::IndexUrl());
  w.ToggleLocationEditor();
  QTest::keyClick(w.locationEditor()->findChild<QLineEdit*>(), Qt::Key_F1);
  EXPECT_EQ(ShownHelp(), help::TopicUrl(help::kLocationEditorTopic));
  w.ToggleLocationEditor();
  QTest::keyClick(&w, Qt::Key_F1);
  EXPECT_EQ(ShownHelp(), help::TopicUrl(help::kMainWindowTopic)) << "the editor closed";
  w.ToggleColourPanel();
  QTest::keyClick(w.colourPanel()->cmdColorMore, Qt::Key_F1);
  EXPECT_EQ(ShownHelp(), help::TopicUrl(help::kColoursTopic));
  w.ToggleColourPanel();
  w.menuAction("mnuList")->trigger();
  QTest::keyClick(w.findChild<month_table_window::TfrmList*>(), Qt::Key_F1);
  EXPECT_EQ(ShownHelp(), help::TopicUrl(help::kMonthTableTopic));
  w.menuAction("mnuSkyEvents")->trigger();
  QTest::keyClick(w.skyEventsWindow()->grid(), Qt::Key_F1);
  EXPECT_EQ(ShownHelp(), help::TopicUrl(help::kSkyEventsTopic));

  // F1 on a highlighted menu item shows the item's topic.
  const struct {
    const char* item;
    help::HelpTopic topic;
  } items[] = {{"mnuToday", help::kTimeMenuTopic}, {"mnuTwi_1", help::kTimeMenuTopic},
               {"mnuBigMoon", help::kOptionsMenuTopic}, {"mnuColors", help::kMainWindowTopic}};
  for (const auto& c : items) {
    QAction* action = w.menuAction(c.item);
    auto* menu = qobject_cast<QMenu*>(action->parent());
    ASSERT_NE(menu, nullptr) << c.item;
    menu->popup(w.pos());
    menu->setActiveAction(action);
    QTest::keyClick(menu, Qt::Key_F1);
    EXPECT_EQ(ShownHelp(), help::TopicUrl(c.topic)) << c.item;
  }
  delete help::HelpWindow::Instance();
}

TEST(MainWindowHelp, AboutStartsItsDiscFromTheDayShown) {
  TemporaryStore store({{"Colors/Moon", "255"}});
  TfrmVesperon w(store.factory());
  w.show();
  w.GoToDate(astro::DateTimeOfDate(QDate(2024, 3, 20)));
  float started = -1000.0f;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<about::TfrmAbout*>(QApplication::activeModalWidget());
    if (!box) return;
    started = box->animationValue();
    box->accept();
  });
  w.menuAction("mnuAbout")->trigger();
  EXPECT_FLOAT_EQ(started, static_cast<float>(w.dayView().IllumPercent));
  EXPECT_GT(started, 50.0f) << "waxing gibbous on that day";
}

} // namespace
} // namespace main_window

namespace main_window {
namespace {

// The keys of the help's "Other keys" list, as Qt reads them.
QList<QKeySequence> ListedKeys() {
  QFile topic(QStringLiteral(":/help/main_window.html"));
  EXPECT_TRUE(topic.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(topic.readAll());
  const qsizetype start = html.indexOf(QStringLiteral("name=\"shortcuts\""));
  const QString table = html.mid(start, html.indexOf(QStringLiteral("</table>"), start) - start);
  QList<QKeySequence> keys;
  static const QRegularExpression row(QStringLiteral("<tr><td>([^<]+)</td>"));
  for (const QRegularExpressionMatch& m : row.globalMatch(table))
    keys << QKeySequence(m.captured(1), QKeySequence::PortableText);
  return keys;
}

// Every key the list names does what it says, and every key of a command no
// menu shows is in the list.
TEST(MainWindowHelp, TheKeysListIsTheWindowsShortcuts) {
  TemporaryStore store;
  TfrmVesperon w(store.factory());
  QList<QKeySequence> shortcuts, unshown;
  for (const QAction* action : w.findChildren<QAction*>()) {
    if (action->shortcut().isEmpty()) continue;
    shortcuts << action->shortcut();
    const QList<QObject*> shownIn = action->associatedObjects();
    if (std::none_of(shownIn.begin(), shownIn.end(), [](QObject* o) { return qobject_cast<QMenu*>(o); }))
      unshown << action->shortcut();
  }
  const QList<QKeySequence> listed = ListedKeys();
  ASSERT_GE(listed.size(), 5);
  for (const QKeySequence& key : listed) {
    if (key == QKeySequence(Qt::Key_F1)) continue; // the help key, bound for the whole program
    EXPECT_TRUE(shortcuts.contains(key)) << key.toString().toStdString() << " is listed but does nothing";
  }
  for (const QKeySequence& key : unshown)
    EXPECT_TRUE(listed.contains(key)) << key.toString().toStdString() << " is not listed";
}

TEST(MainWindowHelp, F10OpensTheFirstMenuShown) {
  TemporaryStore store;
  TfrmVesperon w(store.factory());
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_F10);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr) << "no menu open";
  EXPECT_EQ(menu->menuAction(), w.menuAction("mnuTime")) << "File shows only with the location editor";
  menu->close();
}

// The help window closes with Escape, and its bar's buttons are Tab stops.
TEST(MainWindowHelp, HelpWindowKeys) {
  TemporaryStore store;
  TfrmVesperon w(store.factory());
  w.show();
  w.menuAction("mnuContents")->trigger();
  help::HelpWindow* window = help::HelpWindow::Instance();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  int tabStops = 0;
  for (const QToolButton* button : window->findChildren<QToolButton*>())
    tabStops += (button->focusPolicy() & Qt::TabFocus) && button->isVisibleTo(window) ? 1 : 0;
  EXPECT_EQ(tabStops, 4) << "Back, Forward, Contents and Index";
  QTest::keyClick(window->browser(), Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

// The help's example of the line under the phase list is what the program
// shows for the case the help names.
TEST(MainWindowHelp, TheDayLinesExampleIsWhatTheProgramShows) {
  QFile topic(QStringLiteral(":/help/sky_events.html"));
  ASSERT_TRUE(topic.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(topic.readAll());
  const QRegularExpressionMatch example =
      QRegularExpression(QStringLiteral("for example\\s+\"([^\"]+)\"\\s+at Dallas, Texas, on 8 April 2024 on daylight time"))
          .match(text);
  ASSERT_TRUE(example.hasMatch()) << "the example names its case";
  TemporaryStore store{{"Location/City", "Dallas,TX"},
                       {"Location/TimeZone", "6"},
                       {"Location/Latitude", "32.78"},
                       {"Location/Longitude", "96.8"},
                       {"Flags/Time", "1"}};
  TfrmVesperon w(store.factory());
  w.show();
  w.GoToDate(astro::DateTimeOfDate(QDate(2024, 4, 8)));
  EXPECT_EQ(w.statusLabelText().toStdString(), example.captured(1).simplified().toStdString());
}

} // namespace
} // namespace main_window
