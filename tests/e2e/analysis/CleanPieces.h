#pragma once
// The parts of a stretch that machine stalls left alone.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tests/e2e/analysis/Silence.h"

namespace e2e {

// Frame ranges from a file of "from to" lines; lines starting with '#' are notes. Throws
// std::runtime_error when the file cannot be read or a line is not two frames. Any thread.
std::vector<FrameRange> ReadFrameRanges(const std::string& path);

// The parts of `range` that no excluded range touches, in order, each at least minFrames long.
// Any thread.
std::vector<FrameRange> CleanPieces(FrameRange range, std::span<const FrameRange> excluded, std::int64_t minFrames);

}  // namespace e2e
