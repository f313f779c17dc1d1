#pragma once
// The four layers' sounds, each one seamless loop of mono samples at 44100 Hz. The samples
// are in full-scale units (1.0 is the largest 16-bit value); each loop is already at the
// level it is played at, since the program plays the mask and music at their files' own level.
// Any thread: every function here works only on its arguments.
#include <cstdint>
#include <vector>

namespace layers {

inline constexpr int kSampleRate = 44100;

// round(amplitude * sin(2 pi cycles n / length)) in 16-bit units: whole cycles, so the
// sample after the last is the first again.
std::vector<std::int16_t> SineLoop(int cycles, int length, double amplitude);

// Soft pink noise, gently low-passed, at `rmsDbfs`; 2^20 samples (23.8 s), made circularly in
// the frequency domain so the loop has no seam.
std::vector<double> NoiseLoop(double rmsDbfs, std::uint32_t seed);

// A calm pad loop of eight 4-second bars whose sounding notes wrap from the end into the
// start, so the loop closes as if it had always been playing; its peak is at `peakDbfs`.
std::vector<double> MusicLoop(double peakDbfs);

}  // namespace layers
