#pragma once
// Smooth pseudo-random fields from an integer hash, so every run draws the same texture.
// Any thread: every function here works only on its arguments.
#include <cstdint>

namespace artwork {

// Value noise in 0..1, smooth between integer lattice points.
double ValueNoise(double x, double y, std::uint32_t seed);

// `octaves` layers of value noise, each twice as fine and half as strong; 0..1.
double FractalNoise(double x, double y, int octaves, std::uint32_t seed);

}  // namespace artwork
