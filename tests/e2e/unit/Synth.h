#pragma once
// Synthetic test signals at 16-bit scale, rounded like a recording.
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

#include "tests/e2e/analysis/Recording.h"

namespace e2e::test {

// amplitude * sin(2 pi hz (n - start) / rate) for n >= start, else 0, for frames [0, frames).
inline std::vector<double> Sine(double hz, double amplitude, std::int64_t frames, std::int64_t start = 0) {
  std::vector<double> samples(frames, 0.0);
  for (std::int64_t n = start; n < frames; ++n) {
    samples[n] = amplitude * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(n - start) / kRate);
  }
  return samples;
}

inline std::vector<double> Noise(double rms, std::int64_t frames, unsigned seed) {
  std::mt19937 generator(seed);
  std::normal_distribution<double> normal(0.0, rms);
  std::vector<double> samples(frames);
  for (double& value : samples) value = normal(generator);
  return samples;
}

inline std::vector<double> Sum(std::vector<double> a, const std::vector<double>& b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) a[i] += b[i];
  return a;
}

inline std::vector<double> Rounded(std::vector<double> samples) {
  for (double& value : samples) value = std::round(value);
  return samples;
}

inline StereoRecording Stereo(std::vector<double> left, std::vector<double> right) {
  return {Rounded(std::move(left)), Rounded(std::move(right))};
}

inline double Amplitude(double dbfs) { return 32768.0 * std::pow(10.0, dbfs / 20.0); }

}  // namespace e2e::test
