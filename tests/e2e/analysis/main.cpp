// The acceptance suite's sound analyser. Reads a recording of the sound server's output (or a
// layer file) and prints measurements as key=value lines, or a per-block CSV.
//
//   e2e_analyse measure REC --from F --to F --left HZ --right HZ [--reference LOOP.wav]
//                           [--exclude STALLS]   (frame ranges the machine stood still in)
//   e2e_analyse blocks  REC --from F --to F --left HZ --right HZ [--block-ms MS]
//   e2e_analyse start   REC --channel L|R --from F --to F --hz HZ --other HZ --layer FILE.wav
//   e2e_analyse layer   FILE.wav [--hz HZ]
//   e2e_analyse frames  REC
//
// Frames count from the recording's first frame; REC is raw s16le stereo at 44100 Hz (.raw)
// or a stereo sound file.
#include <algorithm>
#include <cmath>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/analysis/BlockReport.h"
#include "tests/e2e/analysis/CleanMeasure.h"
#include "tests/e2e/analysis/CleanPieces.h"
#include "tests/e2e/analysis/Decibels.h"
#include "tests/e2e/analysis/LayerStart.h"
#include "tests/e2e/analysis/Options.h"
#include "tests/e2e/analysis/Recording.h"
#include "tests/e2e/analysis/Report.h"
#include "tests/e2e/analysis/Spectrum.h"
#include "tests/e2e/analysis/StretchMeasure.h"
#include "tests/e2e/analysis/ToneFit.h"

namespace e2e {
namespace {

FrameRange RangeOf(const Options& options) { return {options.Frame("from"), options.Frame("to")}; }

BeatTones TonesOf(const Options& options) { return {options.Number("left"), options.Number("right")}; }

// The level and, at a given frequency, the tone of a layer file.
Report DescribeLayer(const std::vector<double>& samples, const Options& options) {
  Report report;
  double peak = 0.0;
  double squares = 0.0;
  for (const double value : samples) {
    peak = std::max(peak, std::abs(value));
    squares += value * value;
  }
  report.Add("frames", static_cast<std::int64_t>(samples.size()));
  report.Add("peak_dbfs", Dbfs(peak));
  report.Add("rms_dbfs", Dbfs(samples.empty() ? 0.0 : std::sqrt(squares / samples.size())));
  report.Add("strongest_hz", StrongestFrequency(samples, kRate));
  if (options.Has("hz")) {
    const double frequency[] = {options.Number("hz")};
    const ToneFit fit = FitTones(samples, 0, frequency, kRate);
    report.Add("tone_dbfs", Dbfs(fit.tones[0].amplitude));
    report.Add("tone_phase", fit.tones[0].phase);
  }
  return report;
}

// Where a beat layer began in the recording, against its first audible frame.
Report DescribeStart(const StereoRecording& recording, const Options& options) {
  const std::string channelName = options.Text("channel");
  const std::vector<double>& channel = channelName == "L" ? recording.left : recording.right;
  const FrameRange range = RangeOf(options);
  Report report;
  const auto onset = FirstNonZero(channel, range);
  report.Add("onset", onset.value_or(-1));
  if (!onset) return report;

  const double hz = options.Number("hz");
  const double layerTone[] = {hz};
  const ToneFit layerFit = FitTones(LoadMono(options.Text("layer")), 0, layerTone, kRate);
  // Fit after the fade-in, over half a second, inside the range.
  const std::int64_t fitFrom = *onset + kRate / 20;
  const std::int64_t fitFrames = std::min<std::int64_t>(kRate / 2, std::min(range.to, recording.Frames()) - fitFrom);
  if (fitFrames < kRate / 10) throw std::invalid_argument("range too short after the onset to fit the tone");
  const double other[] = {options.Number("other")};
  const double start = LayerStartFrame(channel, fitFrom, fitFrames, {hz, layerFit.tones[0].phase}, other, kRate, *onset);
  report.Add("start_frame", start);
  report.Add("onset_after_start", static_cast<double>(*onset) - start);
  return report;
}

int Run(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: e2e_analyse measure|blocks|start|layer|frames FILE [--name value]...\n";
    return 2;
  }
  const std::string command = argv[1];
  const std::string path = argv[2];
  const Options options(argc, argv, 3);
  if (command == "layer") {
    DescribeLayer(LoadMono(path), options).Print(std::cout);
    return 0;
  }
  const StereoRecording recording = LoadRecording(path);
  if (command == "frames") {
    std::cout << "frames=" << recording.Frames() << '\n';
  } else if (command == "measure") {
    std::optional<std::vector<double>> reference;
    if (options.Has("reference")) reference = LoadMono(options.Text("reference"));
    if (options.Has("exclude")) {
      const std::vector<FrameRange> stalls = ReadFrameRanges(options.Text("exclude"));
      MeasureCleanStretch(recording, RangeOf(options), TonesOf(options), reference, stalls).Print(std::cout);
    } else {
      MeasureStretch(recording, RangeOf(options), TonesOf(options), reference).Print(std::cout);
    }
  } else if (command == "blocks") {
    const double blockMs = options.Has("block-ms") ? options.Number("block-ms") : 50.0;
    WriteBlockReport(std::cout, recording, RangeOf(options), TonesOf(options),
                     std::max<std::int64_t>(16, std::llround(blockMs * kRate / 1000.0)));
  } else if (command == "start") {
    DescribeStart(recording, options).Print(std::cout);
  } else {
    std::cerr << "unknown command " << command << '\n';
    return 2;
  }
  return 0;
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) {
  try {
    return e2e::Run(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "e2e_analyse: " << error.what() << '\n';
    return 2;
  }
}
