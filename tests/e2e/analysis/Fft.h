#pragma once
// A plain radix-2 FFT, enough for spectra and correlations of a few million samples.
#include <complex>
#include <cstddef>
#include <vector>

namespace e2e {

// The smallest power of two not below n (1 for 0). Any thread.
std::size_t NextPowerOfTwo(std::size_t n);

// In place; data.size() must be a power of two. The inverse is scaled by 1/size, so that
// Fft(Fft(x), true) == x. Any thread.
void Fft(std::vector<std::complex<double>>& data, bool inverse = false);

}  // namespace e2e
