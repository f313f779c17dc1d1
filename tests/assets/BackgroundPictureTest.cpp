// The background picture: a 640 x 480, 24-bit, bottom-up Windows bitmap with an amber swirl
// and a glossy helix a little left of the centre.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "assets/Assets.h"
#include "tests/assets/LittleEndian.h"
#include "tests/assets/QtImages.h"

namespace {

using assets_test::LittleEndian;

TEST(BackgroundPictureFile, HeadersDescribeAnUncompressedBottomUp24BitBitmap) {
  const LittleEndian bmp(assets::BackgroundPicture());
  ASSERT_EQ(bmp.size(), 921654u);
  EXPECT_EQ(bmp.U8(0), 'B');
  EXPECT_EQ(bmp.U8(1), 'M');
  EXPECT_EQ(bmp.U32(2), 921654u);  // file size
  EXPECT_EQ(bmp.U32(6), 0u);       // reserved
  EXPECT_EQ(bmp.U32(10), 54u);     // pixels right after the two headers: no colour table
  EXPECT_EQ(bmp.U32(14), 40u);     // information header size
  EXPECT_EQ(bmp.I32(18), 640);
  EXPECT_EQ(bmp.I32(22), 480);  // positive: bottom-up
  EXPECT_EQ(bmp.U16(26), 1u);   // planes
  EXPECT_EQ(bmp.U16(28), 24u);  // bits per pixel
  EXPECT_EQ(bmp.U32(30), 0u);   // BI_RGB
  const std::uint32_t imageBytes = bmp.U32(34);
  EXPECT_TRUE(imageBytes == 0 || imageBytes == 921600u) << imageBytes;
  EXPECT_EQ(bmp.I32(38), 2834);
  EXPECT_EQ(bmp.I32(42), 2834);
  EXPECT_EQ(bmp.U32(46), 0u);  // colours used
  EXPECT_EQ(bmp.U32(50), 0u);  // colours important
}

TEST(BackgroundPictureFile, FirstStoredRowIsTheBottomOfThePicture) {
  const auto file = assets::BackgroundPicture();
  const QImage image = assets_test::Decode(file);
  ASSERT_EQ(image.size(), QSize(640, 480));
  // Stored as blue, green, red; the first stored row is the picture's last.
  for (int x : {0, 123, 639}) {
    const size_t at = 54 + 3 * static_cast<size_t>(x);
    EXPECT_EQ(QColor(image.pixel(x, 479)), QColor(file[at + 2], file[at + 1], file[at])) << x;
  }
}

struct Mean {
  double r = 0, g = 0, b = 0;
};

Mean MeanOf(const QImage& image, QRect area) {
  Mean m;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c(image.pixel(x, y));
      m.r += c.red();
      m.g += c.green();
      m.b += c.blue();
    }
  const double n = static_cast<double>(area.width()) * area.height();
  return {m.r / n, m.g / n, m.b / n};
}

class BackgroundPicture : public testing::Test {
 protected:
  const QImage image_ = assets_test::Decode(assets::BackgroundPicture());
};

TEST_F(BackgroundPicture, IsWarmAmberOverTheWholeVisiblePart) {
  ASSERT_FALSE(image_.isNull());
  const Mean m = MeanOf(image_, QRect(0, 0, 634, 402));
  EXPECT_GT(m.r, m.g + 40);
  EXPECT_GT(m.g, m.b + 40);
  EXPECT_GT(m.r, 150);
}

TEST_F(BackgroundPicture, LowerLeftIsMoreYellowThanTopRight) {
  ASSERT_FALSE(image_.isNull());
  const Mean lowerLeft = MeanOf(image_, QRect(0, 440, 40, 40));
  const Mean topRight = MeanOf(image_, QRect(600, 0, 40, 40));
  // Yellow: green close to red, and brighter.
  EXPECT_GT(lowerLeft.g / lowerLeft.r, topRight.g / topRight.r + 0.15);
  EXPECT_GT(lowerLeft.r + lowerLeft.g, topRight.r + topRight.g + 80);
}

// The pink rungs are the one colour of the picture with more blue than green.
bool IsPinkRung(QColor c) { return c.red() > 170 && c.blue() > c.green() + 25; }

TEST_F(BackgroundPicture, PinkRungsClimbFromBottomToTopBetweenColumns200And360) {
  ASSERT_FALSE(image_.isNull());
  // Every band of 60 rows holds rung pixels, and none lies outside the helix's columns.
  int outside = 0;
  for (int band = 0; band < 480; band += 60) {
    int inside = 0;
    for (int y = band; y < band + 60; ++y)
      for (int x = 0; x < 640; ++x)
        if (IsPinkRung(QColor(image_.pixel(x, y)))) (x >= 200 && x <= 360 ? inside : outside)++;
    EXPECT_GT(inside, 20) << "rows " << band << " to " << band + 59;
  }
  EXPECT_EQ(outside, 0);
}

TEST_F(BackgroundPicture, GoldenRungsShowInTheVisibleTopPart) {
  ASSERT_FALSE(image_.isNull());
  // Golden: bright yellow with little blue, found only where the helix is in the top rows,
  // whose ground is far from yellow.
  int golden = 0, elsewhere = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 634; ++x) {
      const QColor c(image_.pixel(x, y));
      if (c.red() > 235 && c.green() > 185 && c.blue() < 120)
        (x >= 200 && x <= 360 ? golden : elsewhere)++;
    }
  EXPECT_GT(golden, 100);
  EXPECT_EQ(elsewhere, 0);
}

}  // namespace
