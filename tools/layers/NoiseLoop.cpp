#include <cmath>
#include <complex>
#include <numbers>
#include <random>

#include "tools/layers/Fft.h"
#include "tools/layers/Loops.h"

namespace layers {

namespace {

constexpr size_t kLength = size_t{1} << 20;
constexpr double kLowCut = 40.0;    // Hz: keeps rumble out of small speakers
constexpr double kHighCut = 900.0;  // Hz: a one-pole slope above, soft like distant surf

// Pink (power falling 3 dB an octave) between two gentle slopes.
double Gain(double hz) {
  const double low = std::pow(hz / kLowCut, 2.0);
  const double highPass = low / std::sqrt(1.0 + low * low);
  const double lowPass = 1.0 / std::sqrt(1.0 + std::pow(hz / kHighCut, 2.0));
  return highPass * lowPass / std::sqrt(hz);
}

// Standard normal values from mt19937, whose output the C++ standard fixes,, the same on every
// library.
class Gaussian {
 public:
  explicit Gaussian(std::uint32_t seed) : engine_(seed) {}
  double operator()() {
    const double u1 = (engine_() + 0.5) / 4294967296.0;
    const double u2 = (engine_() + 0.5) / 4294967296.0;
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
  }

 private:
  std::mt19937 engine_;
};

}  // namespace

std::vector<double> NoiseLoop(double rmsDbfs, std::uint32_t seed) {
  Gaussian gaussian(seed);
  std::vector<std::complex<double>> spectrum(kLength);
  for (size_t k = 1; k < kLength / 2; ++k) {
    const double g = Gain(static_cast<double>(k) * kSampleRate / kLength);
    spectrum[k] = {gaussian() * g, gaussian() * g};
    spectrum[kLength - k] = std::conj(spectrum[k]);  // a real signal
  }
  Fft(spectrum, true);
  std::vector<double> samples(kLength);
  double power = 0;
  for (size_t n = 0; n < kLength; ++n) {
    samples[n] = spectrum[n].real();
    power += samples[n] * samples[n];
  }
  const double scale = std::pow(10.0, rmsDbfs / 20.0) / std::sqrt(power / kLength);
  for (double& s : samples) s *= scale;
  return samples;
}

}  // namespace layers
