#include "tests/e2e/analysis/StretchMeasure.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "tests/e2e/analysis/Decibels.h"
#include "tests/e2e/analysis/LoopMatch.h"
#include "tests/e2e/analysis/SignalAnalysis.h"
#include "tests/e2e/analysis/Spectrum.h"

namespace e2e {
namespace {

constexpr std::int64_t kZeroRunFrames = 64;
constexpr std::size_t kSpectrumFrames = 1u << 17;
constexpr std::size_t kListedDropouts = 10;

double Correlation(std::span<const double> a, std::span<const double> b) {
  double ab = 0.0, aa = 0.0, bb = 0.0;
  for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
    ab += a[i] * b[i];
    aa += a[i] * a[i];
    bb += b[i] * b[i];
  }
  return (aa > 0.0 && bb > 0.0) ? ab / std::sqrt(aa * bb) : 0.0;
}

void AddChannel(Report& report, const std::string& prefix, std::span<const double> samples,
                std::int64_t firstFrame, const SignalAnalysis& analysis, double ownTone, double otherTone) {
  report.Add(prefix + "strongest_hz", StrongestFrequency(samples.first(std::min(samples.size(), kSpectrumFrames)), kRate));
  report.Add(prefix + "left_tone_dbfs", Dbfs(analysis.whole.tones[0].amplitude));
  report.Add(prefix + "right_tone_dbfs", Dbfs(analysis.whole.tones[1].amplitude));
  report.Add(prefix + "own_tone_dbfs", Dbfs(analysis.whole.tones[prefix == "L." ? 0 : 1].amplitude));
  const double other[] = {otherTone};
  report.Add(prefix + "freq_hz", PreciseFrequency(samples, firstFrame, ownTone, other, kRate));
  report.Add(prefix + "residual_dbfs", Dbfs(analysis.residualRms));
  report.Add(prefix + "residual_peak_dbfs", Dbfs(analysis.residualPeak));
}

bool Inside(std::int64_t frame, std::span<const FrameRange> ranges) {
  return std::any_of(ranges.begin(), ranges.end(), [&](const FrameRange& r) { return frame >= r.from && frame < r.to; });
}

void AddMatch(Report& report, const std::string& prefix, std::span<const double> residual,
              std::span<const double> loop) {
  const LoopMatch match = MatchLoop(residual, loop);
  report.Add(prefix + "offset", match.offset);
  report.Add(prefix + "gain_db", RatioDb(std::abs(match.gain), 1.0));
  report.Add(prefix + "correlation", match.correlation);
}

}  // namespace

Report MeasureStretch(const StereoRecording& recording, FrameRange range, BeatTones tones,
                      const std::optional<std::vector<double>>& referenceLoop,
                      std::span<const FrameRange> ignored) {
  range = WithinRecording(recording, range);
  const std::size_t frames = static_cast<std::size_t>(range.to - range.from);
  const std::span<const double> left(recording.left.data() + range.from, frames);
  const std::span<const double> right(recording.right.data() + range.from, frames);
  std::vector<double> difference(frames);
  for (std::size_t i = 0; i < frames; ++i) difference[i] = left[i] - right[i];
  const double frequencies[] = {tones.left, tones.right};

  SignalAnalysis l = AnalyseSignal(left, range.from, frequencies, kRate);
  SignalAnalysis r = AnalyseSignal(right, range.from, frequencies, kRate);
  SignalAnalysis d = AnalyseSignal(difference, range.from, frequencies, kRate);
  for (SignalAnalysis* analysis : {&l, &r, &d}) {
    std::erase_if(analysis->dropouts, [&](std::int64_t frame) { return Inside(frame, ignored); });
  }

  Report report;
  report.Add("from_frame", range.from);
  report.Add("to_frame", range.to);
  report.Add("seconds", static_cast<double>(frames) / kRate);
  AddChannel(report, "L.", left, range.from, l, tones.left, tones.right);
  AddChannel(report, "R.", right, range.from, r, tones.right, tones.left);
  report.Add("L.crosstalk_db", RatioDb(l.whole.tones[1].amplitude, r.whole.tones[1].amplitude));
  report.Add("R.crosstalk_db", RatioDb(r.whole.tones[0].amplitude, l.whole.tones[0].amplitude));
  report.Add("beat_hz", report.Number("R.freq_hz") - report.Number("L.freq_hz"));
  // Centred layers cancel in the difference, so the beats' levels read there are free of them.
  report.Add("D.left_tone_dbfs", Dbfs(d.whole.tones[0].amplitude));
  report.Add("D.right_tone_dbfs", Dbfs(d.whole.tones[1].amplitude));
  report.Add("D.residual_dbfs", Dbfs(d.residualRms));
  report.Add("residual_correlation", Correlation(l.residual, r.residual));

  const auto first = FirstSound(recording, range);
  const auto last = LastSound(recording, range);
  report.Add("first_sound", first.value_or(-1));
  report.Add("last_sound", last.value_or(-1));
  report.Add("all_silent", std::int64_t{first ? 0 : 1});
  std::vector<ZeroRun> holes = ZeroRuns(recording, range, kZeroRunFrames);
  std::erase_if(holes, [&](const ZeroRun& hole) { return Inside(hole.first, ignored); });
  report.Add("zero_runs", static_cast<std::int64_t>(holes.size()));

  std::string toneOnly;
  std::vector<std::int64_t> all;
  for (const auto& [name, analysis] : {std::pair{"L", &l}, std::pair{"R", &r}, std::pair{"D", &d}}) {
    if (analysis->toneOnly) toneOnly += toneOnly.empty() ? name : std::string(",") + name;
    report.Add(std::string(name) + ".dropouts", static_cast<std::int64_t>(analysis->dropouts.size()));
    all.insert(all.end(), analysis->dropouts.begin(), analysis->dropouts.end());
  }
  std::sort(all.begin(), all.end());
  all.erase(std::unique(all.begin(), all.end()), all.end());
  std::string listed;
  for (std::size_t i = 0; i < std::min(all.size(), kListedDropouts); ++i) {
    listed += (i ? "," : "") + std::to_string(all[i]);
  }
  report.Add("tone_only_signals", toneOnly.empty() ? std::string("none") : toneOnly);
  report.Add("dropouts", static_cast<std::int64_t>(l.dropouts.size() + r.dropouts.size() + d.dropouts.size()));
  report.Add("dropout_frames", listed.empty() ? std::string("none") : listed);

  if (referenceLoop) {
    AddMatch(report, "ref.L.", l.residual, *referenceLoop);
    AddMatch(report, "ref.R.", r.residual, *referenceLoop);
  }
  return report;
}

}  // namespace e2e
