#include "platform/directsound/Resample.h"

#include <soxr.h>

namespace ds {

std::uint64_t ResampledFrames(std::uint64_t frames, int fromRate, int toRate) {
  const auto from = static_cast<std::uint64_t>(fromRate);
  return (frames * static_cast<std::uint64_t>(toRate) + from - 1) / from;
}

bool Resample(std::span<const float> in, int channels, int fromRate, int toRate, Samples& out) {
  const std::size_t inFrames = in.size() / static_cast<std::size_t>(channels);
  const std::size_t capacity = ResampledFrames(inFrames, fromRate, toRate);
  // Not cleared: only the `made` frames the converter writes are kept.
  out.resize(capacity * static_cast<std::size_t>(channels));
  const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
  const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
  const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);  // the caller's thread only
  std::size_t made = 0;
  const soxr_error_t error =
      soxr_oneshot(fromRate, toRate, static_cast<unsigned>(channels), in.data(), inFrames,
                   nullptr, out.data(), capacity, &made, &io, &quality, &runtime);
  if (error != nullptr) return false;
  out.resize(made * static_cast<std::size_t>(channels));
  return true;
}

}  // namespace ds
