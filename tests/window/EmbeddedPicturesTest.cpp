// The pictures the window shows come from pixels decoded at build time: each must be, image
// for image, what decoding its picture file gives once a pixmap holds it.
#include <gtest/gtest.h>

#include <QPixmap>

#include "assets/Assets.h"
#include "tests/assets/QtImages.h"
#include "window/EmbeddedPictures.h"

namespace {

using Bytes = std::span<const unsigned char> (*)();

struct PictureCase {
  const char* name;
  Bytes file;
  Bytes pixels;
  int images;
  QSize first;
};
void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.name; }

const PictureCase kPictures[] = {
    {"Background", assets::BackgroundPicture, assets::BackgroundPixels, 1, {640, 480}},
    {"WindowIcon", assets::WindowIcon, assets::WindowIconPixels, 13, {}},
    {"LinkPicture", assets::LinkPicture, assets::LinkPicturePixels, 1, {233, 92}},
    {"LinkIcon", assets::LinkIcon, assets::LinkIconPixels, 17, {}},
};

// Premultiplied: what a pixmap keeps of a decoded image, alpha or not.
QImage AsKept(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

class EmbeddedPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(EmbeddedPictures, EveryImageIsTheDecodedFileImage) {
  const auto file = GetParam().file();
  const std::vector<QImage> images = window::ImagesFromPixels(GetParam().pixels());
  ASSERT_EQ(static_cast<int>(images.size()), GetParam().images);
  if (GetParam().first.isValid()) {
    EXPECT_EQ(images.front().size(), GetParam().first);
  }
  for (std::size_t i = 0; i < images.size(); ++i) {
    SCOPED_TRACE(i);
    const QImage decoded = assets_test::Decode(file, static_cast<int>(i));
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(AsKept(images[i]), AsKept(decoded));
  }
}

TEST_P(EmbeddedPictures, PixmapsAndIconsHoldThemAll) {
  const std::vector<QImage> images = window::ImagesFromPixels(GetParam().pixels());
  const QPixmap picture = window::PictureFromPixels(GetParam().pixels());
  EXPECT_EQ(AsKept(picture.toImage()), AsKept(images.front()));
  const QIcon icon = window::IconFromPixels(GetParam().pixels());
  for (const QImage& image : images) EXPECT_TRUE(icon.availableSizes().contains(image.size())) << image.width();
}

INSTANTIATE_TEST_SUITE_P(Stored, EmbeddedPictures, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PixelsReader, AShortOrEmptyStoreGivesOnlyItsWholeImages) {
  const auto pixels = assets::WindowIconPixels();
  const QImage first = window::ImagesFromPixels(pixels).front();
  const auto firstImage = static_cast<std::size_t>(12 + 4 * first.width() * first.height());
  EXPECT_TRUE(window::ImagesFromPixels(pixels.first(0)).empty());
  EXPECT_TRUE(window::ImagesFromPixels(pixels.first(11)).empty());
  EXPECT_TRUE(window::ImagesFromPixels(pixels.first(firstImage - 1)).empty());
  EXPECT_EQ(window::ImagesFromPixels(pixels.first(firstImage)).size(), 1u);
  EXPECT_EQ(window::ImagesFromPixels(pixels.first(firstImage + 13)).size(), 1u);
  EXPECT_TRUE(window::PictureFromPixels(pixels.first(5)).isNull());
}

}  // namespace
