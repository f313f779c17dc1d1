#pragma once
// Digital silence: frames whose samples are exactly zero on both channels.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "tests/e2e/analysis/Recording.h"

namespace e2e {

// Frames [from, to) of a recording; `to` is clamped to its end. Any thread.
struct FrameRange {
  std::int64_t from = 0;
  std::int64_t to = 0;
};

// The range cut to the recording's frames, never ending before it begins. Any thread.
FrameRange WithinRecording(const StereoRecording& recording, FrameRange range);

// The first / last frame in the range with a non-zero sample on either channel. Any thread.
std::optional<std::int64_t> FirstSound(const StereoRecording& recording, FrameRange range);
std::optional<std::int64_t> LastSound(const StereoRecording& recording, FrameRange range);

// The first frame in the range at which one channel's samples are non-zero. Any thread.
std::optional<std::int64_t> FirstNonZero(std::span<const double> channel, FrameRange range);

struct ZeroRun {
  std::int64_t first = 0;
  std::int64_t frames = 0;
};

// Runs of at least minFrames silent frames with sound on both sides inside the range: holes in
// the sound, as an output that runs dry leaves them. Any thread.
std::vector<ZeroRun> ZeroRuns(const StereoRecording& recording, FrameRange range, std::int64_t minFrames);

}  // namespace e2e
