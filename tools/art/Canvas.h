#pragma once
// A floating-point RGBA picture with premultiplied alpha: the drawings are built in it and only
// rounded to 8 bits when a file format needs bytes, so blending never loses precision.
// Any thread; a canvas is used by one thread at a time.
#include <functional>
#include <vector>

namespace artwork {

// Premultiplied colour, each channel 0..1.
struct Rgba {
  double r = 0, g = 0, b = 0, a = 0;
};

// Straight (not premultiplied) colour with 8-bit channels, as written into files.
struct Rgb8 {
  unsigned char r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb8&, const Rgb8&) = default;
  friend auto operator<=>(const Rgb8&, const Rgb8&) = default;
};

// A premultiplied colour from 0..255 channels and an opacity 0..1.
Rgba FromRgb(double r, double g, double b, double alpha = 1.0);
// `top` composited over `bottom`.
Rgba Over(const Rgba& top, const Rgba& bottom);
// Straight colour rounded to 8 bits; black where nothing is opaque.
Rgb8 ToRgb8(const Rgba& c);
// Opacity rounded to 8 bits.
unsigned char ToAlpha8(const Rgba& c);

class Canvas {
 public:
  Canvas(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  Rgba& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const Rgba& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  // Puts `layer` over this canvas, with its top-left corner at (left, top).
  void Composite(const Canvas& layer, int left = 0, int top = 0);

 private:
  int width_;
  int height_;
  std::vector<Rgba> pixels_;
};

// Colour of the point (x, y) in pixel units of the target, premultiplied.
using PointShader = std::function<Rgba(double x, double y)>;

// Each pixel is the mean of `samples` x `samples` evenly spread points of `shader`, which
// gives smooth antialiased edges to shapes that are defined point by point.
Canvas Render(int width, int height, int samples, const PointShader& shader);

// Gaussian blur of standard deviation `sigma` pixels; edges clamp.
Canvas Blur(const Canvas& source, double sigma);

// The mean of each `factor` x `factor` block.
Canvas Downsample(const Canvas& source, int factor);

// The rectangle (left, top, width, height) of `source` as a canvas of its own.
Canvas Crop(const Canvas& source, int left, int top, int width, int height);

}  // namespace artwork
