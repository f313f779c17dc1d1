#include "tests/e2e/analysis/LayerStart.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "tests/e2e/analysis/ToneFit.h"

namespace e2e {

double LayerStartFrame(std::span<const double> channel, std::int64_t fitFrom, std::int64_t fitFrames,
                       const ToneLayer& layer, std::span<const double> otherTones, int rate,
                       std::int64_t nearBefore) {
  std::vector<double> frequencies{layer.frequency};
  frequencies.insert(frequencies.end(), otherTones.begin(), otherTones.end());
  const ToneFit fit = FitTones(channel.subspan(fitFrom, fitFrames), fitFrom, frequencies, rate);
  // Recording frame m plays layer sample m - s: omega m + phase = omega (m - s) + phaseAtFirstSample.
  const double omega = 2.0 * std::numbers::pi * layer.frequency / rate;
  const double period = static_cast<double>(rate) / layer.frequency;
  const double start = (layer.phaseAtFirstSample - fit.tones[0].phase) / omega;
  const double limit = static_cast<double>(nearBefore) + 1.0;
  return start + std::floor((limit - start) / period) * period;
}

}  // namespace e2e
