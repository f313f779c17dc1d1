// Writes the link picture: the banner as a 256-colour GIF. Draws text, so it runs with a
// QGuiApplication (on the offscreen platform at build time).
#include <QGuiApplication>
#include <cstdio>
#include <vector>

#include "tools/art/Background.h"
#include "tools/art/Banner.h"
#include "tools/art/MedianCut.h"
#include "tools/art/Wordmark.h"
#include "tools/format/GifFile.h"
#include "tools/format/WriteFile.h"

namespace {

// The wordmark's own colour keeps one entry to itself, so its letters stay exactly that red;
// the median cut shares the rest.
constexpr int kCutColours = 251;

fileformat::IndexedPicture Index(const artwork::Canvas& banner) {
  fileformat::IndexedPicture picture{banner.width(), banner.height(), {}, {}};
  std::vector<artwork::Rgb8> others;
  for (int y = 0; y < banner.height(); ++y)
    for (int x = 0; x < banner.width(); ++x)
      if (const artwork::Rgb8 c = ToRgb8(banner.at(x, y)); c != artwork::kWordmarkColour)
        others.push_back(c);
  const artwork::Quantised cut = artwork::MedianCut(others, kCutColours);
  const auto wordmarkIndex = static_cast<std::uint8_t>(cut.palette.size());
  picture.palette = cut.palette;
  picture.palette.push_back(artwork::kWordmarkColour);
  picture.palette.resize(256, artwork::Rgb8{});
  size_t next = 0;
  for (int y = 0; y < banner.height(); ++y)
    for (int x = 0; x < banner.width(); ++x)
      picture.indices.push_back(ToRgb8(banner.at(x, y)) == artwork::kWordmarkColour
                                    ? wordmarkIndex
                                    : static_cast<std::uint8_t>(cut.index[next++]));
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_link_picture SERIF_FONT.ttf OUTPUT.gif\n");
    return 2;
  }
  const auto wordmark =
      artwork::DrawWordmark(QString::fromLocal8Bit(argv[1]), artwork::kBannerWidth,
                            artwork::kBannerHeight, artwork::kWordmarkBox);
  if (!wordmark) {
    std::fprintf(stderr, "make_link_picture: cannot load the font %s\n", argv[1]);
    return 1;
  }
  const auto gif =
      fileformat::EncodeGif(Index(artwork::DrawBanner(artwork::DrawBackground(), *wordmark)));
  if (!gif) {
    std::fprintf(stderr, "make_link_picture: giflib could not encode the picture\n");
    return 1;
  }
  return fileformat::WriteOutput("make_link_picture", argv[2], *gif);
}
