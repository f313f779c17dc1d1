// What the window icon shows: a blue-violet five-pointed star, one point up, transparent
// around it; soft-edged with a faint grey shadow in the 32-bit images.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <set>

#include "assets/Assets.h"
#include "tests/assets/IconFile.h"
#include "tests/assets/QtImages.h"

namespace {

const QRgb kStar = qRgba(60, 50, 254, 255);

// Images 7 to 13 are the 32-bit ones.
class StarImage : public testing::TestWithParam<int> {
 protected:
  const QImage image_ = assets_test::Decode(assets::WindowIcon(), GetParam());
  const int size_ = image_.width();
};

TEST_P(StarImage, CentreIsTheStarColourAndCornersAreClear) {
  ASSERT_FALSE(image_.isNull());
  EXPECT_EQ(image_.pixel(size_ / 2, size_ / 2), kStar);
  for (QPoint corner :
       {QPoint(0, 0), QPoint(size_ - 1, 0), QPoint(0, size_ - 1), QPoint(size_ - 1, size_ - 1)})
    EXPECT_EQ(qAlpha(image_.pixel(corner)), 0) << corner.x() << "," << corner.y();
}

// Runs of opaque pixels along row `y`.
int OpaqueRuns(const QImage& image, int y) {
  int runs = 0;
  bool inside = false;
  for (int x = 0; x < image.width(); ++x) {
    const bool opaque = qAlpha(image.pixel(x, y)) >= 128;
    runs += opaque && !inside;
    inside = opaque;
  }
  return runs;
}

TEST_P(StarImage, HasOnePointUpAndTwoPointsDown) {
  ASSERT_FALSE(image_.isNull());
  int top = -1, bottom = -1;
  for (int y = 0; y < size_; ++y) {
    if (OpaqueRuns(image_, y) == 0) continue;
    if (top < 0) top = y;
    bottom = y;
  }
  ASSERT_GE(top, 0);
  // Near the top one point, near the bottom two, and only the faint shadow between them.
  const int inset = std::max(1, size_ / 10);
  EXPECT_EQ(OpaqueRuns(image_, top + inset), 1);
  EXPECT_EQ(OpaqueRuns(image_, bottom - inset), 2);
  EXPECT_LT(qAlpha(image_.pixel(size_ / 2, bottom - inset)), 128);
  // The arms reach further out than the upper point is wide: one row holds a single wide run.
  int widest = 0;
  for (int y = top; y <= bottom; ++y) {
    int run = 0;
    for (int x = 0; x < size_; ++x) run += qAlpha(image_.pixel(x, y)) >= 128;
    widest = std::max(widest, run);
  }
  EXPECT_GT(widest, size_ * 3 / 4);
}

TEST_P(StarImage, EdgesAreSoftAndAFaintGreyShadowFallsBelowRight) {
  ASSERT_FALSE(image_.isNull());
  int soft = 0, greyShadow = 0;
  for (int y = 0; y < size_; ++y)
    for (int x = 0; x < size_; ++x) {
      const QColor c = QColor::fromRgba(image_.pixel(x, y));
      if (c.alpha() > 0 && c.alpha() < 255) ++soft;
      const bool grey = std::abs(c.red() - c.green()) < 16 && std::abs(c.green() - c.blue()) < 16;
      if (grey && c.alpha() > 0 && c.alpha() < 160 && x > size_ / 2 && y > size_ / 2) ++greyShadow;
    }
  EXPECT_GT(soft, size_);
  EXPECT_GT(greyShadow, 0);
}

INSTANTIATE_TEST_SUITE_P(TrueColour, StarImage, testing::Range(6, 13));

TEST(WindowIconPalettedImages, EightBitStarsAreTheStarColourAndClearAround) {
  const auto file = assets::WindowIcon();
  for (const assets_test::IconEntry& e : assets_test::ReadIconHeader(file).entries) {
    if (e.bitCount != 8) continue;
    const assets_test::IconPixels p = assets_test::ReadIconPixels(file, e);
    EXPECT_EQ(p.colours[p.At(p.size / 2, p.size / 2)], qRgb(60, 50, 254)) << p.size;
    EXPECT_FALSE(p.transparent[p.At(p.size / 2, p.size / 2)]);
    EXPECT_TRUE(p.transparent[p.At(0, 0)]);
    EXPECT_TRUE(p.transparent[p.At(p.size - 1, p.size - 1)]);
  }
}

TEST(WindowIconPalettedImages, FourBitStarsArePureBlueDitheredWithGrey) {
  const auto file = assets::WindowIcon();
  for (const assets_test::IconEntry& e : assets_test::ReadIconHeader(file).entries) {
    if (e.bitCount != 4) continue;
    const assets_test::IconPixels p = assets_test::ReadIconPixels(file, e);
    std::set<int> used;
    int blue = 0, opaque = 0;
    for (size_t i = 0; i < p.indices.size(); ++i) {
      if (p.transparent[i]) continue;
      used.insert(p.indices[i]);
      ++opaque;
      blue += p.indices[i] == 12;
    }
    EXPECT_EQ(used, (std::set<int>{8, 12})) << p.size;  // grey and blue
    EXPECT_GT(blue, opaque / 2) << p.size;              // mostly blue
  }
}

}  // namespace
