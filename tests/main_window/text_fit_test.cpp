// SPDX-License-Identifier: GPL-3.0-or-later
// The day view's longest texts fit their rectangles in the window's font.

#include "../support/scoped_locale.h"
#include "../support/temporary_store.h"
#include "../support/text_room.h"
#include "apply_location.h"
#include "astro/display.h"
#include "day/status_texts.h"
#include "main_window/day_canvas.h"
#include "main_window/main_window.h"
#include "main_window/status_strip.h"
#include "ui_helpers/day_layout.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace main_window {
namespace {

TEST(TextFit, LongestTextsFitTheirRectangles) {
  TemporaryStore store;
  TfrmVesperon window(store.factory());
  const QFontMetrics normal(window.font());
  QFont boldFont = window.font();
  boldFont.setBold(true);
  const QFontMetrics bold(boldFont);
  const auto width = [](const ui_helpers::TextRect& r) { return r.right - r.left; };

  const struct {
    int entry;
    const char* text;
  } cases[] = {
      {day::kTwilightBegins, "12:59 PM"}, {day::kSunrise, "12:59 PM"},     {day::kFirstMoonTime, "12:59 PM"},
      {day::kSunrise, "23:59:59 u"},      {day::kSunrise, "23:59  UT"},    {day::kSunset, "None"},
      {7, "100%"},                   {day::kSunriseAzimuth, "360\u00B0"}, {day::kFirstMoonLabel, "Moonrise :"},
      {day::kFirstMoonLabel, "Moonset :"}, {day::kFirstSunLabel, "Twilight :"}, {day::kFirstSunLabel + 1, "Sunrise :"},
  };
  for (const auto& c : cases) {
    EXPECT_LE(normal.horizontalAdvance(QString::fromUtf8(c.text)), width(ui_helpers::kTextRects96[c.entry]))
        << c.text << " in entry " << c.entry;
  }
  EXPECT_LE(bold.horizontalAdvance("Wednesday, September 30, 2026"), width(ui_helpers::kTextRects96[day::kDateLine]));

  const ui_helpers::LayoutMetricTable& m = ui_helpers::kLayoutMetrics96;
  EXPECT_LE(normal.horizontalAdvance("First Quarter"), m[ui_helpers::kPhaseNameRight] - m[ui_helpers::kPhaseNameLeft]);
  EXPECT_LE(normal.horizontalAdvance("12/29/2026"), m[ui_helpers::kPhaseDateRight] - m[ui_helpers::kPhaseDateLeft]);
  EXPECT_LE(normal.horizontalAdvance("12:59 PM"), m[ui_helpers::kPhaseTimeRight] - m[ui_helpers::kPhaseTimeLeft]);
  EXPECT_GE(normal.height(), 12) << "about the 13-pixel character height";
  EXPECT_LE(normal.height(), 13);
}

std::string Described(const std::vector<CutText>& cut) {
  std::string out;
  for (const CutText& c : cut)
    out += c.where + " needs " + std::to_string(c.textWidth) + " of " + std::to_string(c.room) + "; ";
  return out;
}

TEST(TextFit, EveryControlOfEveryPanelShowsItsTextsWhole) {
  TemporaryStore store;
  TfrmVesperon window(store.factory());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (const LowerView view :
       {LowerView::Calendar, LowerView::LocationEditor, LowerView::ColourPanel, LowerView::DatePanel}) {
    window.ShowLowerView(view);
    const std::vector<CutText> cut = CutTexts(window);
    EXPECT_TRUE(cut.empty()) << "view " << static_cast<int>(view) << ": " << Described(cut);
  }
}

TEST(TextFit, ALongPlaceNameEndsInAnEllipsisInTheStatusBar) {
  TemporaryStore store;
  TfrmVesperon window(store.factory());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  test::ApplyLocation(window, "Bacolod City, Philippines", "-122.95", "10.67", -7.0f);
  const std::vector<CutText> cut = CutTexts(window);
  EXPECT_TRUE(cut.empty()) << Described(cut);
  const auto* box = window.findChild<QLabel*>(QStringLiteral("pnlCity"));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->text().startsWith(QStringLiteral("Bacolod City"))) << box->text().toStdString();
  EXPECT_TRUE(box->text().endsWith(QChar(0x2026))) << box->text().toStdString();
  EXPECT_EQ(window.statusStrip()->text(0), QStringLiteral("Bacolod City, Philippines"));
  EXPECT_EQ(box->accessibleName(), QStringLiteral("Location: Bacolod City, Philippines"));
}

// Each choice of the time type and the twilight shows whole in its box, and
// the boxes keep apart.
TEST(TextFit, TheStatusBarsChoiceBoxesShowEveryChoiceWhole) {
  TemporaryStore store({{"Flags/Status", "1"}});
  TfrmVesperon window(store.factory());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const auto box = [&window](const char* name) { return window.findChild<QLabel*>(QLatin1String(name)); };
  ASSERT_TRUE(box("pnlCity") && box("pnlTime") && box("pnlTwilight") && box("pnlClock"));
  for (int choice = 0; choice < 3; ++choice) {
    window.SetTwilight(choice);
    EXPECT_EQ(box("pnlTwilight")->text(), day::TwilightText(choice));
    window.SetTimeType(choice);
    EXPECT_EQ(box("pnlTime")->text(), day::TimeTypeText(choice));
  }
  const char* order[] = {"pnlCity", "pnlTime", "pnlTwilight", "pnlClock"};
  for (int i = 0; i + 1 < 4; ++i)
    EXPECT_LT(box(order[i])->geometry().right(), box(order[i + 1])->x()) << order[i] << " overlaps the next";
}

// Days of two digits in a locale of named months: the widest phase dates.
TEST(TextFit, PhaseDatesAreDrawnWhole) {
  const ScopedLocale c(QLocale::c());
  TemporaryStore store;
  TfrmVesperon window(store.factory());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const ui_helpers::LayoutMetricTable m = ui_helpers::ScaledLayoutMetrics(window.logicalDpiX());
  const QColor background = window.dayCanvas()->palette().color(QPalette::Window);
  for (int month = 1; month <= 12; ++month) {
    window.GoToDate(astro::DateTimeOfDate(QDate(2026, month, 1)));
    const QImage image = window.dayCanvas()->grab().toImage();
    for (int row = 0; row < day::PhaseRowCount(false); ++row) {
      const QString date = window.dayView().Phases.PhaseText[static_cast<std::size_t>(row)].date;
      // A whole date leaves the first column of its box blank (a pixel is kept
      // for smoothed edges); a cut one has a glyph's stroke there.
      const int top = m[ui_helpers::kPhaseRowsTop] + row * m[ui_helpers::kPhaseRowHeight];
      int ink = 0;
      for (int y = top; y < top + m[ui_helpers::kPhaseRowHeight]; ++y) ink += image.pixelColor(m[ui_helpers::kPhaseDateLeft], y) != background;
      EXPECT_EQ(ink, 0) << date.toStdString();
    }
  }
}

// A right-to-left window moves nothing of the painted day view and keeps
// every text in the order of its own language.
TEST(TextFit, ARightToLeftWindowDrawsTheDayViewAsItReads) {
  const auto drawn = [](Qt::LayoutDirection direction) {
    QGuiApplication::setLayoutDirection(direction);
    TemporaryStore store;
    TfrmVesperon window(store.factory());
    window.GoToDate(astro::DateTimeOfDate(QDate(2026, 12, 9)));
    QImage image = window.dayCanvas()->grab().toImage();
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    return image;
  };
  EXPECT_EQ(drawn(Qt::RightToLeft), drawn(Qt::LeftToRight));
}

} // namespace
} // namespace main_window
