#pragma once
// Least-squares fit of steady sine tones of known frequencies to a stretch of samples.
// Phases are absolute: frame n of the recording is modelled as
//   sum over tones of amplitude * cos(2 pi f n / rate + phase),
// so fits of different stretches of one recording can be compared.
#include <cstdint>
#include <span>
#include <vector>

namespace e2e {

struct Tone {
  double frequency = 0.0;
  double amplitude = 0.0;  // peak, LSB
  double phase = 0.0;      // radians
};

struct ToneFit {
  std::vector<Tone> tones;  // in the order of the frequencies asked for
  double residualRms = 0.0;
};

// Fits all tones at once, so two tones close together are told apart as long as the stretch
// holds a good part of a cycle of their difference. A tone that cannot be told apart from the
// earlier ones in this stretch is given amplitude 0. `residual`, when given, receives the
// samples less the fitted tones. Any thread.
ToneFit FitTones(std::span<const double> samples, std::int64_t firstFrame,
                 std::span<const double> frequencies, int rate,
                 std::vector<double>* residual = nullptr);

// FitTones over consecutive blocks of blockFrames (the last one takes the rest), so that the
// tones may change level between blocks. Returns one fit per block; `residual`, when given,
// receives the samples less each block's tones. Any thread.
std::vector<ToneFit> FitTonesInBlocks(std::span<const double> samples, std::int64_t firstFrame,
                                      std::span<const double> frequencies, int rate,
                                      std::size_t blockFrames, std::vector<double>* residual = nullptr);

// The frequency of a tone near nominalHz, from how its fitted phase moves across blocks of
// half a second (other tones are fitted alongside, so they do not pull the estimate).
// Needs the true frequency within 1 Hz of nominal and at least two blocks; returns nominalHz
// otherwise. Any thread.
double PreciseFrequency(std::span<const double> samples, std::int64_t firstFrame, double nominalHz,
                        std::span<const double> otherTones, int rate);

}  // namespace e2e
