#pragma once
// A stereo recording of the sound server's output, and the mono layer files, as sample
// values in LSB units (16-bit scale).
#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

constexpr int kRate = 44100;

struct StereoRecording {
  std::vector<double> left;
  std::vector<double> right;
  std::int64_t Frames() const { return static_cast<std::int64_t>(left.size()); }
};

// Reads raw interleaved s16le stereo (".raw") or any stereo file libsndfile reads. A raw file
// that ends in a partial frame (the recorder was stopped mid-write) loses that frame. Throws
// std::runtime_error when it cannot. Any thread.
StereoRecording LoadRecording(const std::string& path);

// Reads a mono file through libsndfile, at 16-bit scale. Throws std::runtime_error when it
// cannot. Any thread.
std::vector<double> LoadMono(const std::string& path);

}  // namespace e2e
