#pragma once
// Dropouts in steady tones: gaps, lost or repeated samples, and phase jumps.
//
// A filter that annihilates exactly the expected tones (one zero pair per tone) leaves only
// quantisation noise of a clean recording; any break in a tone's waveform leaves a spike as
// large as the step it makes. A level change spread over a short ramp leaves only a small
// bend, so level changes are not taken for dropouts.
#include <cstdint>
#include <span>
#include <vector>

namespace e2e {

struct DropoutOptions {
  // A spike counts when it exceeds this share of the tones' summed amplitude in its block...
  double relativeThreshold = 0.02;
  // ...and this many times the robust noise level of the filtered stretch.
  double noiseFactor = 10.0;
  std::size_t blockFrames = 2205;
  // Spikes closer together than this are one dropout (both edges of a gap, say).
  std::size_t mergeFrames = 512;
};

// The recording frames where dropouts begin. `samples` must hold only the given tones (plus
// quantisation noise): the caller checks that, e.g. from a fit's residual. Any thread.
std::vector<std::int64_t> FindDropouts(std::span<const double> samples, std::int64_t firstFrame,
                                       std::span<const double> frequencies, int rate,
                                       const DropoutOptions& options = {});

}  // namespace e2e
