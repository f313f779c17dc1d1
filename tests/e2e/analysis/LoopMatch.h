#pragma once
// Where a stretch of a recording is found in a looping layer file, and at what gain: proves
// that a sound is that layer, and how loud it plays.
#include <cstdint>
#include <span>

namespace e2e {

struct LoopMatch {
  std::int64_t offset = 0;   // the loop's sample that lines up with the stretch's first sample
  double gain = 0.0;         // stretch ~ gain * loop, least squares
  double correlation = 0.0;  // normalised, 1 for a perfect match
};

// Searches every offset of the loop (circularly) by FFT cross-correlation over at most the
// first 2^16 samples of the stretch. Any thread.
LoopMatch MatchLoop(std::span<const double> stretch, std::span<const double> loop);

}  // namespace e2e
