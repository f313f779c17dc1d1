#include "tests/e2e/analysis/CleanMeasure.h"

#include <algorithm>

#include "tests/e2e/analysis/CleanPieces.h"

namespace e2e {
namespace {

std::int64_t Frames(const FrameRange& range) { return range.to - range.from; }

// What the whole stretch says of sound and breaks in it.
constexpr const char* kWholeStretchKeys[] = {"first_sound", "last_sound", "all_silent",  "zero_runs",
                                             "tone_only_signals", "dropouts", "L.dropouts", "R.dropouts",
                                             "D.dropouts", "dropout_frames"};

}  // namespace

Report MeasureCleanStretch(const StereoRecording& recording, FrameRange range, BeatTones tones,
                           const std::optional<std::vector<double>>& referenceLoop,
                           std::span<const FrameRange> stalls) {
  range = WithinRecording(recording, range);
  const std::vector<FrameRange> pieces = CleanPieces(range, stalls, kMinCleanFrames);
  std::int64_t clean = 0;
  for (const FrameRange& piece : pieces) clean += Frames(piece);
  const bool untouched = pieces.size() == 1 && Frames(pieces[0]) == Frames(range);

  Report whole = MeasureStretch(recording, range, tones, referenceLoop, stalls);
  Report report;
  if (untouched) {
    report = std::move(whole);
  } else {
    if (pieces.empty()) {
      report.Add("from_frame", range.from);
      report.Add("to_frame", range.to);
    } else {
      const auto longest = std::max_element(pieces.begin(), pieces.end(), [](const FrameRange& a, const FrameRange& b) {
        return Frames(a) < Frames(b);
      });
      report = MeasureStretch(recording, *longest, tones, referenceLoop);
    }
    for (const char* key : kWholeStretchKeys) report.Set(key, whole.Get(key));
  }
  report.Add("left_out_seconds", static_cast<double>(Frames(range) - clean) / kRate);
  report.Add("clean_pieces", static_cast<std::int64_t>(pieces.size()));
  report.Add("clean_seconds", static_cast<double>(clean) / kRate);
  return report;
}

}  // namespace e2e
