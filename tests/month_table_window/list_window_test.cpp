// SPDX-License-Identifier: GPL-3.0-or-later
#include "month_table_window/list_window.h"

#include "../support/accessible_events.h"
#include "../support/mnemonics.h"
#include "../support/qstring_printer.h"
#include "../support/text_room.h"
#include "help/help_key.h"
#include "list_window_support.h"
#include "main_window/main_window.h"
#include "month/copy_text.h"
#include "month/header_labels.h"
#include "month/month_table.h"
#include "month_table_window/table_font_dialog.h"
#include "month_table_window/list_header.h"
#include "ui_helpers/focus_ring_style.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace month_table_window {
namespace {

bool At96Dpi() { return QGuiApplication::primaryScreen()->logicalDotsPerInch() == 96; }

TEST(ListWindowTest, FirstRunOpensAtItsDefaults) {
  ListWindowUnderTest t;
  t.window->show();
  t.window->MakeList();
  EXPECT_EQ(t.window->pos(), QPoint(5, 5));
  EXPECT_EQ(t.window->frameGeometry().height(), 395) << "the stored height is the frame's";
  EXPECT_EQ(t.window->width(), t.window->columns().windowWidth);
  EXPECT_FALSE(t.window->menuAction("mnuGroup5")->isChecked());
  EXPECT_FALSE(t.window->menuAction("mnuGroup7")->isChecked());
  EXPECT_FALSE(t.window->menuAction("mnuGrid")->isChecked());
  EXPECT_TRUE(t.window->menuAction("mnuCMode_0")->isChecked());
  EXPECT_EQ(t.window->grid()->font().family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(t.window->grid()->font().pointSize(), 10);
  EXPECT_EQ(t.window->windowTitle(), QStringLiteral("Sun and Moon Data for March 2024 ... Standard Time"));
  EXPECT_EQ(t.window->grid()->model()->rowCount(), 31);
  EXPECT_EQ(help::HelpContextAt(t.window->grid()), 1007);
}

TEST(ListWindowTest, ShowingKeepsTheWindowOnTheScreenAndClearOfItsBottomStrip) {
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  const int limit = screen.height() - 30;
  constexpr int kAboveTheStrip = -1; // the frame's bottom on the strip's top
  const struct {
    const char *top, *left, *height;
    int expectTop, expectFrameHeight; // 0: the stored height
    bool leftFits;
    const char* note;
  } cases[] = {
      {"40", "20", "100", 40, 200, true, "a low window grows to 200"},
      {"40", "20", "5000", 0, limit, true, "a tall window shrinks to the screen less the strip and moves up"},
      {"5000", "20", "300", kAboveTheStrip, 0, true, "a window below the screen moves up"},
      {"-50", "-50", "300", 0, 0, true, "a window above and left of the screen moves down and right"},
      {"40", "5000", "300", 40, 0, false, "a window right of the screen moves back onto it"},
      {"2147483647", "2147483647", "300", kAboveTheStrip, 0, false, "the largest position, no overflow"},
      {"40", "20", "2147483647", 0, limit, true, "the largest height, no overflow"},
  };
  for (const auto& c : cases) {
    ListWindowUnderTest t({{"Window/ListTop", c.top}, {"Window/ListLeft", c.left}, {"Window/ListHeight", c.height}});
    t.window->show();
    const QRect frame = t.window->frameGeometry();
    EXPECT_EQ(frame.height(), c.expectFrameHeight ? c.expectFrameHeight : 300) << c.note;
    EXPECT_EQ(frame.top(), c.expectTop == kAboveTheStrip ? limit - frame.height() : c.expectTop) << c.note;
    EXPECT_GE(frame.left(), 0) << c.note;
    EXPECT_LE(frame.right(), screen.width()) << c.note;
    if (c.leftFits) {
      EXPECT_EQ(frame.left(), std::max(0, QByteArray(c.left).toInt())) << c.note;
    }
  }
}

TEST(ListWindowTest, TheFramesPlaceIsStoredSoTheWindowStandsThereAgainAtTheNextStart) {
  const int limit = QGuiApplication::primaryScreen()->geometry().height() - 30;
  ListWindowUnderTest t({{"Window/ListTop", "40"}, {"Window/ListLeft", "20"}, {"Window/ListHeight", "5000"}});
  t.window->show();
  const QRect frame = t.window->frameGeometry();
  ASSERT_NE(frame, t.window->geometry()) << "the window has a frame";
  const settings::ListWindowSettings stored = t.window->SettingsToStore();
  EXPECT_EQ(stored.ListTop, 0) << "the title bar's top on the screen's";
  EXPECT_EQ(stored.ListLeft, 20);
  EXPECT_EQ(stored.ListHeight, limit);
  const QByteArray top = QByteArray::number(stored.ListTop), height = QByteArray::number(stored.ListHeight);
  ListWindowUnderTest again({{"Window/ListTop", top.constData()}, {"Window/ListLeft", "20"},
                             {"Window/ListHeight", height.constData()}});
  again.window->show();
  EXPECT_EQ(again.window->frameGeometry(), frame);
  EXPECT_EQ(again.window->SettingsToStore(), stored);
}

TEST(ListWindowTest, GridLinesWidenEveryHeaderColumnByOnePixelAndTheWindowByTen) {
  ListWindowUnderTest t;
  const ListColumns without = t.window->columns();
  const int widthWithout = t.window->width();
  t.window->menuAction("mnuGrid")->trigger();
  const ListColumns with = t.window->columns();
  EXPECT_TRUE(t.window->grid()->showGrid());
  for (int c = 0; c < month::kColumnCount; ++c) {
    const auto i = static_cast<std::size_t>(c);
    EXPECT_EQ(with.header[i], without.header[i] + 1) << "column " << c;
    EXPECT_EQ(t.window->header()->columnWidths()[i], with.header[i]) << "column " << c;
    EXPECT_EQ(t.window->grid()->columnWidth(c), with.header[i]) << "column " << c;
  }
  EXPECT_EQ(t.window->width(), widthWithout + 10);
}

TEST(ListWindowTest, EachHeaderLabelStandsOverItsColumnInEitherDirection) {
  for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
    QGuiApplication::setLayoutDirection(direction);
    ListWindowUnderTest t;
    t.window->show();
    QCoreApplication::processEvents();
    const ListHeader* header = t.window->header();
    const QTableView* grid = t.window->grid();
    for (int c = 0; c < month::kColumnCount; ++c) {
      const int labelCentre = header->mapToGlobal(header->CellRect(1, c).center()).x();
      const int columnLeft = grid->viewport()->mapToGlobal(QPoint(grid->columnViewportPosition(c), 0)).x();
      EXPECT_GE(labelCentre, columnLeft) << "column " << c << (direction == Qt::RightToLeft ? " right to left" : "");
      EXPECT_LT(labelCentre, columnLeft + grid->columnWidth(c)) << "column " << c;
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
  }
}

TEST(ListWindowTest, TwentyFourHourColumnsAreNarrowerButNeverUnderTheMinimum) {
  if (!At96Dpi()) GTEST_SKIP() << "the minimum is 44 pixels at 96 dpi";
  const struct {
    const char* size;
    bool narrower; // a small font reaches the minimum in both forms
  } cases[] = {{"14", true}, {"8", false}};
  for (const auto& c : cases) {
    ListWindowUnderTest twelve({{"Fonts/SSize", c.size}});
    MainWindowReading main = March2024();
    main.TFormat = 1;
    ListWindowUnderTest twentyFour({{"Fonts/SSize", c.size}});
    twentyFour.main = main;
    twentyFour.window->menuAction("mnuGrid")->trigger(); // ResizeGrids under the 24-hour clock
    twentyFour.window->menuAction("mnuGrid")->trigger();
    const int time12 = twelve.window->columns().cells[1];
    const int time24 = twentyFour.window->columns().cells[1];
    // Nor narrower than the "Twilight" over them.
    const int floor = std::max(44, QFontMetrics(twelve.window->header()->font()).horizontalAdvance("Twilight"));
    EXPECT_GE(time24, floor) << c.size;
    EXPECT_GE(time12, floor) << c.size;
    if (c.narrower) {
      EXPECT_LT(time24, time12) << c.size;
    } else {
      EXPECT_EQ(time24, floor) << c.size;
    }
  }
}

TEST(ListWindowTest, GroupingsExcludeEachOtherAndRechoosingOneRebuildsUngrouped) {
  ListWindowUnderTest t;
  t.window->MakeList();
  QAction* five = t.window->menuAction("mnuGroup5");
  QAction* week = t.window->menuAction("mnuGroup7");
  const struct {
    QAction* chosen;
    bool fiveChecked, weekChecked;
    int rows; // March 2024 begins on a Friday, weeks from Sunday
  } steps[] = {
      {five, true, false, 37}, {week, false, true, 36}, {five, true, false, 37}, {five, false, false, 31},
      {week, false, true, 36}, {week, false, false, 31},
  };
  for (const auto& s : steps) {
    s.chosen->trigger();
    EXPECT_EQ(five->isChecked(), s.fiveChecked);
    EXPECT_EQ(week->isChecked(), s.weekChecked);
    EXPECT_EQ(t.window->grid()->model()->rowCount(), s.rows);
  }
}

// The table is the window's first Tab stop; the keys move its cell, which
// stays on its day across a regrouping; each cell and row header reads alone.
TEST(ListWindowTest, TheTableTakesTheKeyboardAndItsCellsReadAlone) {
  ListWindowUnderTest t;
  t.window->MakeList();
  t.window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(t.window.get()));
  QTableView* table = t.window->grid();
  EXPECT_TRUE(table->focusPolicy() & Qt::TabFocus);
  EXPECT_FALSE(table->tabKeyNavigation()) << "Tab leaves the table for the buttons";
  EXPECT_EQ(table->currentIndex().row(), 16) << "the day view's day, 17 March";

  QAbstractItemModel* model = table->model();
  EXPECT_EQ(model->headerData(2, Qt::Vertical).toString(), QStringLiteral("3 March"));
  const QModelIndex moonrise = model->index(2, 6);
  EXPECT_TRUE(moonrise.data(Qt::AccessibleTextRole).toString().startsWith(QStringLiteral("Moonrise, 3 March: ")));
  EXPECT_EQ(moonrise.data(Qt::DisplayRole).toString(), t.window->table().rows[2][6]) << "the screen keeps its text";

  table->setFocus();
  QTest::keyClick(table, Qt::Key_Down);
  EXPECT_EQ(table->currentIndex().row(), 17);
  QTest::keyClick(table, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(table->currentIndex().row(), 30);
  QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(table->currentIndex().row(), 0);
  QTest::keyClick(table, Qt::Key_PageDown);
  EXPECT_GT(table->currentIndex().row(), 0);

  // March 2024 begins on a Friday: grouped by week from Sunday, the 10th
  // comes after two blank rows.
  table->setCurrentIndex(model->index(9, 3));
  t.window->menuAction("mnuGroup7")->trigger();
  EXPECT_EQ(model->headerData(table->currentIndex().row(), Qt::Vertical).toString(), QStringLiteral("10 March"));
  EXPECT_EQ(table->currentIndex().column(), 3);
  EXPECT_TRUE(table->accessibleName().endsWith(QStringLiteral("grouped by week")));
}

// Tab goes from the table through the buttons in the order they are shown;
// a blank row between groups reads as what it is, not as empty cells.
TEST(ListWindowTest, TabFollowsTheShownButtonsAndBlankRowsSayWhatTheyAre) {
  ListWindowUnderTest t;
  t.window->MakeList();
  t.window->show();
  QApplication::setActiveWindow(t.window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(t.window.get()));
  t.window->grid()->setFocus(Qt::TabFocusReason);
  QStringList order;
  for (int i = 0; i < 4; ++i) {
    order << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(order, QStringList({"SG", "cmdPrint", "cmdCopy", "cmdClose"}));

  t.window->menuAction("mnuGroup7")->trigger();
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(t.window->grid());
  ASSERT_NE(table->tableInterface(), nullptr);
  int blankRows = 0;
  for (int row = 0; row < table->tableInterface()->rowCount(); ++row) {
    if (!month::IsSeparatorRow(t.window->table().rows[static_cast<std::size_t>(row)])) continue;
    ++blankRows;
    for (int column = 0; column < table->tableInterface()->columnCount(); ++column)
      EXPECT_EQ(table->tableInterface()->cellAt(row, column)->text(QAccessible::Name),
                QStringLiteral("Blank row between weeks"))
          << row << ", " << column;
  }
  EXPECT_GT(blankRows, 0);
}

TEST(ListWindowTest, ClipboardHoldsTheCoreTextOfEachCopyModeWithTheLocationTheTableWasBuiltFor) {
  ListWindowUnderTest t;
  t.window->show();
  t.window->MakeList();
  const month::CopyContext context{t.main.location, t.main.Twilight, month::SampleDate()};
  // Another place and twilight kind chosen in the main window, List not pressed again:
  // the copy still names those of the times it holds.
  t.main.location.SiteName = QStringLiteral("Elsewhere");
  t.main.Twilight = 0;
  for (int mode = 0; mode < 3; ++mode) {
    t.window->menuAction(QStringLiteral("mnuCMode_%1").arg(mode))->trigger();
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    t.window->menuAction("mnuCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), month::JoinLines(month::CopyLines(t.window->table(), context, mode), month::LineEnd::CrLf))
        << "copy mode " << mode;
  }
  EXPECT_EQ(QGuiApplication::clipboard()->text().count(QStringLiteral("\r\n")), 31);
}

TEST(ListWindowTest, SettingsAreWrittenAtTheEndOnlyWhenTheWindowWasCreated) {
  for (const bool opened : {false, true}) {
    TemporaryStore store;
    {
      main_window::TfrmVesperon main(store.factory());
      if (opened) {
        main.ShowList();
        main.listWindow()->menuAction("mnuGroup5")->trigger();
        main.listWindow()->menuAction("mnuCMode_2")->trigger();
        main.listWindow()->ApplyChosenFont(QFont(QStringLiteral("Liberation Serif"), 20, QFont::Bold));
        EXPECT_FALSE(store.value("Flags/Group5") == QStringLiteral("1")) << "written before the end";
      }
    }
    EXPECT_EQ(store.value("Window/ListHeight").isEmpty(), !opened);
    EXPECT_EQ(store.value("Flags/Group5").isEmpty(), !opened);
    if (opened) {
      EXPECT_EQ(store.value("Flags/CMode"), QStringLiteral("2"));
      EXPECT_EQ(store.value("Fonts/SName"), QStringLiteral("Liberation Serif"));
      EXPECT_EQ(store.value("Fonts/SSize"), QStringLiteral("14")) << "the font dialog's largest size";
    }
  }
}

TEST(ListWindowTest, ColoursFollowTheMainWindow) {
  ListWindowUnderTest t;
  t.main.background = QColor(10, 20, 30);
  t.main.text = QColor(200, 100, 50);
  t.window->show();
  const QWidget* frame = t.window->centralWidget();
  EXPECT_EQ(frame->palette().color(QPalette::Window), QColor(10, 20, 30));
  EXPECT_EQ(t.window->header()->palette().color(QPalette::Active, QPalette::WindowText), QColor(200, 100, 50));
  t.window->ApplyMainColours(QColor(0, 128, 0), QColor(255, 255, 255));
  EXPECT_EQ(frame->palette().color(QPalette::Window), QColor(0, 128, 0));
  EXPECT_EQ(t.window->header()->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 255, 255));
  // The table keeps the system's colours.
  EXPECT_EQ(t.window->grid()->palette().color(QPalette::Base), QGuiApplication::palette().color(QPalette::Base));
}

// Pixels of the widget as shown in the hue of a saturated colour, smoothed
// edges included.
int PixelsInHueOf(QWidget& widget, const QColor& colour) {
  const QImage image = widget.grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      count += c.hsvSaturation() > 60 && std::abs(c.hsvHue() - colour.hsvHue()) < 20 ? 1 : 0;
    }
  }
  return count;
}

TEST(ListWindowTest, ScrollBarsAndButtonsAreDrawnInTheButtonColoursNotTheMainWindows) {
  ListWindowUnderTest t;
  t.main.background = QColor(0, 0, 128);
  t.main.text = QColor(255, 255, 0);
  t.window->show();
  t.window->MakeList();
  t.window->resize(300, 250); // both scroll bars in use
  QApplication::processEvents();
  QTableView* grid = t.window->grid();
  ASSERT_TRUE(grid->verticalScrollBar()->isVisible());
  ASSERT_TRUE(grid->horizontalScrollBar()->isVisible());
  QWidget* parts[] = {grid->verticalScrollBar(), grid->horizontalScrollBar(),
                      t.window->findChild<QPushButton*>("cmdPrint"), t.window->findChild<QPushButton*>("cmdCopy"),
                      t.window->findChild<QPushButton*>("cmdClose")};
  for (QWidget* part : parts) {
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(PixelsInHueOf(*part, t.main.text), 0) << part->objectName().toStdString() << " "
                                                     << part->metaObject()->className();
  }
}

TEST(ListWindowTest, TheFontDialogOffersOnlyEightToFourteenPoints) {
  ListWindowUnderTest t;
  t.window->show();
  QStringList offered;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    auto* sizes = dialog->findChild<QListWidget*>("lstSize");
    auto* bold = dialog->findChild<QCheckBox*>("chkBold");
    if (!sizes || !bold) return dialog->reject();
    for (int row = 0; row < sizes->count(); ++row) offered << sizes->item(row)->text();
    sizes->setCurrentRow(sizes->count() - 1);
    bold->setChecked(true);
    QTest::keyClick(sizes, Qt::Key_Return);
  });
  t.window->menuAction("mnuFont")->trigger();
  EXPECT_EQ(offered, (QStringList{"8", "9", "10", "11", "12", "13", "14"}));
  EXPECT_EQ(t.window->grid()->font().family(), QStringLiteral("Liberation Sans")) << "the face as it was";
  EXPECT_EQ(t.window->grid()->font().pointSize(), 14);
  EXPECT_TRUE(t.window->grid()->font().bold());
}

// The face list by its caption with the face as its value; the size list
// tells the chosen size, and its current size when it takes the keyboard.
TEST(ListWindowTest, TheFontDialogsListsTellTheirChoice) {
  TableFontDialog dialog(QFont(QStringLiteral("Liberation Sans"), 10), nullptr);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  testing_support::AccessibleEventLog log;
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(dialog.cboFace);
  EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Font"));
  EXPECT_EQ(face->text(QAccessible::Value), dialog.cboFace->currentText());

  QAccessibleInterface* sizes = QAccessible::queryAccessibleInterface(dialog.lstSize);
  EXPECT_EQ(sizes->text(QAccessible::Name), QStringLiteral("Size"));
  EXPECT_EQ(sizes->text(QAccessible::Description), QStringLiteral("10 points"));
  dialog.lstSize->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  bool toldCurrent = false;
  for (const testing_support::ToldEvent& e : log.of(QAccessible::Focus))
    toldCurrent = toldCurrent || (e.role == QAccessible::ListItem && e.name == QStringLiteral("10 points"));
  EXPECT_TRUE(toldCurrent) << "the current size is told as the list takes the keyboard";
  QTest::keyClick(dialog.lstSize, Qt::Key_Down);
  EXPECT_EQ(sizes->text(QAccessible::Description), QStringLiteral("11 points"));
}

TEST(ListWindowTest, HeaderLabelsAndButtonCaptionsShowWhole) {
  const struct {
    int tFormat, timeType;
    const char* note;
  } cases[] = {{0, 0, "12-hour clock"}, {1, 0, "24-hour clock"}, {1, 2, "Universal Time"}};
  for (const auto& c : cases) {
    ListWindowUnderTest t;
    t.main.TFormat = c.tFormat;
    t.main.state.TimeType = c.timeType;
    t.window->menuAction("mnuGrid")->trigger(); // ResizeGrids under this clock
    t.window->menuAction("mnuGrid")->trigger();
    t.window->show();
    const QFontMetrics header(t.window->header()->font());
    for (int column = 0; column < month::kColumnCount; ++column) {
      for (const month::HeaderRow* row : {&month::kBodyLabels, &month::kColumnLabels}) {
        const QString label = QLatin1String((*row)[static_cast<std::size_t>(column)]);
        EXPECT_LE(header.horizontalAdvance(label), t.window->columns().header[static_cast<std::size_t>(column)])
            << c.note << ": \"" << label.toStdString() << "\"";
      }
    }
    for (const CutText& cut : CutTexts(*t.window)) {
      ADD_FAILURE() << c.note << ": " << cut.where << " needs " << cut.textWidth << " of " << cut.room;
    }
  }
}

TEST(ListWindowTest, EveryMnemonicIsUniqueAndAltOReachesTheOptionsMenu) {
  ListWindowUnderTest t;
  t.window->show();
  t.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(t.window.get()));
  EXPECT_EQ(RepeatedMnemonics(*t.window), QStringList());
  QTest::keyClick(t.window->windowHandle(), Qt::Key_O, Qt::AltModifier);
  EXPECT_TRUE(t.window->isVisible()) << "Alt+O is not Close";
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), QStringLiteral("&Options"));
  menu->close();
}

TEST(ListWindowTest, ListFromTheMainWindowCreatesOnceAndCloseOnlyHides) {
  TemporaryStore store;
  main_window::TfrmVesperon main(store.factory());
  main.show();
  main.ShowList();
  TfrmList* first = main.listWindow();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  first->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(first));
  QTest::keyClick(first, Qt::Key_Escape);
  EXPECT_FALSE(first->isVisible());
  main.GoToDate(astro::DateTimeOfDate(QDate(2024, 2, 10)));
  main.ShowList();
  EXPECT_EQ(main.listWindow(), first);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->grid()->model()->rowCount(), 29);
  EXPECT_EQ(first->windowTitle().left(38), QStringLiteral("Sun and Moon Data for February 2024 .."));
}

// The focus ring of the keyboard's cell leaves the cell's text as it was at
// its sides: a date's last digit is not covered. (The ring's bottom bar may
// touch a descender: a row is the font's height.)
TEST(ListWindowTest, TheFocusRingCoversNoTextOfItsCell) {
  ListWindowUnderTest t;
  t.window->show();
  t.window->MakeList();
  QTableView* grid = t.window->grid();
  const auto cell = [grid](const QModelIndex& index, bool focused) {
    QStyleOptionViewItem option;
    option.initFrom(grid);
    option.rect = QRect(QPoint(0, 0), grid->visualRect(index).size());
    option.font = grid->font();
    option.state.setFlag(QStyle::State_HasFocus, focused);
    QImage image(option.rect.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    grid->itemDelegate()->paint(&painter, option, index);
    return image;
  };
  for (const int row : {0, 9, 30}) {
    for (int column = 0; column < grid->model()->columnCount(); ++column) {
      const QModelIndex index = grid->model()->index(row, column);
      const QImage plain = cell(index, false), focused = cell(index, true);
      const QColor base = plain.pixelColor(0, 0);
      int ink = 0, covered = 0;
      const int ring = ui_helpers::kFocusRingWidth;
      for (int y = ring; y < plain.height() - ring; ++y) {
        for (int x = 0; x < plain.width(); ++x) {
          if (plain.pixelColor(x, y) == base) continue;
          ++ink;
          if (focused.pixelColor(x, y) != plain.pixelColor(x, y)) ++covered;
        }
      }
      if (index.data().toString().trimmed().isEmpty()) continue;
      EXPECT_GT(ink, 0) << row << "," << column;
      EXPECT_EQ(covered, 0) << "row " << row << ", column " << column << ": " << index.data().toString().toStdString();
    }
  }
}

} // namespace
} // namespace month_table_window
