#include "tests/e2e/analysis/SignalAnalysis.h"

#include <algorithm>
#include <cmath>

#include "tests/e2e/analysis/Dropouts.h"

namespace e2e {
namespace {

// Long enough that a fit takes little of a noise layer's own energy near the tones (a tenth
// of a second took 3 % of a brown noise), short enough to follow level changes.
constexpr std::size_t kResidualBlockFrames = 44100;
// The rest must stay 40 dB under the tones for a signal to count as tones only...
constexpr double kToneOnlyRatio = 0.01;
// ...and the tones must be well clear of quantisation.
constexpr double kAudibleToneLsb = 8.0;
// Around a dropout, these short blocks either side tell whether the signal holds tones alone.
constexpr std::int64_t kShortBlockFrames = 2205;
constexpr std::ptrdiff_t kAroundBlocks = 10;
// A tone this far under the strongest one is not there.
constexpr double kPresentToneRatio = 1e-3;

}  // namespace

SignalAnalysis AnalyseSignal(std::span<const double> samples, std::int64_t firstFrame,
                             std::span<const double> frequencies, int rate) {
  SignalAnalysis analysis;
  analysis.whole = FitTones(samples, firstFrame, frequencies, rate);
  FitTonesInBlocks(samples, firstFrame, frequencies, rate, kResidualBlockFrames, &analysis.residual);
  double squares = 0.0;
  for (const double value : analysis.residual) {
    squares += value * value;
    analysis.residualPeak = std::max(analysis.residualPeak, std::abs(value));
  }
  if (!analysis.residual.empty()) analysis.residualRms = std::sqrt(squares / analysis.residual.size());

  double strongest = 0.0;
  double sum = 0.0;
  for (const Tone& tone : analysis.whole.tones) {
    strongest = std::max(strongest, tone.amplitude);
    sum += tone.amplitude;
  }
  std::vector<double> present;
  for (const Tone& tone : analysis.whole.tones) {
    if (tone.amplitude > kPresentToneRatio * strongest) present.push_back(tone.frequency);
  }
  // Short blocks that hold tones alone. A dropout spoils only the one or two it falls in.
  const std::vector<ToneFit> shortBlocks = FitTonesInBlocks(samples, firstFrame, present, rate, kShortBlockFrames);
  std::vector<bool> clean;
  for (const ToneFit& block : shortBlocks) {
    double level = 0.0;
    for (const Tone& tone : block.tones) level += tone.amplitude;
    clean.push_back(level > kAudibleToneLsb && block.residualRms < kToneOnlyRatio * level);
  }
  const auto cleanCount = std::count(clean.begin(), clean.end(), true);
  analysis.toneOnly = sum > kAudibleToneLsb && 2 * cleanCount >= static_cast<std::ptrdiff_t>(clean.size());
  if (!analysis.toneOnly) return analysis;

  // Spikes count only where the signal holds tones alone: most of the short blocks around a
  // spike, less the ones at it, must be clean. Where another layer plays on this signal, the
  // search is left to a signal on which that layer cancels.
  const auto count = static_cast<std::ptrdiff_t>(clean.size());
  for (const std::int64_t frame : FindDropouts(samples, firstFrame, present, rate)) {
    const auto at = std::min<std::ptrdiff_t>((frame - firstFrame) / kShortBlockFrames, count - 1);
    int around = 0;
    int cleanAround = 0;
    for (std::ptrdiff_t j = std::max<std::ptrdiff_t>(0, at - kAroundBlocks); j <= std::min(count - 1, at + kAroundBlocks); ++j) {
      if (j >= at - 1 && j <= at + 1) continue;
      ++around;
      cleanAround += clean[static_cast<std::size_t>(j)] ? 1 : 0;
    }
    if (around == 0 || cleanAround >= 0.8 * around) analysis.dropouts.push_back(frame);
  }
  return analysis;
}

}  // namespace e2e
