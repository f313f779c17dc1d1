#include "tools/art/IconPixels.h"

#include <algorithm>
#include <array>
#include <limits>

#include "tools/art/MedianCut.h"

namespace artwork {

namespace {

fileformat::IconImage Masked(const Canvas& drawing, int bitsPerPixel) {
  fileformat::IconImage image;
  image.size = drawing.width();
  image.bitsPerPixel = bitsPerPixel;
  for (int y = 0; y < drawing.height(); ++y)
    for (int x = 0; x < drawing.width(); ++x) image.transparent.push_back(drawing.at(x, y).a < 0.5);
  return image;
}

int PixelCount(const fileformat::IconImage& image) { return image.size * image.size; }

}  // namespace

fileformat::IconImage ToTrueColour(const Canvas& drawing, int bitsPerPixel) {
  fileformat::IconImage image = Masked(drawing, bitsPerPixel);
  for (int i = 0; i < PixelCount(image); ++i) {
    const Rgba& c = drawing.at(i % image.size, i / image.size);
    const bool hidden = bitsPerPixel == 24 && image.transparent[i];
    image.colours.push_back(hidden ? Rgb8{} : ToRgb8(c));
    if (bitsPerPixel == 32) image.alpha.push_back(ToAlpha8(c));
  }
  return image;
}

fileformat::IconImage ToOwnPalette(const Canvas& drawing) {
  fileformat::IconImage image = Masked(drawing, 8);
  std::vector<Rgb8> opaque;
  for (int i = 0; i < PixelCount(image); ++i)
    if (!image.transparent[i]) opaque.push_back(ToRgb8(drawing.at(i % image.size, i / image.size)));
  const Quantised q = MedianCut(opaque, 255);
  image.palette.assign(256, Rgb8{});
  std::copy(q.palette.begin(), q.palette.end(), image.palette.begin() + 1);
  size_t next = 0;
  for (int i = 0; i < PixelCount(image); ++i)
    image.indices.push_back(image.transparent[i] ? 0
                                                 : static_cast<std::uint8_t>(1 + q.index[next++]));
  return image;
}

fileformat::IconImage ToStandardPalette(const Canvas& drawing, std::span<const int> usable) {
  fileformat::IconImage image = Masked(drawing, 4);
  image.palette.assign(std::begin(kStandardPalette), std::end(kStandardPalette));
  const int n = image.size;
  // Straight colours with the error still to be spread, row by row (Floyd-Steinberg).
  std::vector<std::array<double, 3>> want(static_cast<size_t>(n) * n);
  for (int i = 0; i < n * n; ++i) {
    const Rgb8 c = ToRgb8(drawing.at(i % n, i / n));
    want[i] = {double(c.r), double(c.g), double(c.b)};
  }
  image.indices.assign(static_cast<size_t>(n) * n, 0);
  const auto spread = [&](int x, int y, const std::array<double, 3>& error, double share) {
    if (x < 0 || x >= n || y >= n || image.transparent[y * n + x]) return;
    for (int c = 0; c < 3; ++c) want[y * n + x][c] += error[c] * share;
  };
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      const int i = y * n + x;
      if (image.transparent[i]) continue;
      int best = usable[0];
      double bestDistance = std::numeric_limits<double>::max();
      for (int entry : usable) {
        const Rgb8& p = kStandardPalette[entry];
        const double dr = want[i][0] - p.r, dg = want[i][1] - p.g, db = want[i][2] - p.b;
        const double distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
          bestDistance = distance;
          best = entry;
        }
      }
      image.indices[i] = static_cast<std::uint8_t>(best);
      const Rgb8& p = kStandardPalette[best];
      const std::array<double, 3> error = {want[i][0] - p.r, want[i][1] - p.g, want[i][2] - p.b};
      spread(x + 1, y, error, 7.0 / 16);
      spread(x - 1, y + 1, error, 3.0 / 16);
      spread(x, y + 1, error, 5.0 / 16);
      spread(x + 1, y + 1, error, 1.0 / 16);
    }
  }
  return image;
}

fileformat::IconImage ToBlackAndWhite(const Canvas& drawing) {
  fileformat::IconImage image = Masked(drawing, 1);
  image.palette = {Rgb8{0, 0, 0}, Rgb8{255, 255, 255}};
  for (int i = 0; i < PixelCount(image); ++i) {
    const Rgb8 c = ToRgb8(drawing.at(i % image.size, i / image.size));
    const int light = c.r * 299 + c.g * 587 + c.b * 114;
    image.indices.push_back(!image.transparent[i] && light > 127500 ? 1 : 0);
  }
  return image;
}

}  // namespace artwork
