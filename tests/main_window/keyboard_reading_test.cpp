// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears as the keyboard moves the date: the focused day
// with the day in short, the line under the phase list, and the focus kept
// through the menus and the About box.

#include "main_window/main_window.h"

#include "../support/accessible_events.h"
#include "../support/temporary_store.h"
#include "astro/display.h"
#include "calendar_panel/calendar_panel.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace main_window {
namespace {

using testing_support::AccessibleEventLog;
using testing_support::ToldEvent;

class KeyboardReadingTest : public ::testing::Test {
protected:
  void SetUp() override {
    window_ = std::make_unique<TfrmVesperon>(store_.factory());
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    // 20 December 2026: Right goes to the December solstice.
    window_->GoToDate(astro::DateTimeOfDate(QDate(2026, 12, 20)));
    QApplication::processEvents();
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::activePopupWidget();
    if (!target) target = QApplication::focusWidget();
    QTest::keyClick(target ? target : window_.get(), static_cast<Qt::Key>(key), modifiers);
  }
  QString SelectedCellName() const {
    calendar_panel::CalendarPanel* calendar = window_->calendarPanel();
    return QAccessible::queryAccessibleInterface(calendar->CellAt(calendar->SelectedCellIndex()))
        ->text(QAccessible::Name);
  }
  // Whether the selected day was told as focused since the log was cleared.
  bool ToldSelectedDay(const AccessibleEventLog& log) const {
    for (const ToldEvent& e : log.of(QAccessible::Focus))
      if (e.name == SelectedCellName()) return true;
    return false;
  }
  QString StatusLineName() const {
    return QAccessible::queryAccessibleInterface(window_->findChild<QLabel*>("lblStatus"))->text(QAccessible::Name);
  }

  TemporaryStore store_{{"Location/City", "Greenwich"}, {"Location/Latitude", "51.4779"},
                        {"Location/Longitude", "0.0015"}, {"Location/TimeZone", "0"}, {"Flags/Time", "0"},
                        {"Flags/TFormat", "0"}};
  std::unique_ptr<TfrmVesperon> window_;
};

TEST_F(KeyboardReadingTest, ADateMoveTellsTheFocusedDayWithTheDayInShort) {
  AccessibleEventLog log;
  Key(Qt::Key_Right);
  const QList<ToldEvent> focus = log.of(QAccessible::Focus);
  ASSERT_FALSE(focus.isEmpty());
  const ToldEvent& day = focus.last();
  EXPECT_EQ(day.name, SelectedCellName());
  EXPECT_TRUE(day.name.contains(QStringLiteral("21"))) << day.name.toStdString();
  const day::DayTexts& t = window_->dayView().DayText;
  for (const QString& part : {QStringLiteral("Sunrise ") + t[day::kSunrise], QStringLiteral("Sunset ") + t[day::kSunset],
                              QStringLiteral("percent illuminated"), QStringLiteral("December solstice")})
    EXPECT_TRUE(day.description.contains(part)) << day.description.toStdString() << "\n lacks " << part.toStdString();
}

TEST_F(KeyboardReadingTest, TheLineUnderThePhaseListReadsItsTextAndAnAnnouncementOnlyUntilTheNextKey) {
  Key(Qt::Key_Right);
  EXPECT_TRUE(StatusLineName().endsWith(QStringLiteral("December solstice"))) << StatusLineName().toStdString();
  EXPECT_EQ(StatusLineName(), window_->statusLabelText());

  // A day before the Gregorian reform: Ctrl+J shows its Julian-calendar date.
  window_->GoToDate(astro::DateTimeOfDate(QDate(1500, 3, 1)));
  window_->ShowJulian();
  const QString julian = window_->dayView().DayText[day::kJulianLine];
  ASSERT_FALSE(julian.isEmpty());
  EXPECT_EQ(StatusLineName(), julian);

  AccessibleEventLog log;
  window_->FlipRepeatLayout();
  const QString announcement = StatusLineName();
  EXPECT_TRUE(announcement.startsWith(QStringLiteral("A year repeat"))) << announcement.toStdString();
  ASSERT_FALSE(log.of(QAccessible::NameChanged).isEmpty());
  EXPECT_EQ(log.of(QAccessible::NameChanged).last().name, announcement) << "heard";
  Key(Qt::Key_Shift);
  EXPECT_EQ(StatusLineName(), julian) << "not kept for good";
  window_->FlipRepeatLayout();
}

TEST_F(KeyboardReadingTest, TheKeyboardComesBackToTheDayAfterTheMenusAndTheAboutBox) {
  Key(Qt::Key_Right);
  EXPECT_EQ(QApplication::focusWidget(), window_.get()) << "a date move leaves the keyboard with the calendar";

  AccessibleEventLog log;
  Key(Qt::Key_F10);
  ASSERT_NE(QApplication::activePopupWidget(), nullptr) << "F10 opens a menu";
  Key(Qt::Key_Escape);
  Key(Qt::Key_Escape);
  EXPECT_EQ(QApplication::focusWidget(), window_.get()) << "F10, Escape, Escape";
  // The offscreen platform takes the window's activation away after a pop-up
  // (a desktop gives it back); the window's focus comes back with it.
  QApplication::processEvents();
  QApplication::setActiveWindow(window_.get());
  (void)QTest::qWaitFor([&] { return ToldSelectedDay(log); });
  EXPECT_TRUE(ToldSelectedDay(log)) << "F10, Escape, Escape";

  Key(Qt::Key_Right);
  log.clear();
  QApplication::processEvents();
  QApplication::setActiveWindow(window_.get());
  bool aboutShown = false;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    aboutShown = box != nullptr;
    if (box) QTest::keyClick(box, Qt::Key_Escape);
  });
  Key(Qt::Key_H, Qt::AltModifier);
  ASSERT_NE(QApplication::activePopupWidget(), nullptr) << "Alt+H opens the Help menu";
  Key(Qt::Key_A);
  EXPECT_TRUE(aboutShown);
  QApplication::processEvents();
  QApplication::setActiveWindow(window_.get());
  (void)QTest::qWaitFor([&] { return ToldSelectedDay(log); });
  EXPECT_EQ(QApplication::focusWidget(), window_.get()) << "Alt+H A, Escape";
  EXPECT_TRUE(ToldSelectedDay(log)) << "Alt+H A, Escape";
}

} // namespace
} // namespace main_window
