#pragma once
// The per-block view of a stretch, one CSV row per short block, kept as an artefact so that a
// failed check can be read against the sound around it.
#include <ostream>

#include "tests/e2e/analysis/Recording.h"
#include "tests/e2e/analysis/Silence.h"
#include "tests/e2e/analysis/StretchMeasure.h"

namespace e2e {

// Columns: frame, seconds, then for L and R: strongest_hz, left_tone_dbfs, right_tone_dbfs,
// residual_dbfs; then L_crosstalk_db and R_crosstalk_db (the other channel's tone here
// against its level there), silent (1 when every sample of the block is zero) and dropouts (the
// number of dropouts the whole-stretch search placed in the block). Any thread.
void WriteBlockReport(std::ostream& out, const StereoRecording& recording, FrameRange range,
                      BeatTones tones, std::int64_t blockFrames);

}  // namespace e2e
