#include "tools/art/Tick.h"

#include <algorithm>
#include <cmath>

#include "tools/art/Polygon.h"

namespace artwork {

namespace {

// The stroke's centre line in units of the icon's side, y downwards.
constexpr Point kStroke[] = {{0.15, 0.55}, {0.40, 0.79}, {0.87, 0.21}};
constexpr double kHalfWidth = 0.095;

struct Nearest {
  double distance;
  Point normal;  // unit vector from the centre line towards the point
};

Nearest NearestOnStroke(Point p) {
  Nearest best{1e9, {0, -1}};
  for (size_t i = 0; i + 1 < std::size(kStroke); ++i) {
    const Point a = kStroke[i], b = kStroke[i + 1];
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t =
        std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    const double ox = p.x - (a.x + t * dx), oy = p.y - (a.y + t * dy);
    const double d = std::hypot(ox, oy);
    if (d < best.distance) {
      const double len = std::hypot(dx, dy);
      best = {d, d > 1e-9 ? Point{ox / d, oy / d} : Point{dy / len, -dx / len}};
    }
  }
  return best;
}

double SmoothStep(double lo, double hi, double v) {
  const double t = std::clamp((v - lo) / (hi - lo), 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

Rgba Mix(const Rgba& a, const Rgba& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
          a.a + (b.a - a.a) * t};
}

// Light falls from above and a little from the left.
Rgba GlossyColour(const Nearest& n, double outline) {
  if (n.distance > kHalfWidth - outline) return FromRgb(36, 84, 34);
  const double lit = -(n.normal.x * 0.45 + n.normal.y * 0.89) * (n.distance / kHalfWidth);
  const Rgba body = FromRgb(kTickColour.r, kTickColour.g, kTickColour.b);
  const Rgba highlight = FromRgb(214, 240, 206);
  const Rgba shade = FromRgb(52, 106, 48);
  if (lit > 0) return Mix(body, highlight, 0.85 * SmoothStep(0.30, 0.62, lit));
  return Mix(body, shade, 0.8 * SmoothStep(0.35, 0.85, -lit));
}

}  // namespace

Canvas DrawTick(int size, TickStyle style) {
  const double outline = std::max(1.3 / size, 0.03);
  const int samples = size <= 48 ? 8 : 4;
  return Render(size, size, samples, [&](double x, double y) {
    const Nearest n = NearestOnStroke({x / size, y / size});
    if (n.distance >= kHalfWidth) return Rgba{};
    if (style == TickStyle::Glossy) return GlossyColour(n, outline);
    return n.distance > kHalfWidth - outline * 1.4 ? FromRgb(0, 0, 0) : FromRgb(255, 255, 255);
  });
}

}  // namespace artwork
