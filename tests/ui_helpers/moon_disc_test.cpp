// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_helpers/moon_disc.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <utility>

namespace ui_helpers {
namespace {

const QColor kMoon(Qt::white);
const QColor kNavy(0, 0, 128);

QImage Disc(float pct, bool northern, int size = 52) {
  QImage image(size, size, QImage::Format_RGB32);
  DrawMoonDisc(image, kMoon, kNavy, pct, northern);
  return image;
}

bool Lit(const QImage& image, int x) { return image.pixelColor(x, image.height() / 2) == kMoon; }

// Lit pixels along the equator, and on which side they lie.
struct Equator {
  int litPixels = 0;
  bool litOnRight = false;
  bool litOnLeft = false;
};

Equator Scan(const QImage& image) {
  Equator e;
  const int w = image.width();
  for (int x = 0; x < w; ++x) e.litPixels += Lit(image, x) ? 1 : 0;
  e.litOnRight = Lit(image, w - 3);
  e.litOnLeft = Lit(image, 2);
  return e;
}

struct SideCase {
  float pct;
  bool northern;
  bool litOnRight;
  const char* note;
};

TEST(DrawMoonDisc, LightsTheSideTheObserverSees) {
  const SideCase cases[] = {
      {25.0f, true, true, "waxing crescent from the north: right"},
      {25.0f, false, false, "waxing crescent from the south: left"},
      {-25.0f, true, false, "waning crescent from the north: left"},
      {-25.0f, false, true, "waning crescent from the south: right"},
      {75.0f, true, true, "waxing gibbous from the north: right"},
      {-75.0f, false, true, "waning gibbous from the south: right"},
  };
  for (const auto& c : cases) {
    const Equator e = Scan(Disc(c.pct, c.northern));
    EXPECT_EQ(e.litOnRight, c.litOnRight) << c.note;
    EXPECT_EQ(e.litOnLeft, !c.litOnRight) << c.note;
  }
}

TEST(DrawMoonDisc, LitWidthFollowsThePercentage) {
  // e = |w * pct / 100| pixels from the lit edge, within the outline's pixel.
  const struct {
    float pct;
    int litPixels;
  } cases[] = {{25.0f, 13}, {50.0f, 26}, {75.0f, 39}, {-75.0f, 39}, {100.0f, 52}};
  for (const auto& c : cases) EXPECT_NEAR(Scan(Disc(c.pct, true)).litPixels, c.litPixels, 2) << c.pct;
}

TEST(DrawMoonDisc, NewMoonIsBlackAndFullMoonIsLit) {
  EXPECT_EQ(Scan(Disc(0.0f, true)).litPixels, 0);
  const QImage full = Disc(100.0f, true);
  EXPECT_TRUE(Lit(full, 10));
  EXPECT_TRUE(Lit(full, 41));
  EXPECT_EQ(full.pixelColor(0, 0), kNavy) << "corners keep the window's background";
}

// What a pixel of an ideal disc of w pixels is, or nothing where the pixel
// lies within about a pixel of an edge (the outline, the diameter, the
// terminator), where rasterising may go either way.
enum class Pixel { Background, Lit, Dark, Either };

Pixel Expected(int x, int y, int w, float pct, bool northern) {
  const double c = (w - 1) / 2.0;    // centre, pixel coordinates
  const double radius = (w - 1) / 2.0; // to the outline's pixel centres
  const double dist = std::hypot(x - c, y - c);
  if (dist > radius + 1.0) return Pixel::Background;
  if (dist > radius - 1.2) return Pixel::Either;
  const int e = static_cast<int>(std::nearbyint(std::fabs(w * pct * 0.01)));
  const double a = (std::abs(w - 2 * e) - 1) / 2.0; // terminator's half width
  const bool litOnRight = (northern ? pct : -pct) > 0;
  const auto lit = [&](double px, double py) {
    const bool litHalf = litOnRight ? px > c : px < c;
    const bool inTerminator = a > 0 && std::pow((px - c) / a, 2) + std::pow((py - c) / radius, 2) < 1;
    return std::fabs(pct) > 50 ? litHalf || inTerminator : litHalf && !inTerminator;
  };
  const bool here = lit(x, y);
  for (const auto& [dx, dy] : {std::pair{1.2, 0.0}, {-1.2, 0.0}, {0.0, 1.2}, {0.0, -1.2}})
    if (lit(x + dx, y + dy) != here) return Pixel::Either;
  return here ? Pixel::Lit : Pixel::Dark;
}

TEST(DrawMoonDisc, MatchesTheIdealDiscPixelByPixel) {
  const struct {
    float pct;
    bool northern;
    const char* note;
  } cases[] = {
      {100.0f, true, "full"},          {0.0f, true, "new"},
      {50.0f, true, "first quarter"},  {-50.0f, true, "last quarter"},
      {25.0f, true, "waxing crescent"}, {-25.0f, false, "waning crescent from the south"},
      {75.0f, true, "waxing gibbous"},
  };
  for (const int w : {52, 32}) {
    for (const auto& c : cases) {
      const QImage image = Disc(c.pct, c.northern, w);
      const auto label = [&](int x, int y) {
        return testing::Message() << c.note << " at " << w << " px, pixel " << x << "," << y;
      };
      int checked = 0;
      for (int y = 0; y < w; ++y) {
        for (int x = 0; x < w; ++x) {
          const QColor got = image.pixelColor(x, y);
          const Pixel want = Expected(x, y, w, c.pct, c.northern);
          if (want == Pixel::Either) continue;
          ++checked;
          const QColor wanted = want == Pixel::Background ? kNavy : want == Pixel::Lit ? kMoon : QColor(Qt::black);
          ASSERT_EQ(got, wanted) << label(x, y);
        }
      }
      EXPECT_GT(checked, w * w * 2 / 3) << c.note;

      // The outline: a closed black circle exactly w pixels across, touching
      // all four sides of the bitmap; every disc pixel beside the background
      // or the bitmap's edge is black.
      QRect extent;
      for (int y = 0; y < w; ++y) {
        for (int x = 0; x < w; ++x) {
          if (image.pixelColor(x, y) == kNavy) continue;
          extent |= QRect(x, y, 1, 1);
          const bool atEdge = x == 0 || y == 0 || x == w - 1 || y == w - 1 ||
                              image.pixelColor(x - 1, y) == kNavy || image.pixelColor(x + 1, y) == kNavy ||
                              image.pixelColor(x, y - 1) == kNavy || image.pixelColor(x, y + 1) == kNavy;
          if (atEdge) {
            ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::black)) << label(x, y);
          }
        }
      }
      EXPECT_EQ(extent, QRect(0, 0, w, w)) << c.note << " at " << w << " px";

      // Along the equator the lit part is e pixels from the lit edge, the
      // outline's pixel included.
      const int e = static_cast<int>(std::nearbyint(std::fabs(w * c.pct * 0.01)));
      const bool litOnRight = (c.northern ? c.pct : -c.pct) > 0;
      for (const int y : {(w - 1) / 2, w / 2}) {
        int litPixels = 0, fromEdge = 0;
        for (int i = 1; i < w - 1; ++i) {
          const bool lit = image.pixelColor(litOnRight ? w - 1 - i : i, y) == kMoon;
          litPixels += lit;
          if (lit && fromEdge == i - 1) fromEdge = i;
        }
        EXPECT_EQ(litPixels, fromEdge) << c.note << ": one lit run from the lit edge, row " << y;
        EXPECT_EQ(litPixels, std::clamp(e - 1, 0, w - 2)) << c.note << " at " << w << " px, row " << y;
      }
    }
  }
}

TEST(DrawMoonDisc, ShowsASliverAsThreePerCent) {
  EXPECT_EQ(Disc(2.5f, true), Disc(3.0f, true));
  EXPECT_EQ(Disc(-2.5f, true), Disc(-3.0f, true));
  EXPECT_NE(Disc(2.0f, true), Disc(3.0f, true));
}

// On a screen scaled past 100 % the disc is drawn at the device's pixels:
// its edge has shades between its colours, and it is no 1x picture enlarged
// (which would be made of whole 2 x 2 blocks).
TEST(DrawMoonDisc, DrawsAtTheDevicePixelRatioWithSmoothEdges) {
  const struct {
    float pct;
    bool northern;
    bool litOnRight;
  } cases[] = {{30.0f, true, true}, {75.0f, true, true}, {-30.0f, true, false}, {60.0f, false, false}};
  for (const auto& c : cases) {
    QImage image = DiscImage(52, 2.0);
    ASSERT_EQ(image.width(), 104);
    DrawMoonDisc(image, kMoon, kNavy, c.pct, c.northern);
    int shades = 0;
    bool wholeBlocks = true;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor colour = image.pixelColor(x, y);
        if (colour != kMoon && colour != kNavy && colour != QColor(Qt::black)) ++shades;
        if (image.pixelColor(x - x % 2, y - y % 2) != colour) wholeBlocks = false;
      }
    }
    EXPECT_GT(shades, 100) << c.pct << ": anti-aliased edges";
    EXPECT_FALSE(wholeBlocks) << c.pct << ": drawn at 2x, not enlarged";
    EXPECT_EQ(image.pixelColor(c.litOnRight ? 96 : 7, 52), kMoon) << c.pct;
    EXPECT_EQ(image.pixelColor(c.litOnRight ? 7 : 96, 52), QColor(Qt::black)) << c.pct;
    EXPECT_EQ(image.pixelColor(1, 1), kNavy) << c.pct << ": the corner is the background";
  }
  EXPECT_EQ(DiscImage(52, 1.25).width(), 65);
  EXPECT_EQ(DiscImage(52, 1.5).devicePixelRatio(), 1.5);
}

} // namespace
} // namespace ui_helpers
