#include "tools/art/Swirl.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/art/Noise.h"

namespace artwork {

namespace {

// One elliptical swirl: rings around a centre that twist into a spiral and fade with distance.
struct SwirlCentre {
  double x, y;              // centre, in pixels of a 640 x 480 picture
  double radiusX, radiusY;  // reach of the swirl
  double angle;             // tilt of the ellipse, radians
  double rings;             // rings across one radius
  double twist;             // spiral arms; the sign sets the turning sense
  double strength;          // how much it lightens and darkens the ground
};

constexpr SwirlCentre kSwirls[] = {
    {110, 410, 290, 180, 0.35, 2.1, 1.0, 0.20},  {480, 140, 240, 150, -0.45, 2.4, -1.0, 0.20},
    {300, 250, 200, 130, 0.80, 2.8, 1.0, 0.14},  {70, 120, 170, 115, 0.20, 2.2, -1.0, 0.16},
    {580, 400, 190, 125, -0.60, 2.0, 1.0, 0.18}, {360, 470, 210, 90, 0.05, 1.8, -1.0, 0.12},
};

struct RampStop {
  double at;
  double r, g, b;
};

// Deep brown through orange and amber to a warm yellow.
constexpr RampStop kRamp[] = {
    {0.00, 70, 28, 6},    {0.22, 135, 58, 12},  {0.42, 205, 100, 18},
    {0.62, 240, 150, 32}, {0.82, 252, 196, 60}, {1.00, 255, 232, 120},
};

Rgba RampColour(double v) {
  v = std::clamp(v, 0.0, 1.0);
  for (size_t i = 1; i < std::size(kRamp); ++i) {
    if (v <= kRamp[i].at) {
      const RampStop& lo = kRamp[i - 1];
      const RampStop& hi = kRamp[i];
      const double t = (v - lo.at) / (hi.at - lo.at);
      return FromRgb(lo.r + (hi.r - lo.r) * t, lo.g + (hi.g - lo.g) * t, lo.b + (hi.b - lo.b) * t);
    }
  }
  return FromRgb(kRamp[std::size(kRamp) - 1].r, kRamp[std::size(kRamp) - 1].g,
                 kRamp[std::size(kRamp) - 1].b);
}

// Brightness before the swirls: darker at the top, yellow along the bottom, most at lower left.
double Ground(double u, double v) {
  const double lowerLeft = std::exp(-(u * u) / 0.20 - ((1.0 - v) * (1.0 - v)) / 0.14);
  return 0.30 + 0.40 * std::pow(v, 1.6) + 0.34 * lowerLeft;
}

double SwirlShade(const SwirlCentre& s, double x, double y) {
  const double dx = x - s.x, dy = y - s.y;
  const double c = std::cos(s.angle), n = std::sin(s.angle);
  const double u = (dx * c + dy * n) / s.radiusX;
  const double v = (-dx * n + dy * c) / s.radiusY;
  const double rho = std::sqrt(u * u + v * v);
  const double phase = 2.0 * std::numbers::pi * s.rings * rho + s.twist * std::atan2(v, u);
  const double wave = std::sin(phase);
  const double influence = std::exp(-rho * rho * 0.9);
  // The crests lighten; the narrow troughs become the brown bands.
  const double band = std::pow(std::max(0.0, -wave), 6.0);
  return s.strength * influence * (0.6 * wave - 1.6 * band);
}

}  // namespace

Canvas DrawSwirlGround(int width, int height) {
  Canvas ground(width, height);
  const double scale = 640.0 / width;
  for (int py = 0; py < height; ++py) {
    for (int px = 0; px < width; ++px) {
      const double x = px * scale, y = py * scale;
      // A gentle warp keeps the ellipses from looking drawn with a compass.
      const double wx = x + 40.0 * (FractalNoise(x / 140.0, y / 140.0, 3, 11) - 0.5);
      const double wy = y + 40.0 * (FractalNoise(x / 140.0, y / 140.0, 3, 23) - 0.5);
      double value = Ground(x / 640.0, y / 480.0);
      for (const SwirlCentre& s : kSwirls) value += SwirlShade(s, wx, wy);
      ground.at(px, py) = RampColour(value);
    }
  }
  return Blur(ground, 3.0);
}

}  // namespace artwork
