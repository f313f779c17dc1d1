#include "tools/art/Noise.h"

#include <cmath>

namespace artwork {

namespace {

double LatticeValue(std::int64_t x, std::int64_t y, std::uint32_t seed) {
  std::uint64_t h = static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ull ^
                    static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4Full ^
                    static_cast<std::uint64_t>(seed) * 0x165667B19E3779F9ull;
  h ^= h >> 31;
  h *= 0xD6E8FEB86659FD93ull;
  h ^= h >> 32;
  return static_cast<double>(h >> 11) / static_cast<double>(1ull << 53);
}

double SmoothStep(double t) { return t * t * (3.0 - 2.0 * t); }

}  // namespace

double ValueNoise(double x, double y, std::uint32_t seed) {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const auto ix = static_cast<std::int64_t>(fx);
  const auto iy = static_cast<std::int64_t>(fy);
  const double tx = SmoothStep(x - fx);
  const double ty = SmoothStep(y - fy);
  const double top = LatticeValue(ix, iy, seed) +
                     (LatticeValue(ix + 1, iy, seed) - LatticeValue(ix, iy, seed)) * tx;
  const double bottom = LatticeValue(ix, iy + 1, seed) +
                        (LatticeValue(ix + 1, iy + 1, seed) - LatticeValue(ix, iy + 1, seed)) * tx;
  return top + (bottom - top) * ty;
}

double FractalNoise(double x, double y, int octaves, std::uint32_t seed) {
  double sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(x, y, seed + i) * weight;
    total += weight;
    x *= 2.0;
    y *= 2.0;
    weight *= 0.5;
  }
  return sum / total;
}

}  // namespace artwork
