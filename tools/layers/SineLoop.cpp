#include <cmath>
#include <numbers>

#include "tools/layers/Loops.h"

namespace layers {

std::vector<std::int16_t> SineLoop(int cycles, int length, double amplitude) {
  std::vector<std::int16_t> samples(length);
  for (int n = 0; n < length; ++n) {
    // The phase from the exact integer ratio: the same as cycles / length * n, without drift.
    const auto turns = static_cast<std::int64_t>(cycles) * n % length;
    const double phase = 2.0 * std::numbers::pi * static_cast<double>(turns) / length;
    samples[n] = static_cast<std::int16_t>(std::lround(amplitude * std::sin(phase)));
  }
  return samples;
}

}  // namespace layers
