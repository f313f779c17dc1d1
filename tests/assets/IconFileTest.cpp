// Both embedded icons: the directory lists the stated images in order, and each image is an
// uncompressed DIB with its 1-bit mask that Qt decodes at the listed size.
#include <gtest/gtest.h>

#include <QImage>
#include <span>
#include <string>
#include <vector>

#include "assets/Assets.h"
#include "tests/assets/IconFile.h"
#include "tests/assets/LittleEndian.h"
#include "tests/assets/QtImages.h"

namespace {

using assets_test::IconEntry;
using assets_test::LittleEndian;

struct SizeAndDepth {
  int size;
  int bits;
};

struct IconCase {
  std::string name;
  std::span<const unsigned char> (*file)();
  std::vector<SizeAndDepth> images;
};

void PrintTo(const IconCase& c, std::ostream* os) { *os << c.name; }

const IconCase kIcons[] = {
    {"WindowIcon",
     assets::WindowIcon,
     {{48, 4},
      {32, 4},
      {16, 4},
      {48, 8},
      {32, 8},
      {16, 8},
      {128, 32},
      {96, 32},
      {72, 32},
      {64, 32},
      {48, 32},
      {32, 32},
      {16, 32}}},
    {"LinkIcon",
     assets::LinkIcon,
     {{48, 1},
      {48, 4},
      {16, 4},
      {256, 8},
      {48, 8},
      {32, 8},
      {16, 8},
      {128, 24},
      {256, 32},
      {128, 32},
      {96, 32},
      {80, 32},
      {72, 32},
      {64, 32},
      {48, 32},
      {32, 32},
      {16, 32}}},
};

class IconFile : public testing::TestWithParam<IconCase> {
 protected:
  std::span<const unsigned char> file_ = GetParam().file();
  const std::vector<SizeAndDepth>& expected_ = GetParam().images;
  assets_test::IconHeader header_ = assets_test::ReadIconHeader(file_);
};

size_t RowBytes(int width, int bits) { return ((static_cast<size_t>(width) * bits + 31) / 32) * 4; }

TEST_P(IconFile, DirectoryListsTheImagesInOrder) {
  EXPECT_EQ(header_.reserved, 0);
  EXPECT_EQ(header_.type, 1);  // an icon, not a cursor
  ASSERT_EQ(header_.entries.size(), expected_.size());
  for (size_t i = 0; i < expected_.size(); ++i) {
    SCOPED_TRACE("image " + std::to_string(i + 1));
    const IconEntry& e = header_.entries[i];
    const int stored = expected_[i].size == 256 ? 0 : expected_[i].size;
    EXPECT_EQ(e.width, stored);
    EXPECT_EQ(e.height, stored);
    EXPECT_EQ(e.bitCount, expected_[i].bits);
    EXPECT_EQ(e.planes, 1);
    EXPECT_EQ(e.reserved, 0);
    EXPECT_EQ(e.colourCount, expected_[i].bits < 8 ? 1 << expected_[i].bits : 0);
  }
}

TEST_P(IconFile, ImagesFollowTheDirectoryBackToBackToTheEndOfTheFile) {
  ASSERT_FALSE(header_.entries.empty());
  std::uint32_t next = 6 + 16 * static_cast<std::uint32_t>(header_.entries.size());
  for (const IconEntry& e : header_.entries) {
    EXPECT_EQ(e.offset, next);
    next = e.offset + e.bytes;
  }
  EXPECT_EQ(next, file_.size());
}

TEST_P(IconFile, EachImageIsADibWithColourRowsAndAMask) {
  const LittleEndian ico(file_);
  ASSERT_EQ(header_.entries.size(), expected_.size());
  for (size_t i = 0; i < expected_.size(); ++i) {
    SCOPED_TRACE("image " + std::to_string(i + 1));
    const IconEntry& e = header_.entries[i];
    const int size = expected_[i].size, bits = expected_[i].bits;
    EXPECT_NE(ico.U32(e.offset), 0x474E5089u) << "PNG-compressed";
    EXPECT_EQ(ico.U32(e.offset), 40u);
    EXPECT_EQ(ico.I32(e.offset + 4), size);
    EXPECT_EQ(ico.I32(e.offset + 8), 2 * size);  // colour rows and mask rows
    EXPECT_EQ(ico.U16(e.offset + 12), 1);
    EXPECT_EQ(ico.U16(e.offset + 14), bits);
    EXPECT_EQ(ico.U32(e.offset + 16), 0u);  // BI_RGB
    const size_t palette = bits <= 8 ? 4u << bits : 0;
    const size_t colour = RowBytes(size, bits) * size, mask = RowBytes(size, 1) * size;
    EXPECT_EQ(e.bytes, 40 + palette + colour + mask);
    const std::uint32_t imageBytes = ico.U32(e.offset + 20);
    EXPECT_TRUE(imageBytes == 0 || imageBytes == colour + mask) << imageBytes;
  }
}

TEST_P(IconFile, QtDecodesEveryImageAtItsSize) {
  ASSERT_EQ(assets_test::ImageCount(file_), static_cast<int>(expected_.size()));
  for (size_t i = 0; i < expected_.size(); ++i) {
    const QImage image = assets_test::Decode(file_, static_cast<int>(i));
    EXPECT_EQ(image.size(), QSize(expected_[i].size, expected_[i].size)) << "image " << i + 1;
  }
}

TEST_P(IconFile, FourBitImagesUseTheStandardWindowsPalette) {
  const QRgb standard[16] = {
      qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
      qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
      qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
      qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  int checked = 0;
  for (const IconEntry& e : header_.entries) {
    if (e.bitCount != 4) continue;
    const assets_test::IconPixels pixels = assets_test::ReadIconPixels(file_, e);
    ASSERT_EQ(pixels.palette.size(), 16u);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(pixels.palette[i], standard[i]) << "entry " << i;
    ++checked;
  }
  EXPECT_EQ(checked, 2 + (GetParam().name == "WindowIcon" ? 1 : 0));
}

TEST_P(IconFile, MaskHidesExactlyTheMostlyTransparentPixelsOfAlphaImages) {
  for (const IconEntry& e : header_.entries) {
    if (e.bitCount != 32) continue;
    const assets_test::IconPixels pixels = assets_test::ReadIconPixels(file_, e);
    int mismatches = 0, hidden = 0;
    for (size_t i = 0; i < pixels.colours.size(); ++i) {
      hidden += pixels.transparent[i];
      mismatches += pixels.transparent[i] != (qAlpha(pixels.colours[i]) < 128);
    }
    EXPECT_EQ(mismatches, 0) << pixels.size << " px";
    EXPECT_GT(hidden, 0) << pixels.size << " px";
  }
}

INSTANTIATE_TEST_SUITE_P(Embedded, IconFile, testing::ValuesIn(kIcons),
                         [](const testing::TestParamInfo<IconCase>& info) {
                           return info.param.name;
                         });

}  // namespace
