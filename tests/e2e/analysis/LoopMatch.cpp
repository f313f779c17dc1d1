#include "tests/e2e/analysis/LoopMatch.h"

#include <cmath>
#include <complex>
#include <vector>

#include "tests/e2e/analysis/Fft.h"

namespace e2e {

LoopMatch MatchLoop(std::span<const double> stretch, std::span<const double> loop) {
  const std::size_t m = loop.size();
  const std::size_t n = std::min<std::size_t>(stretch.size(), 1u << 16);
  if (m == 0 || n == 0) return {};
  const std::size_t size = NextPowerOfTwo(m + n);
  std::vector<std::complex<double>> unrolled(size);
  for (std::size_t i = 0; i < m + n; ++i) unrolled[i] = loop[i % m];
  std::vector<std::complex<double>> segment(size);
  for (std::size_t i = 0; i < n; ++i) segment[i] = stretch[i];
  Fft(unrolled);
  Fft(segment);
  for (std::size_t i = 0; i < size; ++i) unrolled[i] *= std::conj(segment[i]);
  Fft(unrolled, true);  // unrolled[k] = sum_j stretch[j] * loop[(k + j) % m]

  std::size_t best = 0;
  for (std::size_t k = 1; k < m; ++k) {
    if (unrolled[k].real() > unrolled[best].real()) best = k;
  }
  double loopEnergy = 0.0;
  double stretchEnergy = 0.0;
  double cross = 0.0;
  for (std::size_t j = 0; j < n; ++j) {
    const double reference = loop[(best + j) % m];
    loopEnergy += reference * reference;
    stretchEnergy += stretch[j] * stretch[j];
    cross += stretch[j] * reference;
  }
  LoopMatch match;
  match.offset = static_cast<std::int64_t>(best);
  match.gain = loopEnergy > 0.0 ? cross / loopEnergy : 0.0;
  match.correlation = (loopEnergy > 0.0 && stretchEnergy > 0.0) ? cross / std::sqrt(loopEnergy * stretchEnergy) : 0.0;
  return match;
}

}  // namespace e2e
