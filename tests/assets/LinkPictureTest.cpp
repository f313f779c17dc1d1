// The link picture: a single-image GIF89a banner, 233 x 92, 256-entry global table with 252
// colours used; an amber tile at the left, pale grey marble on the right, and the dark red
// wordmark across both in rows 30 to 62 and columns 21 to 229.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <set>

#include "assets/Assets.h"
#include "tests/assets/LittleEndian.h"
#include "tests/assets/QtImages.h"

namespace {

using assets_test::LittleEndian;

constexpr size_t kTableEnd = 13 + 3 * 256;

TEST(LinkPictureFile, HeaderAndLogicalScreen) {
  const auto file = assets::LinkPicture();
  const LittleEndian gif(file);
  ASSERT_GT(gif.size(), kTableEnd);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data()), 6), "GIF89a");
  EXPECT_EQ(gif.U16(6), 233);
  EXPECT_EQ(gif.U16(8), 92);
  const int packed = gif.U8(10);
  EXPECT_EQ(packed & 0x80, 0x80);      // global colour table
  EXPECT_EQ((packed >> 4) & 0x07, 7);  // 8-bit colour resolution
  EXPECT_EQ(packed & 0x08, 0);         // not sorted
  EXPECT_EQ(packed & 0x07, 7);         // 2^(7+1) = 256 entries
  EXPECT_EQ(gif.U8(11), 0);            // background colour index
  EXPECT_EQ(gif.U8(12), 0);            // no pixel aspect ratio
}

TEST(LinkPictureFile, OneControlExtensionThenOneImageThenTheTrailer) {
  const LittleEndian gif(assets::LinkPicture());
  size_t at = kTableEnd;
  // Graphic control extension: no disposal, no user input, no transparency, no delay.
  ASSERT_EQ(gif.U8(at), 0x21);
  ASSERT_EQ(gif.U8(at + 1), 0xF9);
  EXPECT_EQ(gif.U8(at + 2), 4);
  EXPECT_EQ(gif.U8(at + 3), 0);
  EXPECT_EQ(gif.U16(at + 4), 0);
  EXPECT_EQ(gif.U8(at + 7), 0);  // block terminator
  at += 8;
  // Image descriptor: whole screen, no local table, not interlaced.
  ASSERT_EQ(gif.U8(at), 0x2C);
  EXPECT_EQ(gif.U16(at + 1), 0);
  EXPECT_EQ(gif.U16(at + 3), 0);
  EXPECT_EQ(gif.U16(at + 5), 233);
  EXPECT_EQ(gif.U16(at + 7), 92);
  EXPECT_EQ(gif.U8(at + 9), 0);
  EXPECT_EQ(gif.U8(at + 10), 8);  // LZW minimum code size
  at += 11;
  // The image data's sub-blocks, then nothing but the trailer: no second frame, no loop.
  while (at < gif.size() && gif.U8(at) != 0) at += 1 + gif.U8(at);
  EXPECT_EQ(at + 2, gif.size());
  EXPECT_EQ(gif.U8(at + 1), 0x3B);
}

// The raster as giflib decodes it: palette indices, top row first.
struct Raster {
  std::vector<int> indices;
  std::vector<QRgb> table;
  int images = 0;
};

int ReadFromSpan(GifFileType* gif, GifByteType* out, int length) {
  auto* rest = static_cast<std::span<const unsigned char>*>(gif->UserData);
  const int n = std::min<int>(length, static_cast<int>(rest->size()));
  std::copy_n(rest->begin(), n, out);
  *rest = rest->subspan(n);
  return n;
}

Raster DecodeWithGiflib() {
  std::span<const unsigned char> rest = assets::LinkPicture();
  int error = 0;
  GifFileType* gif = DGifOpen(&rest, ReadFromSpan, &error);
  Raster raster;
  if (gif == nullptr || DGifSlurp(gif) != GIF_OK) {
    ADD_FAILURE() << "giflib cannot read the picture: " << GifErrorString(error);
    if (gif != nullptr) DGifCloseFile(gif, &error);
    return raster;
  }
  raster.images = gif->ImageCount;
  const SavedImage& image = gif->SavedImages[0];
  const int pixels = image.ImageDesc.Width * image.ImageDesc.Height;
  raster.indices.assign(image.RasterBits, image.RasterBits + pixels);
  for (int i = 0; i < gif->SColorMap->ColorCount; ++i) {
    const GifColorType& c = gif->SColorMap->Colors[i];
    raster.table.push_back(qRgb(c.Red, c.Green, c.Blue));
  }
  DGifCloseFile(gif, &error);
  return raster;
}

TEST(LinkPictureFile, UsesTwoHundredFiftyTwoDistinctColours) {
  const Raster raster = DecodeWithGiflib();
  EXPECT_EQ(raster.images, 1);
  ASSERT_EQ(raster.table.size(), 256u);
  ASSERT_EQ(raster.indices.size(), 233u * 92u);
  const std::set<int> usedIndices(raster.indices.begin(), raster.indices.end());
  std::set<QRgb> usedColours;
  for (int i : usedIndices) usedColours.insert(raster.table[i]);
  EXPECT_EQ(usedIndices.size(), 252u);
  EXPECT_EQ(usedColours.size(), 252u);
}

class LinkPicture : public testing::Test {
 protected:
  const QImage image_ = assets_test::Decode(assets::LinkPicture());
};

TEST_F(LinkPicture, QtDecodesItAtItsSize) { EXPECT_EQ(image_.size(), QSize(233, 92)); }

bool DarkRed(QColor c) { return c.red() > 100 && c.green() < 45 && c.blue() < 45; }

TEST_F(LinkPicture, WordmarkIsDarkRedAndStaysInItsBox) {
  ASSERT_FALSE(image_.isNull());
  int exact = 0, outside = 0;
  int top = 92, bottom = -1, left = 233, right = -1;
  for (int y = 0; y < 92; ++y)
    for (int x = 0; x < 233; ++x) {
      const QColor c(image_.pixel(x, y));
      if (!DarkRed(c)) continue;
      exact += c == QColor(179, 14, 14);
      outside += y < 30 || y > 62 || x < 21 || x > 229;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
      left = std::min(left, x);
      right = std::max(right, x);
    }
  EXPECT_GT(exact, 300);
  EXPECT_EQ(outside, 0);
  // The letters fill the box: solid ink reaches within a few pixels of each edge.
  EXPECT_LE(top, 32);
  EXPECT_GE(bottom, 60);
  EXPECT_LE(left, 24);
  EXPECT_GE(right, 226);
}

TEST_F(LinkPicture, WordmarkCrossesFromTheTileOntoTheMarble) {
  ASSERT_FALSE(image_.isNull());
  int onTile = 0, onMarble = 0;
  for (int y = 30; y <= 62; ++y)
    for (int x = 21; x <= 229; ++x)
      if (DarkRed(QColor(image_.pixel(x, y)))) (x < 90 ? onTile : onMarble)++;
  EXPECT_GT(onTile, 100);
  EXPECT_GT(onMarble, 300);
}

TEST_F(LinkPicture, LeftTileIsAmberWithTheHelixAndTheRestPaleGreyMarble) {
  ASSERT_FALSE(image_.isNull());
  // Outside the wordmark's rows, so the letters do not count.
  double tileR = 0, tileB = 0, marbleLight = 0, marbleTint = 0, n = 0, m = 0;
  int pink = 0, marbleDark = 0;
  for (int y = 0; y < 92; ++y) {
    if (y >= 28 && y <= 64) continue;
    for (int x = 0; x < 233; ++x) {
      const QColor c(image_.pixel(x, y));
      if (x < 90) {
        tileR += c.red();
        tileB += c.blue();
        ++n;
        pink += c.red() > 170 && c.blue() > c.green() + 25;
      } else {
        marbleLight += (c.red() + c.green() + c.blue()) / 3.0;
        marbleTint += std::abs(c.red() - c.green()) + std::abs(c.green() - c.blue());
        marbleDark += c.value() < 200;
        ++m;
      }
    }
  }
  EXPECT_GT(tileR / n, tileB / n + 100);
  EXPECT_GT(pink, 10);
  EXPECT_GT(marbleLight / m, 200);
  EXPECT_LT(marbleTint / m, 12);
  EXPECT_GT(marbleDark, 20);  // the grey veins
}

}  // namespace
