#pragma once
// In-place radix-2 fast Fourier transform, for shaping noise in the frequency domain.
// Any thread: every function here works only on its arguments.
#include <complex>
#include <vector>

namespace layers {

// `data.size()` must be a power of two. Forward uses exp(-i...); the inverse is not scaled.
void Fft(std::vector<std::complex<double>>& data, bool inverse);

}  // namespace layers
