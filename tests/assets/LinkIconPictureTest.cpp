// What the link icon shows: a glossy green tick with a darker outline and a light highlight,
// the short stroke at the lower left, the long one up to the upper right; clear around it.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPointF>

#include "assets/Assets.h"
#include "tests/assets/IconFile.h"
#include "tests/assets/QtImages.h"

namespace {

QRgb At(const QImage& image, QPointF fraction) {
  return image.pixel(static_cast<int>(fraction.x() * image.width()),
                     static_cast<int>(fraction.y() * image.height()));
}

bool Green(QRgb c) { return qGreen(c) > qRed(c) + 30 && qGreen(c) > qBlue(c) + 30; }

// Points on the strokes and well away from them, as fractions of the side.
const QPointF kShortStroke(0.27, 0.67);
const QPointF kLongStroke(0.64, 0.50);
const QPointF kUpperEnd(0.84, 0.25);
const QPointF kClear[] = {{0.15, 0.15}, {0.85, 0.85}, {0.5, 0.15}, {0.15, 0.9}};

// Images 9 to 17 are the 32-bit ones.
class TickImage : public testing::TestWithParam<int> {
 protected:
  const QImage image_ = assets_test::Decode(assets::LinkIcon(), GetParam());
};

TEST_P(TickImage, StrokesAreGreenAndTheRestIsClear) {
  ASSERT_FALSE(image_.isNull());
  for (QPointF on : {kShortStroke, kLongStroke, kUpperEnd}) {
    const QRgb c = At(image_, on);
    EXPECT_EQ(qAlpha(c), 255) << on.x() << "," << on.y();
    EXPECT_TRUE(Green(c)) << on.x() << "," << on.y();
  }
  for (QPointF off : kClear) EXPECT_EQ(qAlpha(At(image_, off)), 0) << off.x() << "," << off.y();
}

INSTANTIATE_TEST_SUITE_P(TrueColour, TickImage, testing::Range(8, 17));

TEST(LinkIconLargest, IsTheTickGreenWithADarkerOutlineAndALightHighlight) {
  const QImage image = assets_test::Decode(assets::LinkIcon(), 8);
  ASSERT_EQ(image.width(), 256);
  int body = 0, outline = 0, highlight = 0;
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      const QRgb c = image.pixel(x, y);
      if (qAlpha(c) != 255 || !Green(c)) continue;
      body += c == qRgb(77, 145, 72);
      outline += qGreen(c) < 100;
      highlight += qGreen(c) > 200;
    }
  EXPECT_GT(body, 256 * 4);
  EXPECT_GT(outline, 256);
  EXPECT_GT(highlight, 64);
}

TEST(LinkIconPaletted, OneBitImageIsABlackAndWhiteTick) {
  const auto file = assets::LinkIcon();
  const auto entry = assets_test::ReadIconHeader(file).entries.at(0);
  ASSERT_EQ(entry.bitCount, 1);
  const assets_test::IconPixels p = assets_test::ReadIconPixels(file, entry);
  ASSERT_EQ(p.palette.size(), 2u);
  EXPECT_EQ(p.palette[0], qRgb(0, 0, 0));
  EXPECT_EQ(p.palette[1], qRgb(255, 255, 255));
  int black = 0, white = 0;
  for (size_t i = 0; i < p.indices.size(); ++i)
    if (!p.transparent[i]) (p.indices[i] == 0 ? black : white)++;
  EXPECT_GT(black, 20);
  EXPECT_GT(white, 20);
  const auto opaqueAt = [&](QPointF f) {
    return !p.transparent[p.At(static_cast<int>(f.x() * 48), static_cast<int>(f.y() * 48))];
  };
  EXPECT_TRUE(opaqueAt(kShortStroke));
  EXPECT_TRUE(opaqueAt(kLongStroke));
  for (QPointF off : kClear) EXPECT_FALSE(opaqueAt(off));
}

TEST(LinkIconPaletted, PalettedAndMaskOnlyImagesShowTheGreenTick) {
  const auto file = assets::LinkIcon();
  for (const assets_test::IconEntry& e : assets_test::ReadIconHeader(file).entries) {
    if (e.bitCount == 1 || e.bitCount == 32) continue;
    const assets_test::IconPixels p = assets_test::ReadIconPixels(file, e);
    SCOPED_TRACE(std::to_string(p.size) + " px at " + std::to_string(p.bitCount) + " bits");
    const auto at = [&](QPointF f) {
      return p.At(static_cast<int>(f.x() * p.size), static_cast<int>(f.y() * p.size));
    };
    // The 16-colour images dither, so their green is judged over the opaque pixels together.
    long red = 0, green = 0, blue = 0;
    for (size_t i = 0; i < p.colours.size(); ++i) {
      if (p.transparent[i]) continue;
      red += qRed(p.colours[i]);
      green += qGreen(p.colours[i]);
      blue += qBlue(p.colours[i]);
    }
    EXPECT_GT(green, red + blue / 2);
    EXPECT_FALSE(p.transparent[at(kLongStroke)]);
    for (QPointF off : kClear) EXPECT_TRUE(p.transparent[at(off)]);
    if (p.bitCount == 24) {
      EXPECT_EQ(qRgb(0, 0, 0), p.colours[at(kClear[0])]);
    }
  }
}

}  // namespace
