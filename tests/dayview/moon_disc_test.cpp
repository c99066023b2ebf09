#include "moon_disc.h"

#include <QImage>
#include <gtest/gtest.h>

namespace dayview {
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

TEST(DrawMoonDisc, ShowsASliverAsThreePerCent) {
  EXPECT_EQ(Disc(2.5f, true), Disc(3.0f, true));
  EXPECT_EQ(Disc(-2.5f, true), Disc(-3.0f, true));
  EXPECT_NE(Disc(2.0f, true), Disc(3.0f, true));
}

} // namespace
} // namespace dayview
