#pragma once
// The layer files: mono, 44100 Hz, 16-bit PCM WAVE, written with libsndfile.
// Any thread: every function here works only on its arguments.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace layers {

// Full-scale samples rounded to 16 bits (1.0 is 32767), clipped at the limits.
std::vector<std::int16_t> ToPcm16(std::span<const double> samples);

// 0 when written, below zero when the file could not be.
std::int32_t WriteWav(const std::string& path, std::span<const std::int16_t> samples);

}  // namespace layers
