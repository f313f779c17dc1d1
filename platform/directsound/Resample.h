#pragma once
// Rate conversion done once at load, so playing never resamples.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/directsound/Samples.h"

namespace ds {

// How many frames `frames` at `fromRate` become at `toRate` (rounded up): the most that
// Resample writes. Any thread.
std::uint64_t ResampledFrames(std::uint64_t frames, int fromRate, int toRate);

// High-quality conversion of interleaved float frames; `out` is sized to what was made.
// False when the converter fails. Any thread.
bool Resample(std::span<const float> in, int channels, int fromRate, int toRate, Samples& out);

}  // namespace ds
