#pragma once
// A stretch measured around machine stalls: what MeasureStretch reports, taken from the parts
// of the stretch that no stall touched.
#include <optional>
#include <span>
#include <vector>

#include "tests/e2e/analysis/StretchMeasure.h"

namespace e2e {

// The shortest stall-free part worth measuring.
inline constexpr std::int64_t kMinCleanFrames = kRate / 2;

// With no stall in the stretch, MeasureStretch's report as it is. Otherwise the tones, levels,
// residuals and the reference match come from the longest stall-free part (none, with no part
// at least kMinCleanFrames long), and the sound keys, zero_runs and the dropout keys from the
// whole stretch, less what begins inside a stall: a dropout is told from a layer joining by
// the half second around it, which a part may cut short. from_frame, to_frame and seconds
// name the part measured. Always adds left_out_seconds (stalled, or in parts too short to
// measure), clean_pieces and clean_seconds. Any thread.
Report MeasureCleanStretch(const StereoRecording& recording, FrameRange range, BeatTones tones,
                           const std::optional<std::vector<double>>& referenceLoop,
                           std::span<const FrameRange> stalls);

}  // namespace e2e
