#include <algorithm>
#include <cmath>

#include "tools/layers/Loops.h"
#include "tools/layers/Reverb.h"
#include "tools/layers/Voices.h"

namespace layers {

namespace {

constexpr double kBeat = 1.0;  // seconds: 60 beats a minute
constexpr int kBeatsPerChord = 8;

struct Chord {
  int bass;
  int pad[4];
};

// C major 9, A minor 7, F major 7, G 6: each held for two bars, the last leading home.
constexpr Chord kChords[] = {
    {36, {52, 55, 59, 62}},
    {33, {52, 55, 57, 60}},
    {29, {53, 57, 60, 64}},
    {31, {50, 55, 59, 64}},
};

struct BellHit {
  double beat;
  int midi;
};

constexpr BellHit kMelody[] = {
    {0, 76},  {2, 79},  {4, 74},  {6, 76},  {8, 72},  {10, 76}, {12, 69}, {14, 71},
    {16, 69}, {18, 72}, {20, 77}, {22, 76}, {24, 74}, {26, 71}, {28, 67}, {30, 74},
};

}  // namespace

std::vector<double> MusicLoop(double peakDbfs) {
  const double chordSeconds = kBeatsPerChord * kBeat;
  std::vector<double> loop(static_cast<size_t>(std::size(kChords) * chordSeconds * kSampleRate),
                           0.0);
  for (size_t c = 0; c < std::size(kChords); ++c) {
    const double start = c * chordSeconds;
    for (int midi : kChords[c].pad) AddWrapped(loop, start, PadNote(midi, chordSeconds), 0.16);
    AddWrapped(loop, start, BassNote(kChords[c].bass + 12, chordSeconds), 0.22);
  }
  for (const BellHit& hit : kMelody) AddWrapped(loop, hit.beat * kBeat, BellNote(hit.midi), 0.10);

  std::vector<double> music = LoopReverb(loop, 0.22);
  double peak = 0;
  for (double s : music) peak = std::max(peak, std::abs(s));
  const double scale = std::pow(10.0, peakDbfs / 20.0) / peak;
  for (double& s : music) s *= scale;
  return music;
}

}  // namespace layers
