#include "tools/art/Helix.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace artwork {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kAxis = 280.0;   // centre column
constexpr double kRadius = 54.0;  // half the distance between the strands
constexpr double kTurn = 190.0;   // rows per full turn
constexpr double kGroove = 0.82;  // phase of the second strand, in half turns
constexpr int kRungsPerTurn = 10;
constexpr double kRungHalfThickness = 4.3;

double AxisX(double y) { return kAxis + 9.0 * std::sin(kTwoPi * y / 560.0 + 0.7); }
double AxisSlope(double y) { return 9.0 * kTwoPi / 560.0 * std::cos(kTwoPi * y / 560.0 + 0.7); }
double Angle(double y) { return kTwoPi * y / kTurn + 0.4; }

struct Element {
  double depth;  // towards the viewer is larger
  Rgba colour;
};

// Glass tube: clear in the middle, denser towards the rims, with a bright streak of light.
Rgba StrandColour(double t, double depth) {
  const double rim = std::pow(std::abs(t), 5.0);
  const double density = (0.26 + 0.52 * std::pow(std::abs(t), 3.5)) * (0.78 + 0.22 * depth);
  Rgba c = FromRgb(255 - 95 * rim, 236 - 150 * rim, 214 - 180 * rim, density);
  const double streak = 0.92 * std::exp(-std::pow((t + 0.42) / 0.15, 2.0));
  const double glint = 0.28 * std::exp(-std::pow((t - 0.58) / 0.18, 2.0));
  c = Over(FromRgb(255, 250, 240, glint), c);
  return Over(FromRgb(255, 255, 255, streak), c);
}

// A glossy bar, lit from above: `u` runs from its top edge (-1) to its bottom edge (1).
Rgba RungColour(double u, bool pink) {
  const double r = pink ? 240 : 252, g = pink ? 110 : 206, b = pink ? 170 : 66;
  const double shade = 1.0 - 0.45 * std::max(0.0, u);
  Rgba c = FromRgb(r * shade, g * shade, b * shade, 0.88);
  const double shine = 0.75 * std::exp(-std::pow((u + 0.45) / 0.25, 2.0));
  return Over(FromRgb(255, 255, 255, shine), c);
}

// Every element of the helix that covers the point (x, y), in no particular order.
int ElementsAt(double x, double y, std::array<Element, 3>& elements) {
  int count = 0;
  for (int strand = 0; strand < 2; ++strand) {
    const double a = Angle(y) + strand * kGroove * std::numbers::pi;
    const double depth = std::cos(a);
    const double centre = AxisX(y) + kRadius * std::sin(a);
    const double slope = AxisSlope(y) + kRadius * std::cos(a) * kTwoPi / kTurn;
    const double across = (x - centre) / std::sqrt(1.0 + slope * slope);
    const double halfWidth = 9.5 + 1.8 * depth;
    if (std::abs(across) < halfWidth)
      elements[count++] = {depth, StrandColour(across / halfWidth, depth)};
  }
  const double spacing = kTurn / kRungsPerTurn;
  const long rung = std::lround(y / spacing);
  const double rungY = rung * spacing;
  const double aA = Angle(rungY), aB = aA + kGroove * std::numbers::pi;
  const double xA = AxisX(rungY) + kRadius * std::sin(aA);
  const double xB = AxisX(rungY) + kRadius * std::sin(aB);
  const double left = std::min(xA, xB), right = std::max(xA, xB);
  const double nearestX = std::clamp(x, left, right);
  const double distance = std::hypot(x - nearestX, y - rungY);
  if (distance < kRungHalfThickness && right - left > 1.0) {
    const double along = (nearestX - xA) / (xB - xA);
    const double depth = std::cos(aA) + (std::cos(aB) - std::cos(aA)) * along;
    elements[count++] = {depth - 0.05, RungColour((y - rungY) / kRungHalfThickness, rung % 2 == 0)};
  }
  return count;
}

Rgba HelixAt(double x, double y) {
  std::array<Element, 3> elements;
  const int count = ElementsAt(x, y, elements);
  // Back to front; at most three elements, so a plain insertion sort.
  for (int i = 1; i < count; ++i)
    for (int j = i; j > 0 && elements[j].depth < elements[j - 1].depth; --j)
      std::swap(elements[j], elements[j - 1]);
  Rgba out;
  for (int i = 0; i < count; ++i) out = Over(elements[i].colour, out);
  return out;
}

}  // namespace

Canvas DrawHelix(int width, int height) {
  const double scale = 640.0 / width;
  const Canvas helix = Render(
      width, height, 3, [scale](double x, double y) { return HelixAt(x * scale, y * scale); });
  // A soft brown shadow, down and to the right, lifts the glass off the ground.
  Canvas shadow(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      shadow.at(x, y) = FromRgb(70, 30, 5, std::min(1.0, helix.at(x, y).a * 0.55));
  Canvas layer = Canvas(width, height);
  layer.Composite(Blur(shadow, 6.0 / scale), static_cast<int>(std::lround(7 / scale)),
                  static_cast<int>(std::lround(5 / scale)));
  layer.Composite(helix);
  return layer;
}

}  // namespace artwork
