// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/main_window.h"

#include "../support/temporary_store.h"
#include "astro/display.h"
#include "colours/colour_panel.h"
#include "colours/palette_grid.h"
#include "main_window/day_canvas.h"
#include "main_window/moon_box.h"
#include "month_table_window/list_window.h"
#include "ui_helpers/colour_conversion.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace main_window {
namespace {

using colours::ColourElement;
using settings::PaletteCell;
using ui_helpers::ToQColor;

class ColourPanelTest : public ::testing::Test {
protected:
  std::unique_ptr<TfrmVesperon> Open(const TemporaryStore& store) {
    auto w = std::make_unique<TfrmVesperon>(store.factory());
    w->show();
    w->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->GoToDate(astro::DateTimeOfDate(QDate(2024, 3, 25))); // full moon: the disc is lit
    return w;
  }
  static colours::ColourPanel& Panel(TfrmVesperon& w) { return *w.colourPanel(); }
  static void Choose(TfrmVesperon& w, ColourElement element) {
    QTest::mouseClick(Panel(w).optColor[static_cast<int>(element) - 1], Qt::LeftButton);
  }
  static void ClickCell(TfrmVesperon& w, PaletteCell cell) {
    colours::PaletteGrid* grid = Panel(w).CG;
    const QRect rect = grid->visualRect(grid->model()->index(cell.row, cell.column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
  }
  // Runs More and, while the colour dialog is open, `inDialog` on it.
  static void More(TfrmVesperon& w, const std::function<void(QColorDialog&)>& inDialog) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      opened = true;
      inDialog(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    QTest::mouseClick(Panel(w).cmdColorMore, Qt::LeftButton);
    EXPECT_TRUE(opened) << "the colour dialog opened";
  }
  static QColor TextColourOf(TfrmVesperon& w, const char* label) {
    return w.findChild<QWidget*>(QLatin1String(label))->palette().color(QPalette::WindowText);
  }
  static QColor DiscCentre(TfrmVesperon& w) {
    const QImage& disc = w.moonBox()->bitmap();
    return disc.pixelColor(disc.width() / 2, disc.height() / 2);
  }
};

TEST_F(ColourPanelTest, OpensFromItsTwoEntryPointsAndClosesWithOKOrEscape) {
  TemporaryStore store;
  auto w = Open(store);
  QWidget* calendar = w->calendarPanel();
  const struct {
    std::function<void()> open, close;
    const char* note;
  } cases[] = {
      {[&] { w->menuAction("mnuColors")->trigger(); }, [&] { QTest::keyClick(w.get(), Qt::Key_Escape); },
       "Options > Colors, Escape"},
      {[&] { QTest::mouseClick(w->findChild<QWidget*>("lblStatus"), Qt::RightButton); },
       [&] { QTest::mouseClick(Panel(*w).cmdColorOK, Qt::LeftButton); }, "status label's right button, OK"},
      {[&] { QTest::mouseClick(w->findChild<QWidget*>("lblStatus"), Qt::RightButton); },
       [&] { QTest::mouseClick(w->findChild<QWidget*>("lblStatus"), Qt::RightButton); }, "right button twice"},
  };
  for (const auto& c : cases) {
    c.open();
    EXPECT_TRUE(Panel(*w).isVisible()) << c.note;
    EXPECT_FALSE(calendar->isVisible()) << c.note;
    EXPECT_EQ(w->HelpContext, 1006) << c.note;
    c.close();
    EXPECT_FALSE(Panel(*w).isVisible()) << c.note;
    EXPECT_TRUE(calendar->isVisible()) << c.note;
    EXPECT_EQ(w->HelpContext, 1001) << c.note;
  }
  EXPECT_TRUE(w->options().Status) << "the right button leaves the status bar alone";
}

TEST_F(ColourPanelTest, SelectsTheChosenElementsColourWithoutChangingAny) {
  TemporaryStore store;
  auto w = Open(store);
  w->ToggleColourPanel();
  EXPECT_EQ(Panel(*w).CG->SelectedCell(), (PaletteCell{4, 6})) << "navy background";
  EXPECT_TRUE(Panel(*w).CG->hasFocus());
  Choose(*w, ColourElement::Text);
  EXPECT_EQ(Panel(*w).CG->SelectedCell(), (PaletteCell{2, 3})) << "yellow text";
  Choose(*w, ColourElement::Moon);
  EXPECT_EQ(Panel(*w).CG->SelectedCell(), (PaletteCell{0, 0})) << "white moon";
  EXPECT_EQ(w->options().Background, settings::kNavy);
  EXPECT_EQ(w->options().Text, settings::kYellow);
  EXPECT_EQ(w->options().Moon, settings::kWhite);

  // The choice of element is kept when the panel closes and opens again.
  w->ToggleColourPanel();
  w->ToggleColourPanel();
  EXPECT_EQ(Panel(*w).ChosenElement(), ColourElement::Moon);
  EXPECT_EQ(Panel(*w).CG->SelectedCell(), (PaletteCell{0, 0}));
}

TEST_F(ColourPanelTest, APaletteCellRecoloursOnlyWhatTheElementColoursAndReachesTheStore) {
  const QColor navy = ToQColor(settings::kNavy), yellow = ToQColor(settings::kYellow), white = Qt::white;
  const QColor red(255, 0, 0);
  const struct {
    ColourElement element;
    QColor background, text, disc;
    const char* stored;
  } cases[] = {
      {ColourElement::Background, red, yellow, white, "Colors/Background"},
      {ColourElement::Text, navy, red, white, "Colors/Text"},
      {ColourElement::Moon, navy, yellow, red, "Colors/Moon"},
  };
  for (const auto& c : cases) {
    TemporaryStore store;
    {
      auto w = Open(store);
      w->ToggleColourPanel();
      Choose(*w, c.element);
      ClickCell(*w, {2, 1}); // red
      EXPECT_EQ(w->dayCanvas()->palette().color(QPalette::Window), c.background) << c.stored;
      for (const char* label : {"lblCalDay_1", "lblCal_11", "lblSet_1"})
        EXPECT_EQ(TextColourOf(*w, label), c.text) << c.stored << " " << label;
      EXPECT_EQ(DiscCentre(*w), c.disc) << c.stored;
    }
    EXPECT_EQ(store.value(c.stored), "255") << "red is the lowest byte";
  }
}

TEST_F(ColourPanelTest, AnOpenMonthTableWindowIsRecolouredAtOnce) {
  TemporaryStore store;
  auto w = Open(store);
  w->menuAction("mnuList")->trigger();
  auto* list = w->findChild<month_table_window::TfrmList*>();
  ASSERT_NE(list, nullptr);
  const auto frame = [&](QPalette::ColorRole role) { return list->centralWidget()->palette().color(role); };
  EXPECT_EQ(frame(QPalette::Window), ToQColor(settings::kNavy));
  w->ToggleColourPanel();
  ClickCell(*w, {2, 1});
  EXPECT_EQ(frame(QPalette::Window), QColor(255, 0, 0));
  Choose(*w, ColourElement::Text);
  ClickCell(*w, {0, 0});
  EXPECT_EQ(frame(QPalette::WindowText), QColor(Qt::white));
}

TEST_F(ColourPanelTest, ArrowKeysChooseAsTheyMove) {
  TemporaryStore store;
  auto w = Open(store);
  w->ToggleColourPanel();
  QTest::keyClick(Panel(*w).CG, Qt::Key_Down); // from navy, row 5 column 7, to row 6
  EXPECT_EQ(w->options().Background, settings::kColourPalette[5][6]);
  QTest::keyClick(Panel(*w).CG, Qt::Key_Left);
  EXPECT_EQ(w->options().Background, settings::kColourPalette[5][5]);
}

TEST_F(ColourPanelTest, GridLinesTakeTheBackgroundOnlyOnOK) {
  TemporaryStore store({{"Colors/Background", "32768"}}); // green, row 5 column 5
  auto w = Open(store);
  EXPECT_EQ(Panel(*w).CG->LineColour(), QColor(0, 128, 0)) << "set at start-up";
  w->ToggleColourPanel();
  ClickCell(*w, {2, 1});
  EXPECT_EQ(Panel(*w).CG->LineColour(), QColor(0, 128, 0)) << "not on a pick";
  w->ToggleColourPanel();
  EXPECT_EQ(Panel(*w).CG->LineColour(), QColor(0, 128, 0)) << "not when closed otherwise";
  w->ToggleColourPanel();
  QTest::mouseClick(Panel(*w).cmdColorOK, Qt::LeftButton);
  EXPECT_EQ(Panel(*w).CG->LineColour(), QColor(255, 0, 0));
}

// The arrows walk the element choice without leaving it; the box around the
// choice is no Tab stop of its own.
TEST_F(ColourPanelTest, ArrowsOnTheElementChoiceKeepTheFocusThere) {
  TemporaryStore store;
  auto w = Open(store);
  w->ToggleColourPanel();
  EXPECT_FALSE(Panel(*w).pnlColorOptions->focusPolicy() & Qt::TabFocus);
  Panel(*w).optColor[0]->setFocus();
  QTest::keyClick(Panel(*w).optColor[0], Qt::Key_Down);
  EXPECT_TRUE(Panel(*w).optColor[1]->hasFocus());
  EXPECT_EQ(Panel(*w).ChosenElement(), ColourElement::Text);
  EXPECT_EQ(Panel(*w).CG->SelectedCell(), (PaletteCell{2, 3})) << "yellow text";
  QTest::keyClick(Panel(*w).optColor[1], Qt::Key_Up);
  EXPECT_TRUE(Panel(*w).optColor[0]->hasFocus());
  EXPECT_EQ(Panel(*w).ChosenElement(), ColourElement::Background);
}

TEST_F(ColourPanelTest, ADialogColourLeavesNoMatchingCellAndFocusesTheChosenElement) {
  TemporaryStore store;
  auto w = Open(store);
  w->ToggleColourPanel();
  Choose(*w, ColourElement::Text);
  const QColor chosen(0x12, 0x34, 0x56);
  More(*w, [&](QColorDialog& dialog) {
    EXPECT_EQ(dialog.currentColor(), ToQColor(settings::kYellow)) << "starts on the element's colour";
    dialog.setCurrentColor(chosen);
    dialog.accept();
  });
  EXPECT_EQ(w->options().Text, 0x563412u);
  EXPECT_EQ(TextColourOf(*w, "lblCal_11"), chosen);

  More(*w, [](QColorDialog& dialog) { dialog.setCurrentColor(Qt::green); }); // cancelled
  EXPECT_EQ(w->options().Text, 0x563412u);

  w->ToggleColourPanel();
  w->ToggleColourPanel();
  w->activateWindow(); // the offscreen platform does not give it back after the dialog
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  EXPECT_TRUE(Panel(*w).optColor[1]->hasFocus()) << "the chosen element, Text";
  EXPECT_EQ(Panel(*w).CG->SelectedCell(), (PaletteCell{2, 3})) << "the selection stays where it was";
}

TEST_F(ColourPanelTest, CustomColoursComeFromTheStoreAndGoBack) {
  TemporaryStore store({{"CustomColors/ColorC", "0000ff"}, {"CustomColors/ColorA", "c0ffee"}});
  {
    auto w = Open(store);
    w->ToggleColourPanel();
    More(*w, [](QColorDialog&) {
      EXPECT_EQ(QColorDialog::customColor(2), QColor(255, 0, 0)) << "blue first, red last";
      EXPECT_EQ(QColorDialog::customColor(0), QColor(0xee, 0xff, 0xc0));
      EXPECT_EQ(QColorDialog::customColor(1), QColor(Qt::white));
      QColorDialog::setCustomColor(5, QColor(0, 0, 255));
    });
  }
  EXPECT_EQ(store.value("CustomColors/ColorA"), "c0ffee");
  EXPECT_EQ(store.value("CustomColors/ColorC"), "0000ff");
  EXPECT_EQ(store.value("CustomColors/ColorF"), "ff0000");
  EXPECT_EQ(store.value("CustomColors/ColorP"), "ffffff");
}

// A custom colour the dialog cannot read empties the list, and the dialog
// still opens on that click.
TEST_F(ColourPanelTest, AMalformedCustomColourIsClearedAndTheDialogStillOpens) {
  TemporaryStore store({{"CustomColors/ColorA", "zzzzzz"}, {"CustomColors/ColorB", "0000ff"}});
  {
    auto w = Open(store);
    w->ToggleColourPanel();
    More(*w, [](QColorDialog&) {
      for (int i = 0; i < 16; ++i) EXPECT_EQ(QColorDialog::customColor(i), QColor(Qt::white)) << i;
    });
  }
  EXPECT_EQ(store.value("CustomColors/ColorA"), "ffffff");
  EXPECT_EQ(store.value("CustomColors/ColorB"), "ffffff");
}

} // namespace
} // namespace main_window
