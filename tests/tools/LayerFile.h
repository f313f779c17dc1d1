#pragma once
// Reads a generated layer file and measures what a listener would hear in it.
#include <sndfile.h>

#include <string>
#include <vector>

namespace tools_test {

struct LayerFile {
  SF_INFO info{};
  std::vector<short> samples;  // the first channel
  bool opened = false;
};

// The layer file `name` (e.g. "tester1.wav") from the folder the build wrote it to.
LayerFile ReadLayerFile(const std::string& name);

// Magnitude of the discrete-time Fourier transform at `hz`, divided by the length.
double MagnitudeAt(const std::vector<short>& samples, size_t count, double hz);

// The frequency of the largest spectral peak between `loHz` and `hiHz`, to about 0.0002 Hz
// on a long steady tone.
double StrongestFrequency(const std::vector<short>& samples, double loHz, double hiHz);

// Root mean square, in sample units.
double Rms(const std::vector<short>& samples);

// Level of the root mean square and of the largest sample, in dB below full scale (32768).
double RmsDbfs(const std::vector<short>& samples);
double PeakDbfs(const std::vector<short>& samples);

// The sample-to-sample changes of the loop played twice in a row: the largest step across the
// seam (from the last samples into the first) and the step that only one in a thousand of
// the loop's own steps exceeds.
struct SeamSteps {
  int acrossSeam = 0;
  int typicalLargest = 0;
};
SeamSteps MeasureSeam(const std::vector<short>& samples);

// RMS of the sample-to-sample change over the RMS of the signal: about 1.4 for white noise,
// small for a soft, low sound.
double Roughness(const std::vector<short>& samples);

}  // namespace tools_test
