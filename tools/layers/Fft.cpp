#include "tools/layers/Fft.h"

#include <numbers>
#include <utility>

namespace layers {

void Fft(std::vector<std::complex<double>>& data, bool inverse) {
  const size_t n = data.size();
  for (size_t i = 1, j = 0; i < n; ++i) {
    size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(data[i], data[j]);
  }
  for (size_t length = 2; length <= n; length <<= 1) {
    const double angle = 2.0 * std::numbers::pi / static_cast<double>(length) * (inverse ? 1 : -1);
    for (size_t start = 0; start < n; start += length) {
      for (size_t k = 0; k < length / 2; ++k) {
        // Each twiddle computed directly keeps rounding from piling up over long transforms.
        const std::complex<double> w = std::polar(1.0, angle * static_cast<double>(k));
        const std::complex<double> even = data[start + k];
        const std::complex<double> odd = data[start + k + length / 2] * w;
        data[start + k] = even + odd;
        data[start + k + length / 2] = even - odd;
      }
    }
  }
}

}  // namespace layers
