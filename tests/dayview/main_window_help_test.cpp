// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include "../support/temporary_store.h"
#include "about_box.h"
#include "display.h"
#include "help_topics.h"
#include "help_window.h"
#include "colour_panel.h"
#include "list_window.h"
#include "location_editor.h"
#include "sky_events_window.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace dayview {
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
  QTest::keyClick(w.findChild<monthtable::TfrmList*>(), Qt::Key_F1);
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
} // namespace dayview
