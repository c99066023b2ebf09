// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing that takes the keyboard focus is unnamed for assistive technology:
// every window, with each panel of the main window open in turn.

#include "main_window/main_window.h"

#include "../support/temporary_store.h"
#include "about/about_box.h"
#include "help/help_window.h"
#include "main_window/status_strip.h"
#include "month_table_window/list_window.h"

#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>

#include <QAccessible>
#include <gtest/gtest.h>

namespace main_window {
namespace {

// The focusable, shown, enabled controls of a window without a name.
QStringList Unnamed(QWidget* window) {
  QStringList unnamed;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(window) || !w->isEnabled()) continue;
    // A scroll area's viewport and a combo box's line edit speak for their owner.
    if (w->focusProxy()) continue;
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(w);
    if (!item || item->text(QAccessible::Name).trimmed().isEmpty())
      unnamed << QStringLiteral("%1 (%2)").arg(w->objectName(), QLatin1String(w->metaObject()->className()));
  }
  return unnamed;
}

TEST(FocusableNames, EveryFocusableControlOfEveryWindowHasAName) {
  TemporaryStore store;
  TfrmVesperon window(store.factory());
  window.show();
  EXPECT_EQ(Unnamed(&window), QStringList()) << "main window with the calendar";

  window.mnuDateClick(false);
  EXPECT_EQ(Unnamed(&window), QStringList()) << "date panel";
  window.ShowLowerView(LowerView::Calendar);
  window.ToggleLocationEditor();
  EXPECT_EQ(Unnamed(&window), QStringList()) << "location editor";
  window.ToggleLocationEditor();
  window.ToggleColourPanel();
  EXPECT_EQ(Unnamed(&window), QStringList()) << "colour panel";
  window.ToggleColourPanel();

  window.ShowList();
  ASSERT_NE(window.listWindow(), nullptr);
  EXPECT_EQ(Unnamed(window.listWindow()), QStringList()) << "month table window";

  about::TfrmAbout about({50.0f, Qt::yellow, Qt::black, true}, &window);
  about.show();
  EXPECT_EQ(Unnamed(&about), QStringList()) << "About box";

  help::HelpWindow* helpWindow = help::HelpWindow::Open(&window);
  ASSERT_NE(helpWindow, nullptr);
  EXPECT_EQ(Unnamed(helpWindow), QStringList()) << "help window";
  helpWindow->close();
}

QString NameOf(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

TEST(FocusableNames, PanelsNameTheirFieldsBoxesCellsAndColumns) {
  TemporaryStore store({{"Location/City", "Test Harbour"}, {"Flags/Time", "0"}});
  TfrmVesperon window(store.factory());
  window.show();

  QStringList boxes;
  for (QLabel* box : window.statusStrip()->findChildren<QLabel*>()) boxes << NameOf(box);
  EXPECT_TRUE(boxes.contains(QStringLiteral("Location: Test Harbour"))) << boxes.join(" | ").toStdString();
  EXPECT_TRUE(boxes.contains(QStringLiteral("Time: Standard Time"))) << "the clock by its name, not its letters: "
                                                                      << boxes.join(" | ").toStdString();
  EXPECT_EQ(boxes.filter(QRegularExpression(QStringLiteral("^Clock: \\d+:\\d\\d [AP]M$"))).size(), 1)
      << "the clock's minute: " << boxes.join(" | ").toStdString();

  // Fields are named by their captions, which label them.
  window.mnuDateClick(false);
  for (const auto& [field, name] : {std::pair{"txtYear", "Year"}, {"txtMonth", "Month"}, {"txtDay", "Day"}}) {
    auto* edit = window.findChild<QWidget*>(QLatin1String(field));
    EXPECT_EQ(NameOf(edit), QLatin1String(name));
    const auto labels = QAccessible::queryAccessibleInterface(edit)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1) << field;
    EXPECT_EQ(labels[0].first->role(), QAccessible::StaticText);
  }
  window.ShowLowerView(LowerView::Calendar);
  window.ToggleLocationEditor();
  for (const auto& [field, name] : {std::pair{"txtCLoc", "Current Location"}, {"cboCities", "Select New Location"},
                                    {"txtLong", "Longitude"}, {"txtLat", "Latitude"}, {"cboTZ", "Time Zone"}}) {
    // A combo box too is named by its caption, not by the entry it shows.
    QWidget* w = window.findChild<QWidget*>(QLatin1String(field));
    EXPECT_EQ(NameOf(w), QLatin1String(name));
    const auto labels = QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1) << field;
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), QLatin1String(name));
  }
  window.ToggleLocationEditor();

  // The palette's cells by their colour.
  window.ToggleColourPanel();
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(window.findChild<QWidget*>("CG"));
  ASSERT_NE(grid->tableInterface(), nullptr);
  QStringList colours;
  for (int row = 0; row < grid->tableInterface()->rowCount(); ++row)
    for (int column = 0; column < grid->tableInterface()->columnCount(); ++column)
      colours << grid->tableInterface()->cellAt(row, column)->text(QAccessible::Name);
  EXPECT_EQ(colours.size(), 48);
  EXPECT_TRUE(colours.contains(QStringLiteral("black, red 0, green 0, blue 0"))) << colours.join(" | ").toStdString();
  EXPECT_TRUE(colours.filter(QStringLiteral("white, red 255, green 255, blue 255")).size() == 1);
  EXPECT_EQ(colours.removeDuplicates(), 0) << "no two cells read alike";
  // The palette's rows and columns are not headed by bare numbers.
  static const QRegularExpression number(QStringLiteral("^\\s*\\d+\\s*$"));
  QStringList headers;
  for (int row = 0; row < grid->tableInterface()->rowCount(); ++row) {
    QAccessibleTableCellInterface* cell = grid->tableInterface()->cellAt(row, 0)->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    for (QAccessibleInterface* header : cell->rowHeaderCells() + cell->columnHeaderCells())
      headers << header->text(QAccessible::Name);
  }
  EXPECT_TRUE(headers.filter(number).isEmpty()) << headers.join(" | ").toStdString();
  window.ToggleColourPanel();

  // The month table's header, and its grid's columns, the two twilights told apart.
  window.ShowList();
  const QString header = NameOf(window.listWindow()->findChild<QWidget*>("SGH"));
  EXPECT_EQ(header, QStringLiteral("Columns: Date, Dawn twilight, Sunrise, Sun transit, Sunset, Dusk twilight, "
                                   "Moonrise, Moon transit, Moonset, Moon illuminated"));
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window.listWindow()->findChild<QWidget*>("SG"));
  ASSERT_NE(table->tableInterface(), nullptr);
  EXPECT_EQ(table->tableInterface()->columnDescription(7), QStringLiteral("Moon transit"));
}

} // namespace
} // namespace main_window
