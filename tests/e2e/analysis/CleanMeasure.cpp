#include "tests/e2e/analysis/CleanMeasure.h"

#include <algorithm>

#include "tests/e2e/analysis/CleanPieces.h"

namespace e2e {
namespace {

constexpr std::size_t kListedDropouts = 10;

std::int64_t Frames(const FrameRange& range) { return range.to - range.from; }

void AddSoundKeys(Report& report, const StereoRecording& recording, FrameRange range) {
  const auto first = FirstSound(recording, range);
  report.Set("first_sound", first.value_or(-1));
  report.Set("last_sound", LastSound(recording, range).value_or(-1));
  report.Set("all_silent", std::int64_t{first ? 0 : 1});
}

// The counts of every part added up; the frames of all parts listed together.
void AddDropoutKeys(Report& report, const std::vector<Report>& parts) {
  for (const char* key : {"zero_runs", "dropouts", "L.dropouts", "R.dropouts", "D.dropouts"}) {
    std::int64_t sum = 0;
    for (const Report& part : parts) sum += static_cast<std::int64_t>(part.Number(key));
    report.Set(key, sum);
  }
  std::string listed;
  std::size_t count = 0;
  for (const Report& part : parts) {
    const std::string frames = part.Get("dropout_frames");
    if (frames == "none") continue;
    std::size_t at = 0;
    while (at < frames.size() && count < kListedDropouts) {
      const std::size_t comma = std::min(frames.find(',', at), frames.size());
      listed += (count++ ? "," : "") + frames.substr(at, comma - at);
      at = comma + 1;
    }
  }
  report.Set("dropout_frames", listed.empty() ? std::string("none") : listed);
}

}  // namespace

Report MeasureCleanStretch(const StereoRecording& recording, FrameRange range, BeatTones tones,
                           const std::optional<std::vector<double>>& referenceLoop,
                           std::span<const FrameRange> stalls) {
  range.from = std::clamp<std::int64_t>(range.from, 0, recording.Frames());
  range.to = std::clamp<std::int64_t>(range.to, range.from, recording.Frames());
  const std::vector<FrameRange> pieces = CleanPieces(range, stalls, kMinCleanFrames);
  std::int64_t clean = 0;
  for (const FrameRange& piece : pieces) clean += Frames(piece);
  const bool untouched = pieces.size() == 1 && Frames(pieces[0]) == Frames(range);

  Report report;
  if (untouched) {
    report = MeasureStretch(recording, range, tones, referenceLoop);
  } else if (!pieces.empty()) {
    std::vector<Report> parts;
    for (const FrameRange& piece : pieces) parts.push_back(MeasureStretch(recording, piece, tones, referenceLoop));
    const auto longest = std::max_element(pieces.begin(), pieces.end(),
                                          [](const FrameRange& a, const FrameRange& b) { return Frames(a) < Frames(b); });
    report = parts[static_cast<std::size_t>(longest - pieces.begin())];
    AddDropoutKeys(report, parts);
  } else {
    report.Add("from_frame", range.from);
    report.Add("to_frame", range.to);
  }
  if (!untouched) AddSoundKeys(report, recording, range);
  report.Add("left_out_seconds", static_cast<double>(Frames(range) - clean) / kRate);
  report.Add("clean_pieces", static_cast<std::int64_t>(pieces.size()));
  report.Add("clean_seconds", static_cast<double>(clean) / kRate);
  return report;
}

}  // namespace e2e
