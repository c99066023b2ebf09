// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/main_window.h"

#include "../support/message_box_watcher.h"
#include "../support/mnemonics.h"
#include "../support/qstring_printer.h"
#include "../support/temporary_store.h"
#include "astro/display.h"
#include "calendar_panel/calendar_panel.h"
#include "date_entry/date_panel.h"
#include "location_editor/location_editor.h"
#include "main_window/status_strip.h"
#include "places/location_record.h"
#include "ui_helpers/shown_language.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace main_window {
namespace {

QDate Shown(const TfrmVesperon& w) { return astro::DateOfDateTime(w.astroState().CalcDate); }

// The main window with a temporary store and a location list of three places.
class LowerViewsTest : public ::testing::Test {
protected:
  void SetUp() override {
    const places::LocationList places(QStringList{
        places::FormatLocationRecord("Paris, France", "48.86", "-2.35", *places::ZoneIndexOfHours(-1.0f)),
        places::FormatLocationRecord("Sydney, Australia", "-33.87", "-151.21", *places::ZoneIndexOfHours(-10.0f)),
        places::FormatLocationRecord("Zedir Izudiz,MI", "42.97", "85.6", *places::ZoneIndexOfHours(5.0f))});
    ASSERT_TRUE(places::WriteLocationFile(list_, places).ok);
    ASSERT_NO_FATAL_FAILURE(Open());
  }
  // A new window, in the language of the translation installed.
  void Open() {
    w_.reset();
    w_ = std::make_unique<TfrmVesperon>(store_.factory(), nullptr, places::LocationFilePaths{list_, list_});
    w_->show();
    w_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w_.get()));
  }
  QWidget* Child(const char* name) { return w_->findChild<QWidget*>(QLatin1String(name)); }
  bool MenuShown(const char* name) { return w_->menuAction(QLatin1String(name))->isVisible(); }
  // A key as the user types it: to the window, which hands it to its focus
  // widget or to an open pop-up, after the shortcuts had their say.
  void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* popup = QApplication::activePopupWidget();
    QTest::keyClick((popup ? popup : w_.get())->windowHandle(), key, modifiers);
  }
  QString FocusName() {
    const QWidget* focused = w_->focusWidget();
    return focused ? focused->objectName() : QString();
  }

  TemporaryStore store_;
  QTemporaryDir dir_;
  QString list_ = dir_.filePath("Location.txt");
  std::unique_ptr<TfrmVesperon> w_;
};

TEST_F(LowerViewsTest, TheLocationEditorTakesTheCalendarsPlaceWithOnlyTheFileAndHelpMenus) {
  w_->menuAction("mnuLocation")->trigger();
  location_editor::LocationEditor* editor = w_->locationEditor();
  EXPECT_EQ(w_->CurrentLowerView(), LowerView::LocationEditor);
  EXPECT_TRUE(editor->isVisible());
  EXPECT_FALSE(w_->calendarPanel()->isVisible());
  EXPECT_TRUE(MenuShown("mnuFile"));
  EXPECT_TRUE(w_->menuAction("mnuListSave")->isEnabled());
  for (const char* name : {"mnuTime", "mnuOptions", "mnuList"}) EXPECT_FALSE(MenuShown(name)) << name;
  EXPECT_EQ(w_->HelpContext, help::kLocationEditorTopic);
  if (w_->logicalDpiX() == 96) {
    EXPECT_EQ(editor->geometry(), QRect(8, 160, 243, 134));
  }

  // Tab order from the city choice round the panel.
  QStringList order;
  for (QWidget* next = editor->cboCities; order.size() < 7; next = next->nextInFocusChain()) {
    if (editor->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus)) order << next->objectName();
  }
  EXPECT_EQ(order, (QStringList{"cboCities", "txtCLoc", "txtLong", "txtLat", "cboTZ", "cmdChange",
                                "cmdCancelSettings"}));

  QTest::mouseClick(Child("pnlCity"), Qt::LeftButton); // the city box toggles it closed
  EXPECT_EQ(w_->CurrentLowerView(), LowerView::Calendar);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_TRUE(w_->calendarPanel()->isVisible());
  EXPECT_FALSE(MenuShown("mnuFile"));
  for (const char* name : {"mnuTime", "mnuOptions", "mnuList"}) EXPECT_TRUE(MenuShown(name)) << name;
  EXPECT_EQ(w_->HelpContext, help::kMainWindowTopic);
}

TEST_F(LowerViewsTest, APlaceChosenAndEnteredIsAppliedShownAndComputed) {
  const day::DayTexts before = w_->dayView().DayText;
  QTest::mouseClick(Child("pnlCity"), Qt::LeftButton);
  QTest::keyClick(w_->locationEditor()->cboCities, Qt::Key_Down); // the first place, Paris
  QTest::keyClick(w_->locationEditor()->cboCities, Qt::Key_Down); // Sydney
  QTest::keyClick(w_->focusWidget(), Qt::Key_Return);
  EXPECT_EQ(w_->CurrentLowerView(), LowerView::Calendar);
  EXPECT_EQ(w_->statusStrip()->text(0), QStringLiteral("Sydney, Australia"));
  EXPECT_EQ(w_->astroState().SiteLatitude, -33.87f);
  EXPECT_EQ(w_->astroState().SiteLongitude, -151.21f);
  EXPECT_EQ(w_->options().Location.SiteTimeZone, -10.0f);
  EXPECT_EQ(w_->locationEditor()->AppliedCityIndex, 1);
  EXPECT_TRUE(MenuShown("mnuTime"));
  EXPECT_NE(w_->dayView().DayText, before) << "the day is computed for Sydney";
}

TEST_F(LowerViewsTest, EscapeCancelsTheEditorAndLeavesTheLocation) {
  w_->ToggleLocationEditor();
  w_->locationEditor()->txtCLoc->setText("Elsewhere");
  QTest::keyClick(w_->locationEditor()->txtCLoc, Qt::Key_Escape);
  EXPECT_EQ(w_->CurrentLowerView(), LowerView::Calendar);
  EXPECT_EQ(w_->options().Location.SiteName, QStringLiteral("Zedir Izudiz,MI"));
  w_->ToggleLocationEditor();
  EXPECT_EQ(w_->locationEditor()->txtCLoc->text(), QStringLiteral("Zedir Izudiz,MI")) << "filled afresh";
  w_->locationEditor()->txtCLoc->setText("Elsewhere");
  w_->locationEditor()->cmdCancelSettings->setFocus();
  QTest::keyClick(w_->locationEditor()->cmdCancelSettings, Qt::Key_Return); // Enter on a button presses it
  EXPECT_EQ(w_->CurrentLowerView(), LowerView::Calendar);
  EXPECT_EQ(w_->options().Location.SiteName, QStringLiteral("Zedir Izudiz,MI"));
}

TEST_F(LowerViewsTest, TheDatePanelOpensFromTheCaptionsAndF3AndMovesTheCalendar) {
  w_->GoToDate(astro::DateTimeOfDate(QDate(2023, 1, 31)));
  QTest::mouseClick(Child("pnlMonth"), Qt::LeftButton);
  EXPECT_EQ(w_->CurrentLowerView(), LowerView::DatePanel);
  EXPECT_TRUE(w_->datePanel()->isVisible());
  EXPECT_TRUE(w_->calendarPanel()->isVisible()) << "the captions stay in sight";
  EXPECT_EQ(FocusName(), QStringLiteral("txtMonth"));
  EXPECT_FALSE(Child("pnlRight")->isEnabled());
  QTest::keyClick(w_.get(), Qt::Key_PageDown);
  EXPECT_EQ(Shown(*w_), QDate(2023, 1, 31)) << "the calendar keys are off";
  QTest::keyClick(w_->focusWidget(), Qt::Key_Escape);
  EXPECT_EQ(w_->CurrentLowerView(), LowerView::Calendar);
  EXPECT_TRUE(Child("pnlRight")->isEnabled());

  QTest::keyClick(w_.get(), Qt::Key_F3);
  EXPECT_EQ(FocusName(), QStringLiteral("txtYear"));
  QTest::keyClicks(w_->focusWidget(), "2024");
  QTest::keyClick(w_->focusWidget(), Qt::Key_Tab);
  QTest::keyClicks(w_->focusWidget(), "2");
  QTest::keyClick(w_->focusWidget(), Qt::Key_Tab);
  w_->datePanel()->txtDay->clear();
  QTest::keyClick(w_->focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Shown(*w_), QDate(2024, 2, 29));
  EXPECT_EQ(w_->CurrentLowerView(), LowerView::Calendar);
  QTest::keyClick(w_.get(), Qt::Key_Right);
  EXPECT_EQ(Shown(*w_), QDate(2024, 3, 1)) << "the keys are back";
}

TEST_F(LowerViewsTest, OpeningOneViewClosesTheOther) {
  QTest::mouseClick(Child("pnlYear"), Qt::LeftButton);
  EXPECT_EQ(FocusName(), QStringLiteral("txtYear"));
  w_->ToggleLocationEditor();
  EXPECT_FALSE(w_->datePanel()->isVisible());
  EXPECT_TRUE(w_->locationEditor()->isVisible());
  EXPECT_TRUE(Child("pnlRight")->isEnabled());
  w_->mnuDateClick(false); // only while the calendar shows
  EXPECT_EQ(w_->CurrentLowerView(), LowerView::LocationEditor);
  EXPECT_FALSE(w_->datePanel()->isVisible());
}

TEST_F(LowerViewsTest, TheCalendarKeysWorkAgainAsSoonAsAPanelCloses) {
  const QDate today = QDate::currentDate();
  const struct {
    const char* closing;
    std::function<void()> open;
    Qt::Key key;
  } cases[] = {
      {"colour panel, Escape", [&] { w_->ToggleColourPanel(); }, Qt::Key_Escape},
      {"colour panel, Enter", [&] { w_->ToggleColourPanel(); }, Qt::Key_Return},
      {"location editor, Escape", [&] { w_->ToggleLocationEditor(); }, Qt::Key_Escape},
      {"location editor, Enter", [&] { w_->ToggleLocationEditor(); }, Qt::Key_Return},
      {"date panel, Escape", [&] { w_->mnuDateClick(false); }, Qt::Key_Escape},
      {"date panel, Enter", [&] { w_->mnuDateClick(true); }, Qt::Key_Return},
  };
  for (const auto& c : cases) {
    w_->GoToDate(astro::DateTimeOfDate(QDate(2023, 1, 31)));
    const settings::Settings before = w_->options();
    c.open();
    Type(c.key);
    ASSERT_EQ(w_->CurrentLowerView(), LowerView::Calendar) << c.closing;
    Type(Qt::Key_Right);
    EXPECT_EQ(Shown(*w_), QDate(2023, 2, 1)) << c.closing;
    Type(Qt::Key_Down);
    EXPECT_EQ(Shown(*w_), QDate(2023, 2, 8)) << c.closing;
    Type(Qt::Key_PageUp);
    EXPECT_EQ(Shown(*w_), QDate(2023, 1, 8)) << c.closing;
    Type(Qt::Key_Home);
    EXPECT_EQ(Shown(*w_), today) << c.closing;
    EXPECT_EQ(w_->options().Background, before.Background) << c.closing << ": no colour taken";
    EXPECT_EQ(w_->options().Location.SiteName, before.Location.SiteName) << c.closing << ": no place taken";
  }
}

TEST_F(LowerViewsTest, EnterAndEscapeOnAnOpenListOnlyCloseTheList) {
  w_->ToggleLocationEditor();
  location_editor::LocationEditor* editor = w_->locationEditor();
  editor->txtCLoc->setText("Typed");
  for (QComboBox* list : {editor->cboCities, editor->cboTZ}) {
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
      list->setFocus();
      list->showPopup();
      ASSERT_TRUE(list->view()->isVisible());
      Type(key);
      EXPECT_FALSE(list->view()->isVisible()) << list->objectName().toStdString() << " " << key;
      EXPECT_EQ(w_->CurrentLowerView(), LowerView::LocationEditor) << list->objectName().toStdString() << " " << key;
      if (list == editor->cboCities && key == Qt::Key_Return) editor->txtCLoc->setText("Typed");
      EXPECT_EQ(editor->txtCLoc->text(), QStringLiteral("Typed")) << list->objectName().toStdString() << " " << key;
    }
  }
  // With the lists closed, Escape is Cancel again. (The offscreen platform
  // gives the window back no activation after a pop-up.)
  QApplication::setActiveWindow(w_.get());
  Type(Qt::Key_Escape);
  EXPECT_EQ(w_->CurrentLowerView(), LowerView::Calendar);
}

// The letters used more than once among a menu's shown items, and in each of
// its submenus, as "Menu: letters".
QStringList RepeatedMnemonicsInMenus(const QMenuBar& bar) {
  QStringList repeated;
  std::function<void(const QMenu&)> walk = [&](const QMenu& menu) {
    QStringList letters;
    for (const QAction* item : menu.actions()) {
      if (!item->isVisible() || item->isSeparator()) continue;
      const QKeySequence mnemonic = QKeySequence::mnemonic(item->text());
      if (!mnemonic.isEmpty()) letters << mnemonic.toString();
      if (item->menu()) walk(*item->menu());
    }
    for (const QString& letter : letters) {
      const QString fault = menu.title() + QStringLiteral(": ") + letter;
      if (letters.count(letter) > 1 && !repeated.contains(fault)) repeated << fault;
    }
  };
  for (const QAction* title : bar.actions()) {
    if (title->menu()) walk(*title->menu());
  }
  return repeated;
}

// In every language the program speaks; the translations are those merged
// into translations/vesperon_*.ts.
TEST_F(LowerViewsTest, EveryMnemonicInSightIsUniqueAndAltOReachesTheOptionsMenu) {
  for (const char* language : {"en", "de", "fr", "es"}) {
    ui_helpers::InstallTranslations(QLocale(QLatin1String(language)));
    ASSERT_NO_FATAL_FAILURE(Open());
    const struct {
      const char* view;
      std::function<void()> open;
    } cases[] = {
        {"calendar", [] {}},
        {"colour panel", [&] { w_->ToggleColourPanel(); }},
        {"location editor", [&] { w_->ToggleLocationEditor(); }},
        {"date panel", [&] { w_->mnuDateClick(false); }},
    };
    for (const auto& c : cases) {
      c.open();
      EXPECT_EQ(RepeatedMnemonics(*w_), QStringList()) << language << ", " << c.view;
      if (MenuShown("mnuOptions")) {
        Type(Qt::Key_O, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_TRUE(menu && menu->menuAction() == w_->menuAction("mnuOptions")) << language << ", " << c.view;
        if (menu) menu->close();
      }
      w_->ShowLowerView(LowerView::Calendar);
    }
    // Within each menu, with the alternating items in both their captions.
    EXPECT_EQ(RepeatedMnemonicsInMenus(*w_->menuBar()), QStringList()) << language;
    for (const char* item : {"mnuAzimuth", "mnuBigMoon", "mnuFormLength"})
      w_->menuAction(QLatin1String(item))->trigger();
    EXPECT_EQ(RepeatedMnemonicsInMenus(*w_->menuBar()), QStringList()) << language << ", other captions";
  }
  ui_helpers::InstallTranslations(QLocale(QLocale::English));
}

} // namespace
} // namespace main_window
