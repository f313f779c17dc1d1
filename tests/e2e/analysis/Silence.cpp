#include "tests/e2e/analysis/Silence.h"

#include <algorithm>

namespace e2e {

FrameRange WithinRecording(const StereoRecording& recording, FrameRange range) {
  range.from = std::clamp<std::int64_t>(range.from, 0, recording.Frames());
  range.to = std::clamp<std::int64_t>(range.to, range.from, recording.Frames());
  return range;
}

namespace {

bool Silent(const StereoRecording& recording, std::int64_t frame) {
  return recording.left[frame] == 0.0 && recording.right[frame] == 0.0;
}

}  // namespace

std::optional<std::int64_t> FirstSound(const StereoRecording& recording, FrameRange range) {
  range = WithinRecording(recording, range);
  for (std::int64_t f = range.from; f < range.to; ++f) {
    if (!Silent(recording, f)) return f;
  }
  return std::nullopt;
}

std::optional<std::int64_t> LastSound(const StereoRecording& recording, FrameRange range) {
  range = WithinRecording(recording, range);
  for (std::int64_t f = range.to; f-- > range.from;) {
    if (!Silent(recording, f)) return f;
  }
  return std::nullopt;
}

std::optional<std::int64_t> FirstNonZero(std::span<const double> channel, FrameRange range) {
  const auto frames = static_cast<std::int64_t>(channel.size());
  for (std::int64_t f = std::clamp<std::int64_t>(range.from, 0, frames); f < std::min(range.to, frames); ++f) {
    if (channel[f] != 0.0) return f;
  }
  return std::nullopt;
}

std::vector<ZeroRun> ZeroRuns(const StereoRecording& recording, FrameRange range, std::int64_t minFrames) {
  range = WithinRecording(recording, range);
  std::vector<ZeroRun> runs;
  std::int64_t runStart = -1;
  bool soundBefore = false;
  for (std::int64_t f = range.from; f < range.to; ++f) {
    if (Silent(recording, f)) {
      if (runStart < 0) runStart = f;
      continue;
    }
    if (runStart >= 0 && soundBefore && f - runStart >= minFrames) runs.push_back({runStart, f - runStart});
    runStart = -1;
    soundBefore = true;
  }
  return runs;
}

}  // namespace e2e
