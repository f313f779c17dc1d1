#include "tools/art/Star.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "tools/art/Polygon.h"

namespace artwork {

namespace {

// The ratio of a regular pentagram's inner to outer radius.
constexpr double kInnerRatio = 0.381966;

std::array<Point, 10> StarOutline(double centreX, double centreY, double radius) {
  std::array<Point, 10> outline;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? radius : radius * kInnerRatio;
    const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    outline[i] = {centreX + r * std::cos(angle), centreY + r * std::sin(angle)};
  }
  return outline;
}

Canvas StarShape(int size, double centreX, double centreY, double radius, Rgba fill) {
  const std::array<Point, 10> outline = StarOutline(centreX, centreY, radius);
  const int samples = size <= 32 ? 8 : 4;
  return Render(size, size, samples, [&](double x, double y) {
    return Inside(outline, {x, y}) ? fill : Rgba{};
  });
}

}  // namespace

Canvas DrawStar(int size, bool shadow) {
  // The points reach 0.809 of the radius below the centre: centre the star's own box.
  const double radius = size * (shadow ? 0.47 : 0.5);
  const double offset = shadow ? size * 0.035 : 0.0;
  const double centreX = size / 2.0 - offset;
  const double centreY = size / 2.0 + radius * 0.0955 - offset;
  const Rgba fill = FromRgb(kStarColour.r, kStarColour.g, kStarColour.b);
  Canvas star = StarShape(size, centreX, centreY, radius, fill);
  if (!shadow) return star;
  const double drop = std::max(1.0, size * 0.05);
  Canvas icon =
      Blur(StarShape(size, centreX + drop, centreY + drop, radius, FromRgb(96, 96, 96, 0.42)),
           std::max(0.6, size * 0.025));
  icon.Composite(star);
  return icon;
}

}  // namespace artwork
