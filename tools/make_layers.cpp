// Writes one of the four layer files the program plays:
//   tester1, tester2  the beat carriers, 7.83 Hz apart
//   tester3           the mask sound
//   ms1               the music
// usage: make_layers NAME OUTPUT.wav
#include <cstdio>
#include <string>

#include "tools/layers/Loops.h"
#include "tools/layers/WavFile.h"

namespace {

// 490000 samples (11.11 s) hold whole cycles of both carriers: 2223 cycles make 200.07 Hz and
// 2310 make 207.90 Hz, so the loops join without a seam.
constexpr int kBeatLoopLength = 490000;
constexpr double kBeatAmplitude = 32000;
// Played at their own level, so kept quiet: the mask a soft hush, the music well below full.
constexpr double kMaskRmsDbfs = -30.0;
constexpr double kMusicPeakDbfs = -14.0;
constexpr std::uint32_t kMaskSeed = 7830;

std::vector<std::int16_t> Layer(const std::string& name) {
  if (name == "tester1") return layers::SineLoop(2223, kBeatLoopLength, kBeatAmplitude);
  if (name == "tester2") return layers::SineLoop(2310, kBeatLoopLength, kBeatAmplitude);
  if (name == "tester3") return layers::ToPcm16(layers::NoiseLoop(kMaskRmsDbfs, kMaskSeed));
  if (name == "ms1") return layers::ToPcm16(layers::MusicLoop(kMusicPeakDbfs));
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_layers tester1|tester2|tester3|ms1 OUTPUT.wav\n");
    return 2;
  }
  const std::vector<std::int16_t> samples = Layer(argv[1]);
  if (samples.empty()) {
    std::fprintf(stderr, "make_layers: no layer called %s\n", argv[1]);
    return 2;
  }
  if (layers::WriteWav(argv[2], samples) < 0) {
    std::fprintf(stderr, "make_layers: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
