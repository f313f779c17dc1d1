#include "tools/layers/Voices.h"

#include <cmath>
#include <numbers>

#include "tools/layers/Loops.h"

namespace layers {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// 0 before, 1 after, a raised cosine between.
double Rise(double t, double length) {
  if (t <= 0) return 0;
  if (t >= length) return 1;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

// Rises over `rise`, holds until `hold`, then falls to silence over `fall`.
double Envelope(double t, double rise, double hold, double fall) {
  return Rise(t, rise) * (1.0 - Rise(t - hold, fall));
}

// Fixed, well spread starting phases, so the partials never start in step.
double PartialPhase(int partial) { return kTwoPi * std::fmod(partial * 0.6180339887, 1.0); }

}  // namespace

double NoteHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

Note PadNote(int midi, double holdSeconds) {
  constexpr double kRise = 1.8, kFall = 3.2, kDetune = 0.0022;
  const double hz = NoteHz(midi);
  const Voice voice = [=](double t) {
    double sum = 0;
    for (int h = 1; h <= 7; ++h) {
      const double partialHz = hz * h;
      const double weight = 1.0 / std::pow(h, 1.7) / (1.0 + std::pow(partialHz / 1400.0, 2.0));
      for (int side = -1; side <= 1; side += 2)
        sum += weight * std::sin(kTwoPi * partialHz * (1.0 + side * kDetune) * t +
                                 PartialPhase(2 * h + side));
    }
    return 0.5 * sum * Envelope(t, kRise, holdSeconds, kFall);
  };
  return {voice, holdSeconds + kFall};
}

Note BassNote(int midi, double holdSeconds) {
  constexpr double kRise = 0.6, kFall = 2.0;
  const double hz = NoteHz(midi);
  const Voice voice = [=](double t) {
    const double tone = std::sin(kTwoPi * hz * t) + 0.22 * std::sin(kTwoPi * 2 * hz * t + 0.7);
    // A slow sag after the onset, like a plucked string held by a pedal.
    return tone * (0.75 + 0.25 * std::exp(-t / 1.5)) * Envelope(t, kRise, holdSeconds, kFall);
  };
  return {voice, holdSeconds + kFall};
}

Note BellNote(int midi) {
  constexpr double kRatios[] = {1.0, 2.0, 3.01, 4.17};
  constexpr double kLevels[] = {1.0, 0.32, 0.10, 0.04};
  constexpr double kDecays[] = {2.4, 1.2, 0.7, 0.4};
  constexpr double kLength = 9.0, kFall = 2.0;
  const double hz = NoteHz(midi);
  const Voice voice = [=](double t) {
    double sum = 0;
    for (int p = 0; p < 4; ++p)
      sum += kLevels[p] * std::exp(-t / kDecays[p]) * std::sin(kTwoPi * hz * kRatios[p] * t);
    return sum * Envelope(t, 0.012, kLength - kFall, kFall);
  };
  return {voice, kLength};
}

void AddWrapped(std::vector<double>& loop, double startSeconds, const Note& note, double level) {
  const auto start = static_cast<size_t>(std::lround(startSeconds * kSampleRate));
  const auto count = static_cast<size_t>(std::lround(note.seconds * kSampleRate));
  for (size_t i = 0; i < count; ++i)
    loop[(start + i) % loop.size()] += level * note.voice(static_cast<double>(i) / kSampleRate);
}

}  // namespace layers
