#include "tests/tools/LayerFile.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tools_test {

LayerFile ReadLayerFile(const std::string& name) {
  LayerFile layer;
  const std::string path = std::string(VELNORIA_LAYER_DIR) + "/" + name;
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &layer.info);
  if (file == nullptr) return layer;
  std::vector<short> frames(static_cast<size_t>(layer.info.frames) * layer.info.channels);
  const sf_count_t read = sf_readf_short(file, frames.data(), layer.info.frames);
  sf_close(file);
  layer.opened = read == layer.info.frames;
  for (size_t i = 0; i < frames.size(); i += layer.info.channels)
    layer.samples.push_back(frames[i]);
  return layer;
}

double MagnitudeAt(const std::vector<short>& samples, size_t count, double hz) {
  // Goertzel's recurrence, which needs no table and works at any frequency.
  const double w = 2.0 * std::numbers::pi * hz / 44100.0;
  const double coefficient = 2.0 * std::cos(w);
  double s1 = 0, s2 = 0;
  for (size_t n = 0; n < count; ++n) {
    const double s0 = samples[n] + coefficient * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  const double real = s1 - s2 * std::cos(w), imaginary = s2 * std::sin(w);
  return std::hypot(real, imaginary) / static_cast<double>(count);
}

namespace {

double PeakBetween(const std::vector<short>& samples, size_t count, double lo, double hi,
                   double step) {
  double best = lo, bestMagnitude = -1;
  for (double hz = lo; hz <= hi; hz += step) {
    const double m = MagnitudeAt(samples, count, hz);
    if (m > bestMagnitude) {
      bestMagnitude = m;
      best = hz;
    }
  }
  return best;
}

}  // namespace

double StrongestFrequency(const std::vector<short>& samples, double loHz, double hiHz) {
  // Coarse on a short stretch, then ever finer on longer ones; the whole file's peak is the
  // sharpest.
  const size_t shortStretch = std::min<size_t>(samples.size(), 8192);
  const size_t second = std::min<size_t>(samples.size(), 44100);
  double hz = PeakBetween(samples, shortStretch, loHz, hiHz, 1.0);
  hz = PeakBetween(samples, second, hz - 3.0, hz + 3.0, 0.05);
  hz = PeakBetween(samples, samples.size(), hz - 0.1, hz + 0.1, 0.002);
  return PeakBetween(samples, samples.size(), hz - 0.004, hz + 0.004, 0.0001);
}

double Rms(const std::vector<short>& samples) {
  double power = 0;
  for (short s : samples) power += double(s) * s;
  return std::sqrt(power / samples.size());
}

double RmsDbfs(const std::vector<short>& samples) {
  return 20.0 * std::log10(Rms(samples) / 32768.0);
}

double PeakDbfs(const std::vector<short>& samples) {
  int peak = 0;
  for (short s : samples) peak = std::max(peak, std::abs(int(s)));
  return 20.0 * std::log10(peak / 32768.0);
}

SeamSteps MeasureSeam(const std::vector<short>& samples) {
  const size_t n = samples.size();
  std::vector<int> steps;
  for (size_t i = 0; i + 1 < n; ++i) steps.push_back(std::abs(samples[i + 1] - samples[i]));
  std::sort(steps.begin(), steps.end());
  SeamSteps seam;
  seam.typicalLargest = steps[steps.size() * 999 / 1000];
  // Three steps either side of the join, so a click spread over a few samples shows too.
  for (size_t k = n - 3; k < n + 3; ++k)
    seam.acrossSeam = std::max(seam.acrossSeam, std::abs(samples[(k + 1) % n] - samples[k % n]));
  return seam;
}

double Roughness(const std::vector<short>& samples) {
  double change = 0;
  for (size_t i = 0; i < samples.size(); ++i) {
    const double d = samples[(i + 1) % samples.size()] - samples[i];
    change += d * d;
  }
  return std::sqrt(change / samples.size()) / Rms(samples);
}

}  // namespace tools_test
