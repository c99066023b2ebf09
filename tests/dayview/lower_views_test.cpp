// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include "../support/message_box_watcher.h"
#include "../support/qstring_printer.h"
#include "../support/temporary_store.h"
#include "calendar_panel.h"
#include "date_panel.h"
#include "display.h"
#include "location_editor.h"
#include "location_record.h"
#include "status_strip.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace dayview {
namespace {

QDate Shown(const TfrmVesperon& w) { return astro::DateOfDateTime(w.astroState().CalcDate); }

// The main window with a temporary store and a location list of three places.
class LowerViewsTest : public ::testing::Test {
protected:
  void SetUp() override {
    const settings::LocationList places(QStringList{
        settings::FormatLocationRecord("Paris, France", "48.86", "-2.35", 22),
        settings::FormatLocationRecord("Sydney, Australia", "-33.87", "-151.21", 4),
        settings::FormatLocationRecord("Zedir Izudiz,MI", "42.97", "85.6", 34)});
    ASSERT_TRUE(settings::WriteLocationFile(list_, places).ok);
    w_ = std::make_unique<TfrmVesperon>(store_.factory(), nullptr, settings::LocationFilePaths{list_, list_});
    w_->show();
    w_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w_.get()));
  }
  QWidget* Child(const char* name) { return w_->findChild<QWidget*>(QLatin1String(name)); }
  bool MenuShown(const char* name) { return w_->menuAction(QLatin1String(name))->isVisible(); }
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
  settings::LocationEditor* editor = w_->locationEditor();
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
  const DayTexts before = w_->dayView().DayText;
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

} // namespace
} // namespace dayview
