// SPDX-License-Identifier: GPL-3.0-or-later
// The day view's longest texts fit their rectangles in the window's font.

#include "day_layout.h"
#include "main_window.h"
#include "../support/temporary_store.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace dayview {
namespace {

TEST(TextFit, LongestTextsFitTheirRectangles) {
  TemporaryStore store;
  TfrmVesperon window(store.factory());
  const QFontMetrics normal(window.font());
  QFont boldFont = window.font();
  boldFont.setBold(true);
  const QFontMetrics bold(boldFont);
  const auto width = [](const TextRect& r) { return r.right - r.left; };

  const struct {
    int entry;
    const char* text;
  } cases[] = {
      {kTwilightBegins, "12:59 PM"}, {kSunrise, "12:59 PM"},     {kFirstMoonTime, "12:59 PM"},
      {kSunrise, "23:59:59 u"},      {kSunrise, "23:59  UT"},    {kSunset, "None"},
      {7, "100%"},                   {kSunriseAzimuth, "360\u00B0"}, {kFirstMoonLabel, "Moonrise :"},
      {kFirstMoonLabel, "Moonset :"}, {kFirstSunLabel, "Twilight :"}, {kFirstSunLabel + 1, "Sunrise :"},
  };
  for (const auto& c : cases) {
    EXPECT_LE(normal.horizontalAdvance(QString::fromUtf8(c.text)), width(kTextRects96[c.entry]))
        << c.text << " in entry " << c.entry;
  }
  EXPECT_LE(bold.horizontalAdvance("Wednesday, September 30, 2026"), width(kTextRects96[kDateLine]));

  const LayoutMetricTable& m = kLayoutMetrics96;
  EXPECT_LE(normal.horizontalAdvance("First Quarter"), m[kPhaseNameRight] - m[kPhaseNameLeft]);
  EXPECT_LE(normal.horizontalAdvance("12/29/2026"), m[kPhaseDateRight] - m[kPhaseDateLeft]);
  EXPECT_LE(normal.horizontalAdvance("12:59 PM"), m[kPhaseTimeRight] - m[kPhaseTimeLeft]);
  EXPECT_GE(normal.height(), 12) << "about the 13-pixel character height";
  EXPECT_LE(normal.height(), 13);
}

} // namespace
} // namespace dayview
