#pragma once
// Everything the acceptance checks read about one stretch of a recording of two beat tones
// (one expected per channel) with, possibly, centred layers on top.
#include <optional>
#include <span>
#include <vector>

#include "tests/e2e/analysis/Recording.h"
#include "tests/e2e/analysis/Report.h"
#include "tests/e2e/analysis/Silence.h"

namespace e2e {

struct BeatTones {
  double left = 0.0;   // Hz, the tone expected on the left channel
  double right = 0.0;  // Hz, the tone expected on the right channel
};

// Keys, per channel prefix "L." and "R.": strongest_hz, left_tone_dbfs, right_tone_dbfs,
// own_tone_dbfs, crosstalk_db (the other channel's tone here against its level there),
// freq_hz (own tone, precise), residual_dbfs and residual_peak_dbfs (all but the tones), and
// for the difference signal "D." (left minus right: centred layers cancel) left_tone_dbfs,
// right_tone_dbfs and residual_dbfs.
// Then beat_hz, residual_correlation, first_sound / last_sound (-1 for none), all_silent,
// zero_runs, the dropout keys (tone_only_signals, dropouts, L./R./D.dropouts,
// dropout_frames), and with a reference loop ref.L./ref.R. offset, gain_db, correlation.
// Dropouts and zero runs that begin inside one of `ignored` are not counted. Any thread.
Report MeasureStretch(const StereoRecording& recording, FrameRange range, BeatTones tones,
                      const std::optional<std::vector<double>>& referenceLoop,
                      std::span<const FrameRange> ignored = {});

}  // namespace e2e
