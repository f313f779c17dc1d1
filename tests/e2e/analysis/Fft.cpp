#include "tests/e2e/analysis/Fft.h"

#include <numbers>
#include <stdexcept>
#include <utility>

namespace e2e {

std::size_t NextPowerOfTwo(std::size_t n) {
  std::size_t size = 1;
  while (size < n) size <<= 1;
  return size;
}

void Fft(std::vector<std::complex<double>>& data, bool inverse) {
  const std::size_t n = data.size();
  if (n == 0 || (n & (n - 1)) != 0) throw std::invalid_argument("FFT size must be a power of two");
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(data[i], data[j]);
  }
  const double sign = inverse ? 1.0 : -1.0;
  for (std::size_t length = 2; length <= n; length <<= 1) {
    const std::size_t half = length / 2;
    // Twiddles straight from cos/sin per stage: a running product would drift over 2^21 points.
    std::vector<std::complex<double>> twiddle(half);
    for (std::size_t k = 0; k < half; ++k) {
      const double angle = sign * 2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(length);
      twiddle[k] = {std::cos(angle), std::sin(angle)};
    }
    for (std::size_t start = 0; start < n; start += length) {
      for (std::size_t k = 0; k < half; ++k) {
        const std::complex<double> odd = data[start + k + half] * twiddle[k];
        data[start + k + half] = data[start + k] - odd;
        data[start + k] += odd;
      }
    }
  }
  if (inverse) {
    for (auto& value : data) value /= static_cast<double>(n);
  }
}

}  // namespace e2e
