// SPDX-License-Identifier: GPL-3.0-or-later
// The colours text is shown in, as the windows really set them up with the
// default settings, meet WCAG 2 level AA: a contrast ratio of 4.5:1 or more.

#include "main_window/main_window.h"

#include "../support/temporary_store.h"
#include "about/about_box.h"
#include "calendar_panel/calendar_panel.h"
#include "main_window/day_canvas.h"
#include "main_window/status_strip.h"
#include "location_editor/location_editor.h"
#include "month_table_window/list_window.h"
#include "ui_helpers/focus_ring_style.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace main_window {
namespace {

// WCAG 2 relative luminance of an sRGB colour.
double Luminance(const QColor& c) {
  const auto linear = [](double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(Contrast, TheRatioFollowsTheWcagFormula) {
  EXPECT_NEAR(Contrast(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(Contrast(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01); // just short of AA
}

TEST(Contrast, DefaultTextAndButtonColoursMeetAA) {
  TemporaryStore store;
  TfrmVesperon window(store.factory());
  window.show();
  window.ShowList();
  about::TfrmAbout about({50.0f, Qt::white, Qt::black, true}, &window);

  const auto text = [](const QWidget* w, QPalette::ColorRole back = QPalette::Window,
                       QPalette::ColorRole fore = QPalette::WindowText) {
    return std::pair{w->palette().color(QPalette::Active, fore), w->palette().color(QPalette::Active, back)};
  };
  const QWidget* canvas = window.dayCanvas();
  const QWidget* colours = window.findChild<QWidget*>("pnlColor");
  const struct {
    const char* where;
    std::pair<QColor, QColor> colours;
  } cases[] = {
      {"day view", text(canvas)},
      {"calendar days", text(window.calendarPanel())},
      {"month caption", text(window.findChild<QWidget*>("pnlMonth"))},
      {"status bar", text(window.statusStrip())},
      {"calendar arrows", text(window.findChild<QWidget*>("cmdNextMonth"), QPalette::Button, QPalette::ButtonText)},
      {"colour panel captions", {colours->palette().color(QPalette::WindowText), canvas->palette().color(QPalette::Window)}},
      {"colour options", text(window.findChild<QWidget*>("pnlColorOptions"))},
      {"push buttons", text(window.findChild<QWidget*>("cmdColorOK"), QPalette::Button, QPalette::ButtonText)},
      {"month table header", text(window.listWindow()->findChild<QWidget*>("SGH"))},
      {"month table", text(window.listWindow()->findChild<QWidget*>("SG"), QPalette::Base, QPalette::Text)},
      {"About box", text(about.findChild<QWidget*>("ProductName"))},
      {"About box link", text(about.findChild<QWidget*>("lblURL"))},
  };
  for (const auto& c : cases)
    EXPECT_GE(Contrast(c.colours.first, c.colours.second), 4.5)
        << c.where << ": " << c.colours.first.name().toStdString() << " on " << c.colours.second.name().toStdString();
}

// The focus ring as drawn: a push button, a line edit and a radio button on
// the day view's navy and on a dialog's grey, focused without any Tab, show
// a ring two pixels wide that stands out 3:1 from what lies inside and
// outside it.
TEST(Contrast, TheFocusRingIsTwoPixelsWideAndStandsOutOnBothSides) {
  ui_helpers::FocusRingStyle style;
  for (const QColor& background : {QColor(0, 0, 0x80), QColor(0xef, 0xef, 0xef)}) {
    QWidget window;
    window.setStyle(&style);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, background);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.resize(200, 150);
    QPushButton button(QStringLiteral("OK"), &window);
    QLineEdit edit(&window);
    QRadioButton radio(QStringLiteral("Moon"), &window);
    const QRect places[] = {{20, 20, 100, 30}, {20, 60, 100, 24}, {20, 100, 100, 24}};
    QWidget* const controls[] = {&button, &edit, &radio};
    for (int i = 0; i < 3; ++i) {
      controls[i]->setStyle(&style);
      controls[i]->setGeometry(places[i]);
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (int i = 0; i < 3; ++i) {
      QWidget* control = controls[i];
      control->setFocus(Qt::OtherFocusReason); // a menu's or a program's, not a Tab
      const QImage shown = control->grab().toImage();
      QWidget* other = controls[(i + 1) % 3];
      other->setFocus(Qt::OtherFocusReason);
      const QImage unfocused = control->grab().toImage();
      const QString where = QStringLiteral("%1 on %2").arg(QLatin1String(control->metaObject()->className()),
                                                           background.name());
      // The ring's left side, half-way down: for the radio button, around its
      // caption, wherever the style puts it: the first column that changed.
      const int y = shown.height() / 2;
      int x = 0;
      while (x < shown.width() && shown.pixelColor(x, y) == unfocused.pixelColor(x, y)) ++x;
      ASSERT_LT(x + ui_helpers::kFocusRingWidth, shown.width()) << where.toStdString() << ": no ring";
      const QColor ring = shown.pixelColor(x, y);
      EXPECT_EQ(shown.pixelColor(x + 1, y), ring) << where.toStdString() << ": narrower than 2 pixels";
      const QColor outside = shown.pixelColor(std::max(x - 1, 0), y);
      const QColor inside = shown.pixelColor(x + ui_helpers::kFocusRingWidth, y);
      const QColor before = unfocused.pixelColor(x, y);
      EXPECT_GE(Contrast(ring, inside), 3.0) << where.toStdString() << ": " << ring.name().toStdString() << " in "
                                             << inside.name().toStdString();
      EXPECT_GE(Contrast(ring, x == 0 ? background : outside), 3.0) << where.toStdString();
      EXPECT_GE(Contrast(ring, before), 3.0) << where.toStdString() << ": against the unfocused pixels";
    }
  }
}

// The selection in menus and lists, under the program's style: its text
// 4.5:1 on the highlight, the highlight 3:1 on the list's own colour.
TEST(Contrast, TheSelectionHighlightMeetsAAUnderTheProgramsStyle) {
  QApplication::setStyle(new ui_helpers::FocusRingStyle);
  const QPalette palette = QApplication::palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    const QColor highlight = palette.color(group, QPalette::Highlight);
    EXPECT_GE(Contrast(palette.color(group, QPalette::HighlightedText), highlight), 4.5) << highlight.name().toStdString();
    EXPECT_GE(Contrast(highlight, palette.color(group, QPalette::Base)), 3.0) << highlight.name().toStdString();
  }
}

// The ring of a focused combo box on the location editor's navy, and the
// selected day's marker with the keyboard on the calendar: two pixels, 3:1 on
// both sides; the day's marker shows whether the calendar has the keyboard.
TEST(Contrast, TheRingsOnTheNavyPanelsStandOut) {
  QApplication::setStyle(new ui_helpers::FocusRingStyle);
  TemporaryStore store;
  TfrmVesperon window(store.factory());
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  // The ring's left side, half-way down `area` of `widget`'s image.
  const auto check = [](const QImage& shown, const QRect& area, const QString& where) {
    const int y = area.center().y(), x = area.left();
    const QColor ring = shown.pixelColor(x, y);
    EXPECT_EQ(shown.pixelColor(x + 1, y), ring) << where.toStdString() << ": narrower than 2 pixels";
    const QColor inside = shown.pixelColor(x + ui_helpers::kFocusRingWidth, y);
    const QColor outside = shown.pixelColor(x - 1, y);
    EXPECT_GE(Contrast(ring, inside), 3.0) << where.toStdString() << ": " << ring.name().toStdString() << " in "
                                           << inside.name().toStdString();
    EXPECT_GE(Contrast(ring, outside), 3.0) << where.toStdString() << ": " << ring.name().toStdString() << " on "
                                            << outside.name().toStdString();
  };

  QWidget* grid = window.calendarPanel()->GridWidget();
  QWidget* marker = grid->findChild<QWidget*>(QStringLiteral("bvlCal"));
  ASSERT_NE(marker, nullptr);
  ASSERT_EQ(QApplication::focusWidget(), &window);
  const QImage focused = grid->grab().toImage();
  check(focused, marker->geometry(), QStringLiteral("selected day"));
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  const QImage unfocused = grid->grab().toImage();
  const QPoint edge(marker->geometry().left() + 1, marker->geometry().center().y());
  EXPECT_NE(focused.pixelColor(edge), unfocused.pixelColor(edge)) << "the marker looks the same without the keyboard";
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  window.ToggleLocationEditor();
  auto* zone = window.locationEditor()->findChild<QComboBox*>(QStringLiteral("cboTZ"));
  ASSERT_NE(zone, nullptr);
  zone->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  QWidget* panel = zone->parentWidget();
  check(panel->grab().toImage(), zone->geometry(), QStringLiteral("time zone list"));
}

} // namespace
} // namespace main_window
