#pragma once
// Point-in-polygon for the flat shapes of the icons.
// Any thread: every function here works only on its arguments.
#include <span>

namespace artwork {

struct Point {
  double x = 0, y = 0;
};

// Even-odd rule.
bool Inside(std::span<const Point> polygon, Point p);

}  // namespace artwork
