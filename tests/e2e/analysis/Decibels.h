#pragma once
// Levels of 16-bit samples: amplitudes and RMS values in sample units (LSB) against full
// scale, 32768.
#include <algorithm>
#include <cmath>

namespace e2e {

constexpr double kFullScale = 32768.0;
// Printed in place of minus infinity, so that every level stays a plain number.
constexpr double kFloorDb = -200.0;

// Any thread.
inline double RatioDb(double value, double reference) {
  if (value <= 0.0 || reference <= 0.0) return kFloorDb;
  return std::max(kFloorDb, 20.0 * std::log10(value / reference));
}

// Any thread.
inline double Dbfs(double value) { return RatioDb(value, kFullScale); }

}  // namespace e2e
