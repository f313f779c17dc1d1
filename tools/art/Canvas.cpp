#include "tools/art/Canvas.h"

#include <algorithm>
#include <cmath>

namespace artwork {

Rgba FromRgb(double r, double g, double b, double alpha) {
  return {r / 255.0 * alpha, g / 255.0 * alpha, b / 255.0 * alpha, alpha};
}

Rgba Over(const Rgba& top, const Rgba& bottom) {
  const double keep = 1.0 - top.a;
  return {top.r + bottom.r * keep, top.g + bottom.g * keep, top.b + bottom.b * keep,
          top.a + bottom.a * keep};
}

namespace {
unsigned char Channel8(double straight) {
  return static_cast<unsigned char>(std::lround(std::clamp(straight, 0.0, 1.0) * 255.0));
}
}  // namespace

void AddScaled(Rgba& sum, const Rgba& c, double k) {
  sum.r += c.r * k;
  sum.g += c.g * k;
  sum.b += c.b * k;
  sum.a += c.a * k;
}

Rgba Scaled(const Rgba& c, double k) { return {c.r * k, c.g * k, c.b * k, c.a * k}; }

Rgb8 ToRgb8(const Rgba& c) {
  if (c.a <= 0.0) return {};
  return {Channel8(c.r / c.a), Channel8(c.g / c.a), Channel8(c.b / c.a)};
}

unsigned char ToAlpha8(const Rgba& c) { return Channel8(c.a); }

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

void Canvas::Composite(const Canvas& layer, int left, int top) {
  for (int y = 0; y < layer.height(); ++y) {
    const int ty = top + y;
    if (ty < 0 || ty >= height_) continue;
    for (int x = 0; x < layer.width(); ++x) {
      const int tx = left + x;
      if (tx < 0 || tx >= width_) continue;
      at(tx, ty) = Over(layer.at(x, y), at(tx, ty));
    }
  }
}

Canvas Render(int width, int height, int samples, const PointShader& shader) {
  Canvas out(width, height);
  const double weight = 1.0 / (samples * samples);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Rgba sum;
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          AddScaled(sum, shader(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples), 1.0);
        }
      }
      out.at(x, y) = Scaled(sum, weight);
    }
  }
  return out;
}

namespace {

std::vector<double> GaussianKernel(double sigma) {
  const int radius = std::max(1, static_cast<int>(std::ceil(sigma * 3.0)));
  std::vector<double> kernel(2 * radius + 1);
  double total = 0;
  for (int i = -radius; i <= radius; ++i) {
    kernel[i + radius] = std::exp(-0.5 * (i * i) / (sigma * sigma));
    total += kernel[i + radius];
  }
  for (double& k : kernel) k /= total;
  return kernel;
}

// One pass of a separable blur; `horizontal` picks the direction.
Canvas BlurPass(const Canvas& source, const std::vector<double>& kernel, bool horizontal) {
  const int radius = static_cast<int>(kernel.size() / 2);
  Canvas out(source.width(), source.height());
  for (int y = 0; y < source.height(); ++y) {
    for (int x = 0; x < source.width(); ++x) {
      Rgba sum;
      for (int i = -radius; i <= radius; ++i) {
        const int sx = horizontal ? std::clamp(x + i, 0, source.width() - 1) : x;
        const int sy = horizontal ? y : std::clamp(y + i, 0, source.height() - 1);
        AddScaled(sum, source.at(sx, sy), kernel[i + radius]);
      }
      out.at(x, y) = sum;
    }
  }
  return out;
}

}  // namespace

Canvas Blur(const Canvas& source, double sigma) {
  const std::vector<double> kernel = GaussianKernel(sigma);
  return BlurPass(BlurPass(source, kernel, true), kernel, false);
}

Canvas Downsample(const Canvas& source, int factor) {
  Canvas out(source.width() / factor, source.height() / factor);
  const double weight = 1.0 / (factor * factor);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      Rgba sum;
      for (int dy = 0; dy < factor; ++dy) {
        for (int dx = 0; dx < factor; ++dx) {
          AddScaled(sum, source.at(x * factor + dx, y * factor + dy), 1.0);
        }
      }
      out.at(x, y) = Scaled(sum, weight);
    }
  }
  return out;
}

Canvas Crop(const Canvas& source, int left, int top, int width, int height) {
  Canvas out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.at(x, y) = source.at(left + x, top + y);
  return out;
}

}  // namespace artwork
