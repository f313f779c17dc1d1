#include "tests/e2e/analysis/Silence.h"

#include <algorithm>

namespace e2e {
namespace {

FrameRange Clamp(FrameRange range, std::int64_t frames) {
  return {std::clamp<std::int64_t>(range.from, 0, frames), std::clamp<std::int64_t>(range.to, 0, frames)};
}

bool Silent(const StereoRecording& recording, std::int64_t frame) {
  return recording.left[frame] == 0.0 && recording.right[frame] == 0.0;
}

}  // namespace

std::optional<std::int64_t> FirstSound(const StereoRecording& recording, FrameRange range) {
  range = Clamp(range, recording.Frames());
  for (std::int64_t f = range.from; f < range.to; ++f) {
    if (!Silent(recording, f)) return f;
  }
  return std::nullopt;
}

std::optional<std::int64_t> LastSound(const StereoRecording& recording, FrameRange range) {
  range = Clamp(range, recording.Frames());
  for (std::int64_t f = range.to; f-- > range.from;) {
    if (!Silent(recording, f)) return f;
  }
  return std::nullopt;
}

std::optional<std::int64_t> FirstNonZero(std::span<const double> channel, FrameRange range) {
  range = Clamp(range, static_cast<std::int64_t>(channel.size()));
  for (std::int64_t f = range.from; f < range.to; ++f) {
    if (channel[f] != 0.0) return f;
  }
  return std::nullopt;
}

std::vector<ZeroRun> ZeroRuns(const StereoRecording& recording, FrameRange range, std::int64_t minFrames) {
  range = Clamp(range, recording.Frames());
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
