#include "tests/e2e/analysis/Spectrum.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "tests/e2e/analysis/Fft.h"

namespace e2e {

double StrongestFrequency(std::span<const double> samples, int rate, double minHz) {
  const std::size_t n = samples.size();
  if (n < 4) return 0.0;
  const std::size_t size = NextPowerOfTwo(4 * n);
  std::vector<std::complex<double>> spectrum(size);
  for (std::size_t i = 0; i < n; ++i) {
    const double hann = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n - 1));
    spectrum[i] = samples[i] * hann;
  }
  Fft(spectrum);
  const double binHz = static_cast<double>(rate) / static_cast<double>(size);
  const std::size_t first = std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(minHz / binHz)));
  std::size_t peak = 0;
  double peakPower = 0.0;
  for (std::size_t k = first; k + 1 < size / 2; ++k) {
    const double power = std::norm(spectrum[k]);
    if (power > peakPower) {
      peakPower = power;
      peak = k;
    }
  }
  if (peak == 0) return 0.0;
  const double below = std::log(std::norm(spectrum[peak - 1]) + 1e-300);
  const double at = std::log(peakPower);
  const double above = std::log(std::norm(spectrum[peak + 1]) + 1e-300);
  const double curvature = below - 2.0 * at + above;
  const double shift = curvature < 0.0 ? 0.5 * (below - above) / curvature : 0.0;
  return (static_cast<double>(peak) + shift) * binHz;
}

}  // namespace e2e
