// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_key.h"

#include "../support/accessible_events.h"
#include "help/help_topics.h"
#include "help/help_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <set>

namespace help {
namespace {

QString ResourcePath(const QUrl& url) { return QLatin1Char(':') + url.path(); }

QString Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList TopicFiles() {
  QStringList files;
  for (QDirIterator it(QStringLiteral(":/help"), {QStringLiteral("*.html")}); it.hasNext();) files << it.next();
  return files;
}

TEST(HelpTopics, EveryContextNumberHasItsOwnTopic) {
  std::set<QString> pages;
  for (const HelpTopic context : kAllTopics) {
    const QString path = ResourcePath(TopicUrl(context));
    EXPECT_TRUE(QFile::exists(path)) << context << " " << path.toStdString();
    EXPECT_TRUE(Read(path).contains(QLatin1String("<title>"))) << path.toStdString();
    pages.insert(path);
  }
  EXPECT_EQ(pages.size(), std::size(kAllTopics));
  EXPECT_EQ(TopicUrl(4711), TopicUrl(kContentsTopic)); // an unknown number shows the contents
  EXPECT_TRUE(QFile::exists(ResourcePath(IndexUrl())));
}

TEST(HelpTopics, EveryLinkInEveryTopicReachesAPageAndAnchor) {
  static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
  const QStringList files = TopicFiles();
  ASSERT_GE(files.size(), 9);
  int links = 0;
  for (const QString& file : files) {
    const QUrl base = QUrl(QStringLiteral("qrc") + file);
    for (const auto& match : href.globalMatch(Read(file))) {
      ++links;
      const QUrl target = base.resolved(QUrl(match.captured(1)));
      const QString where = file + QStringLiteral(" -> ") + match.captured(1);
      ASSERT_EQ(target.scheme(), QLatin1String("qrc")) << where.toStdString();
      const QString page = Read(ResourcePath(target));
      EXPECT_FALSE(page.isEmpty()) << where.toStdString();
      if (target.hasFragment()) {
        EXPECT_TRUE(page.contains(QStringLiteral("name=\"%1\"").arg(target.fragment()))) << where.toStdString();
      }
    }
  }
  EXPECT_GT(links, 100);
}

TEST(HelpTopics, IndexIsAlphabetical) {
  static const QRegularExpression entry(QStringLiteral("<li><a href=\"[^\"]*\">([^<]*)</a>"));
  QStringList keywords;
  for (const auto& match : entry.globalMatch(Read(ResourcePath(IndexUrl())))) keywords << match.captured(1);
  ASSERT_GT(keywords.size(), 40);
  for (qsizetype i = 1; i < keywords.size(); ++i)
    EXPECT_LT(keywords[i - 1].compare(keywords[i], Qt::CaseInsensitive), 0) << keywords[i].toStdString();
}

class HelpWindowTest : public ::testing::Test {
protected:
  void SetUp() override { InstallHelpKey(); }
  void TearDown() override { delete HelpWindow::Instance(); }
  static QUrl Shown() { return HelpWindow::Instance() ? HelpWindow::Instance()->browser()->source() : QUrl(); }
};

TEST_F(HelpWindowTest, OneWindowShowsEachTopicWithBackAndForward) {
  QWidget owner;
  ShowHelpTopic(&owner, kLocationEditorTopic);
  HelpWindow* window = HelpWindow::Instance();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Shown(), TopicUrl(kLocationEditorTopic));

  window->close();
  ShowHelpTopic(&owner, kColoursTopic);
  EXPECT_EQ(HelpWindow::Instance(), window) << "the same window, shown again";
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Shown(), TopicUrl(kColoursTopic));

  auto* back = window->findChild<QAction*>("helpBack");
  auto* forward = window->findChild<QAction*>("helpForward");
  ASSERT_TRUE(back->isEnabled());
  back->trigger();
  EXPECT_EQ(Shown(), TopicUrl(kLocationEditorTopic));
  ASSERT_TRUE(forward->isEnabled());
  forward->trigger();
  EXPECT_EQ(Shown(), TopicUrl(kColoursTopic));

  ShowHelpIndex(&owner);
  EXPECT_EQ(Shown(), IndexUrl());
}

TEST_F(HelpWindowTest, F1ShowsTheTopicOfTheHighlightedItemElseOfTheNearestOwner) {
  QWidget window;
  window.setProperty(kHelpContextProperty, int(kMainWindowTopic));
  auto* panel = new QWidget(&window);
  auto* field = new QLineEdit(panel);
  auto* plain = new QLineEdit(&window);
  QMenu menu(&window);
  QAction* itemWithTopic = menu.addAction("Today");
  itemWithTopic->setProperty(kHelpContextProperty, int(kTimeMenuTopic));
  QAction* itemWithout = menu.addAction("Location");
  window.show();

  panel->setProperty(kHelpContextProperty, int(kLocationEditorTopic));
  QTest::keyClick(field, Qt::Key_F1);
  EXPECT_EQ(Shown(), TopicUrl(kLocationEditorTopic)) << "the open panel's topic";
  QTest::keyClick(plain, Qt::Key_F1);
  EXPECT_EQ(Shown(), TopicUrl(kMainWindowTopic)) << "the window's topic";

  menu.popup(QPoint(0, 0));
  menu.setActiveAction(itemWithTopic);
  QTest::keyClick(&menu, Qt::Key_F1);
  EXPECT_EQ(Shown(), TopicUrl(kTimeMenuTopic)) << "the highlighted item's topic";
  EXPECT_FALSE(menu.isVisible()) << "the menu closes for the help";
  menu.popup(QPoint(0, 0));
  menu.setActiveAction(itemWithout);
  QTest::keyClick(&menu, Qt::Key_F1);
  EXPECT_EQ(Shown(), TopicUrl(kMainWindowTopic)) << "an item without a topic: the window's";

  QWidget stranger;
  stranger.show();
  QTest::keyClick(&stranger, Qt::Key_F1);
  EXPECT_EQ(Shown(), TopicUrl(kContentsTopic)) << "no topic anywhere: the contents";
}

// The topic has a caret the arrows move, so it is read line by line; Tab and
// Shift+Tab are heard as the links they reach, and Enter on a link as the
// topic it opens.
TEST_F(HelpWindowTest, TheTopicIsReadLineByLineAndEveryMoveBetweenLinksAndTopicsIsHeard) {
  QWidget owner;
  ShowHelpTopic(&owner, kContentsTopic);
  HelpWindow* window = HelpWindow::Instance();
  ASSERT_NE(window, nullptr);
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTextBrowser* browser = window->browser();
  browser->setFocus(Qt::OtherFocusReason);
  testing_support::AccessibleEventLog log;

  QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(browser)->textInterface();
  ASSERT_NE(text, nullptr);
  const int top = text->cursorPosition();
  QTest::keyClick(browser, Qt::Key_Down);
  EXPECT_GT(text->cursorPosition(), top) << "Down moves a caret";
  EXPECT_FALSE(log.of(QAccessible::TextCaretMoved).isEmpty());

  const auto toldLinks = [&] {
    QApplication::processEvents();
    QStringList links;
    for (const testing_support::ToldEvent& e : log.of(QAccessible::Focus))
      if (e.role == QAccessible::Link) links << e.name;
    log.clear();
    return links;
  };
  QTest::keyClick(browser, Qt::Key_Tab);
  const QStringList first = toldLinks();
  ASSERT_EQ(first.size(), 1) << "Tab";
  QTest::keyClick(browser, Qt::Key_Tab);
  ASSERT_EQ(toldLinks().size(), 1) << "Tab";
  QTest::keyClick(browser, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(toldLinks(), first) << "Shift+Tab";

  QTest::keyClick(browser, Qt::Key_Return);
  EXPECT_NE(Shown(), TopicUrl(kContentsTopic)) << "Enter follows the link";
  bool toldTopic = false;
  for (const testing_support::ToldEvent& e : log.of(QAccessible::Focus))
    toldTopic = toldTopic || (e.object == browser && e.name == QStringLiteral("Help topic: ") + browser->documentTitle());
  EXPECT_TRUE(toldTopic) << "the new topic is heard";
}

} // namespace
} // namespace help
