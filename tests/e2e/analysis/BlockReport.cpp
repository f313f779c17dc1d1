#include "tests/e2e/analysis/BlockReport.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <vector>

#include "tests/e2e/analysis/Decibels.h"
#include "tests/e2e/analysis/SignalAnalysis.h"
#include "tests/e2e/analysis/Spectrum.h"
#include "tests/e2e/analysis/ToneFit.h"

namespace e2e {

void WriteBlockReport(std::ostream& out, const StereoRecording& recording, FrameRange range,
                      BeatTones tones, std::int64_t blockFrames) {
  range = WithinRecording(recording, range);
  const std::size_t frames = static_cast<std::size_t>(range.to - range.from);
  const double frequencies[] = {tones.left, tones.right};
  const std::span<const double> channels[] = {{recording.left.data() + range.from, frames},
                                              {recording.right.data() + range.from, frames}};

  std::vector<double> difference(frames);
  for (std::size_t i = 0; i < frames; ++i) difference[i] = channels[0][i] - channels[1][i];
  std::vector<std::int64_t> dropouts;
  for (const std::span<const double> signal : {channels[0], channels[1], std::span<const double>(difference)}) {
    const SignalAnalysis analysis = AnalyseSignal(signal, range.from, frequencies, kRate);
    dropouts.insert(dropouts.end(), analysis.dropouts.begin(), analysis.dropouts.end());
  }

  out << "frame,seconds";
  for (const char* channel : {"L", "R"}) {
    out << ',' << channel << "_strongest_hz," << channel << "_left_tone_dbfs," << channel << "_right_tone_dbfs,"
        << channel << "_residual_dbfs";
  }
  out << ",L_crosstalk_db,R_crosstalk_db,silent,dropouts\n";
  for (std::int64_t start = range.from; start < range.to; start += blockFrames) {
    const std::int64_t end = std::min(range.to, start + blockFrames);
    const std::size_t offset = static_cast<std::size_t>(start - range.from);
    const std::size_t length = static_cast<std::size_t>(end - start);
    char text[96];
    std::snprintf(text, sizeof text, "%lld,%.4f", static_cast<long long>(start), static_cast<double>(start) / kRate);
    out << text;
    ToneFit fits[2];
    for (int c = 0; c < 2; ++c) {
      const std::span<const double> block = channels[c].subspan(offset, length);
      fits[c] = FitTones(block, start, frequencies, kRate);
      std::snprintf(text, sizeof text, ",%.2f,%.3f,%.3f,%.3f", StrongestFrequency(block, kRate),
                    Dbfs(fits[c].tones[0].amplitude), Dbfs(fits[c].tones[1].amplitude), Dbfs(fits[c].residualRms));
      out << text;
    }
    // The other channel's tone here against its level there.
    std::snprintf(text, sizeof text, ",%.2f,%.2f", RatioDb(fits[0].tones[1].amplitude, fits[1].tones[1].amplitude),
                  RatioDb(fits[1].tones[0].amplitude, fits[0].tones[0].amplitude));
    out << text;
    const bool silent = !FirstSound(recording, {start, end});
    const auto inBlock = std::count_if(dropouts.begin(), dropouts.end(),
                                       [&](std::int64_t frame) { return frame >= start && frame < end; });
    out << ',' << (silent ? 1 : 0) << ',' << inBlock << '\n';
  }
}

}  // namespace e2e
