// SPDX-License-Identifier: GPL-3.0-or-later
// The Sky Events window as a screen reader reads it: each cell with its whole
// row, and the keyboard's place told only where the keyboard is.

#include "../support/accessible_events.h"
#include "../support/temporary_store.h"
#include "astro/display.h"
#include "main_window/main_window.h"
#include "sky_events_window/sky_events_model.h"
#include "sky_events_window/sky_events_window.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace sky_events_window {
namespace {

class SkyEventsReadingTest : public ::testing::Test {
protected:
  void SetUp() override {
    main_ = std::make_unique<main_window::TfrmVesperon>(store_.factory());
    main_->show();
    main_->GoToDate(astro::DateTimeOfDate(QDate(2024, 4, 8)));
    main_->menuAction(QStringLiteral("mnuSkyEvents"))->trigger();
    window_ = main_->skyEventsWindow();
    ASSERT_NE(window_, nullptr);
    QApplication::setActiveWindow(window_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
  }

  TemporaryStore store_{{"Location/City", "Dallas,TX"}, {"Location/TimeZone", "6"}, {"Location/Latitude", "32.78"},
                        {"Location/Longitude", "96.8"}, {"Flags/Time", "1"}};
  std::unique_ptr<main_window::TfrmVesperon> main_;
  SkyEventsWindow* window_ = nullptr;
};

TEST_F(SkyEventsReadingTest, EachCellIsDescribedByItsWholeRow) {
  QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(window_->grid())->tableInterface();
  ASSERT_NE(table, nullptr);
  const auto& rows = window_->model().rows();
  ASSERT_GT(rows.size(), 4u);
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    for (int column = 0; column < table->columnCount(); ++column) {
      const QString description = table->cellAt(row, column)->text(QAccessible::Description);
      for (const QString& cell : rows[static_cast<std::size_t>(row)])
        EXPECT_TRUE(description.contains(cell)) << row << ", " << column << ": " << description.toStdString()
                                                << "\n lacks " << cell.toStdString();
    }
  }
}

TEST_F(SkyEventsReadingTest, SpaceOnNextYearLeavesTheReaderOnTheButton) {
  auto* next = window_->findChild<QPushButton*>(QStringLiteral("cmdNextYear"));
  ASSERT_NE(next, nullptr);
  next->setFocus(Qt::TabFocusReason);
  testing_support::AccessibleEventLog log;
  QTest::keyClick(next, Qt::Key_Space);
  QApplication::processEvents();
  EXPECT_EQ(window_->year(), 2025);
  EXPECT_EQ(QApplication::focusWidget(), next);
  for (const testing_support::ToldEvent& e : log.of(QAccessible::Focus))
    EXPECT_NE(e.role, QAccessible::Cell) << "a cell told as focused while the keyboard is on the button: "
                                         << e.name.toStdString();
  // The list still starts on its first row when it takes the keyboard.
  window_->grid()->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(window_->grid()->currentIndex().row(), 0);
}

} // namespace
} // namespace sky_events_window
