#include "tools/art/Banner.h"

#include <algorithm>

#include "tools/art/Marble.h"

namespace artwork {

namespace {

// The stretch of the background around the helix, at half size.
constexpr int kTileSourceLeft = 190, kTileSourceTop = 150;

// A soft shade along the marble's edge, as if the tile sat on it.
void ShadeTileEdge(Canvas& banner) {
  for (int y = 0; y < kBannerHeight; ++y)
    for (int d = 0; d < 4; ++d)
      banner.at(kTileWidth + d, y) =
          Over(FromRgb(60, 40, 20, 0.22 * (4 - d) / 4.0), banner.at(kTileWidth + d, y));
}

// A pale glow behind the letters keeps them readable over the busy amber tile: the letters'
// coverage, blurred, then firmed up so the glow is strong right next to each stroke.
Canvas Glow(const Canvas& wordmark) {
  Canvas coverage(wordmark.width(), wordmark.height());
  for (int y = 0; y < coverage.height(); ++y)
    for (int x = 0; x < coverage.width(); ++x) coverage.at(x, y).a = wordmark.at(x, y).a;
  const Canvas blurred = Blur(coverage, 1.6);
  Canvas glow(wordmark.width(), wordmark.height());
  for (int y = 0; y < glow.height(); ++y)
    for (int x = 0; x < glow.width(); ++x)
      glow.at(x, y) = FromRgb(255, 244, 222, 0.75 * std::min(1.0, 1.8 * blurred.at(x, y).a));
  return glow;
}

}  // namespace

Canvas DrawBanner(const Canvas& background, const Canvas& wordmark) {
  Canvas banner = DrawMarble(kBannerWidth, kBannerHeight);
  banner.Composite(Downsample(
      Crop(background, kTileSourceLeft, kTileSourceTop, kTileWidth * 2, kBannerHeight * 2), 2));
  ShadeTileEdge(banner);
  banner.Composite(Glow(wordmark));
  banner.Composite(wordmark);
  return banner;
}

}  // namespace artwork
