#include "tests/e2e/analysis/Dropouts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tests/e2e/analysis/ToneFit.h"

namespace e2e {
namespace {

// The product of (1 - 2 cos(w) z^-1 + z^-2) over the tones.
std::vector<double> Annihilator(std::span<const double> frequencies, int rate) {
  std::vector<double> taps{1.0};
  for (const double frequency : frequencies) {
    const double c = 2.0 * std::cos(2.0 * std::numbers::pi * frequency / rate);
    std::vector<double> next(taps.size() + 2, 0.0);
    for (std::size_t i = 0; i < taps.size(); ++i) {
      next[i] += taps[i];
      next[i + 1] -= c * taps[i];
      next[i + 2] += taps[i];
    }
    taps = std::move(next);
  }
  return taps;
}

double RobustSigma(std::vector<double> magnitudes) {
  if (magnitudes.empty()) return 0.0;
  const auto middle = magnitudes.begin() + static_cast<std::ptrdiff_t>(magnitudes.size() / 2);
  std::nth_element(magnitudes.begin(), middle, magnitudes.end());
  return 1.4826 * *middle;
}

}  // namespace

std::vector<std::int64_t> FindDropouts(std::span<const double> samples, std::int64_t firstFrame,
                                       std::span<const double> frequencies, int rate,
                                       const DropoutOptions& options) {
  const std::vector<double> taps = Annihilator(frequencies, rate);
  const std::size_t order = taps.size() - 1;
  if (samples.size() <= order) return {};

  // filtered[i] belongs to the newest sample it reads, samples[i + order].
  std::vector<double> filtered(samples.size() - order);
  for (std::size_t i = 0; i < filtered.size(); ++i) {
    double sum = 0.0;
    for (std::size_t k = 0; k <= order; ++k) sum += taps[k] * samples[i + order - k];
    filtered[i] = sum;
  }
  std::vector<double> magnitudes(filtered.size());
  std::transform(filtered.begin(), filtered.end(), magnitudes.begin(), [](double v) { return std::abs(v); });
  const double noiseFloor = options.noiseFactor * std::max(RobustSigma(magnitudes), 0.3);

  const std::vector<ToneFit> fits =
      FitTonesInBlocks(samples, firstFrame, frequencies, rate, options.blockFrames);
  std::vector<double> blockLevel;
  for (const ToneFit& fit : fits) {
    double sum = 0.0;
    for (const Tone& tone : fit.tones) sum += tone.amplitude;
    blockLevel.push_back(sum);
  }
  // The louder of a block and its neighbours: a level step near a block's edge leaves the
  // block's own fit at the old level, while the bend it makes scales with the new one.
  const auto levelAt = [&](std::size_t sample) {
    const std::size_t block = std::min(sample / options.blockFrames, blockLevel.size() - 1);
    double level = blockLevel[block];
    if (block > 0) level = std::max(level, blockLevel[block - 1]);
    if (block + 1 < blockLevel.size()) level = std::max(level, blockLevel[block + 1]);
    return level;
  };

  std::vector<std::int64_t> dropouts;
  std::int64_t lastSpike = 0;
  for (std::size_t i = 0; i < filtered.size(); ++i) {
    const std::size_t sample = i + order;
    const double threshold = std::max(noiseFloor, options.relativeThreshold * levelAt(sample));
    if (magnitudes[i] <= threshold) continue;
    // The spike shows at the newest sample of the filter; the break lies up to `order` earlier.
    const std::int64_t frame = firstFrame + static_cast<std::int64_t>(i);
    if (dropouts.empty() || frame - lastSpike > static_cast<std::int64_t>(options.mergeFrames)) {
      dropouts.push_back(frame);
    }
    lastSpike = frame;
  }
  return dropouts;
}

}  // namespace e2e
