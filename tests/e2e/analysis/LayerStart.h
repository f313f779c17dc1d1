#pragma once
// Where in the recording a tone layer began, from the phase of its tone: tells a layer that
// starts from its first sample from one that resumes part-way through.
#include <cstdint>
#include <span>

namespace e2e {

struct ToneLayer {
  double frequency = 0.0;
  double phaseAtFirstSample = 0.0;  // of the layer file's own tone, as FitTones gives it at frame 0
};

// The recording frame at which the layer's first sample would have played, given a fit of the
// tone over [fitFrom, fitFrom + fitFrames) (after any fade-in) and the frame `nearBefore`
// (the first audible frame), taking the candidate a tone period apart that lies closest to
// and not after nearBefore + 1. `otherTones` are fitted alongside. Any thread.
double LayerStartFrame(std::span<const double> channel, std::int64_t fitFrom, std::int64_t fitFrames,
                       const ToneLayer& layer, std::span<const double> otherTones, int rate,
                       std::int64_t nearBefore);

}  // namespace e2e
