// SPDX-License-Identifier: GPL-3.0-or-later
// The colours text is shown in, as the windows really set them up with the
// default settings, meet WCAG 2 level AA: a contrast ratio of 4.5:1 or more.

#include "main_window.h"

#include "../support/temporary_store.h"
#include "about_box.h"
#include "calendar_panel.h"
#include "day_canvas.h"
#include "list_window.h"
#include "status_strip.h"

#include <QLabel>
#include <cmath>
#include <gtest/gtest.h>

namespace dayview {
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

} // namespace
} // namespace dayview
