// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar as assistive technology reads it, through QAccessible.

#include "calendar_panel/calendar_panel.h"

#include "../support/qstring_printer.h"
#include "astro/display.h"

#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace calendar_panel {
namespace {

class CalendarAccessibleTest : public ::testing::Test {
protected:
  void SetUp() override {
    date_ = astro::DateTimeOfDate(QDate(2000, 1, 6));
    panel_ = std::make_unique<CalendarPanel>(nullptr, date_, options_, [this] { ++shown_; }, [](int p) { return p; });
    panel_->CalendarInit();
    panel_->show();
    grid_ = QAccessible::queryAccessibleInterface(panel_->findChild<QWidget*>("pnlCal"));
    ASSERT_NE(grid_, nullptr);
    ASSERT_NE(grid_->tableInterface(), nullptr);
  }
  QAccessibleInterface* Named(const char* objectName) const {
    return QAccessible::queryAccessibleInterface(panel_->findChild<QWidget*>(QLatin1String(objectName)));
  }
  QDate Shown() const { return astro::DateOfDateTime(date_); }

  double date_ = 0;
  CalendarOptions options_;
  int shown_ = 0;
  std::unique_ptr<CalendarPanel> panel_;
  QAccessibleInterface* grid_ = nullptr;
};

TEST_F(CalendarAccessibleTest, GridIsATableOfWeeksUnderNamedWeekdayColumns) {
  EXPECT_EQ(grid_->role(), QAccessible::Table);
  EXPECT_EQ(grid_->text(QAccessible::Name), QStringLiteral("January 2000"));
  QAccessibleTableInterface* table = grid_->tableInterface();
  EXPECT_EQ(table->rowCount(), 6);
  EXPECT_EQ(table->columnCount(), 7);
  EXPECT_EQ(table->columnDescription(0), QStringLiteral("Sunday"));
  EXPECT_EQ(grid_->child(0)->role(), QAccessible::ColumnHeader);
  EXPECT_EQ(grid_->child(6)->text(QAccessible::Name), QStringLiteral("Saturday"));

  // January 2000 begins on a Saturday: the first row's last cell.
  QAccessibleInterface* first = table->cellAt(0, 6);
  EXPECT_EQ(first->role(), QAccessible::Cell);
  EXPECT_EQ(first->text(QAccessible::Name), astro::LongDateText(astro::DateTimeOfDate(QDate(2000, 1, 1))));
  EXPECT_EQ(first->tableCellInterface()->rowIndex(), 0);
  EXPECT_EQ(first->tableCellInterface()->columnIndex(), 6);
  EXPECT_EQ(first->tableCellInterface()->columnHeaderCells().value(0), grid_->child(6));
  EXPECT_EQ(grid_->indexOfChild(first), 7 + 6);
  EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), QString()) << "before the first day";
  EXPECT_TRUE(table->cellAt(0, 0)->state().invisible);

  // The selected day: Thursday 6 January, second row.
  QAccessibleInterface* selected = table->cellAt(1, 4);
  EXPECT_EQ(selected->text(QAccessible::Name), QStringLiteral("Thursday, January 6, 2000"));
  EXPECT_TRUE(selected->state().selected);
  EXPECT_TRUE(selected->state().focused);
  EXPECT_FALSE(first->state().selected);
  EXPECT_EQ(table->selectedCells(), QList<QAccessibleInterface*>{selected});

  options_.SunStart = false;
  panel_->CalendarInit();
  EXPECT_EQ(table->columnDescription(0), QStringLiteral("Monday"));
  EXPECT_EQ(table->selectedCells().value(0)->text(QAccessible::Name), QStringLiteral("Thursday, January 6, 2000"));
}

TEST_F(CalendarAccessibleTest, CellsCaptionsAndArrowsArePressableButtons) {
  QAccessibleInterface* day = grid_->tableInterface()->cellAt(2, 3); // Wednesday 12 January
  day->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Shown(), QDate(2000, 1, 12));
  EXPECT_TRUE(day->state().selected);

  const struct {
    const char *object, *name;
    QDate after;
  } buttons[] = {
      {"cmdNextMonth", "Next Month", {2000, 2, 12}},  {"cmdPreviousMonth", "Previous Month", {2000, 1, 12}},
      {"cmdNextYear", "Next Year", {2001, 1, 12}},    {"cmdPreviousYear", "Previous Year", {2000, 1, 12}},
      {"pnlRight", "Next Day", {2000, 1, 13}},        {"pnlLeft", "Previous Day", {2000, 1, 12}},
  };
  for (const auto& b : buttons) {
    QAccessibleInterface* button = Named(b.object);
    ASSERT_NE(button, nullptr) << b.object;
    EXPECT_EQ(button->role(), QAccessible::Button) << b.object;
    EXPECT_EQ(button->text(QAccessible::Name), QLatin1String(b.name));
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Shown(), b.after) << b.name;
  }

  QSignalSpy entry(panel_.get(), &CalendarPanel::dateEntryRequested);
  QAccessibleInterface* month = Named("pnlMonth");
  QAccessibleInterface* year = Named("pnlYear");
  EXPECT_EQ(month->role(), QAccessible::Button);
  EXPECT_EQ(month->text(QAccessible::Name), QStringLiteral("Month January"));
  EXPECT_EQ(year->text(QAccessible::Name), QStringLiteral("Year 2000"));
  month->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  year->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_EQ(entry.size(), 2);
  EXPECT_FALSE(entry[0][0].toBool());
  EXPECT_TRUE(entry[1][0].toBool());

  // The weekday headers' action changes their labels, as a click does.
  auto* header = panel_->findChild<QLabel*>("lblCalDay_1");
  const QString before = header->text();
  grid_->child(0)->actionInterface()->doAction(QStringLiteral("Change Day Labels"));
  EXPECT_NE(header->text(), before);

  // Under the date panel the arrows are off, and so are their actions.
  panel_->SetNavigationEnabled(false);
  EXPECT_TRUE(Named("cmdNextMonth")->state().disabled);
  Named("cmdNextMonth")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Shown(), QDate(2000, 1, 12));
}

} // namespace
} // namespace calendar_panel
