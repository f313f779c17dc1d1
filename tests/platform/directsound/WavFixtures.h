#pragma once
// Small WAVE files for tests: written through libsndfile, or byte by byte where a test needs
// a header libsndfile would never write.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dstest {

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Interleaved samples written with the libsndfile call for their type (short, int, float,
// double), into a file of `sfFormat` (e.g. SF_FORMAT_WAV | SF_FORMAT_PCM_16).
template <typename Sample>
void WriteWav(const std::string& path, int sfFormat, int channels, int rate,
              const std::vector<Sample>& samples);

// A RIFF WAVE file: "fmt " chunk from the fields given, then a "data" chunk whose size field
// says `claimedDataBytes` and which holds `data`.
struct RiffWave {
  std::uint16_t tag = 1;
  std::uint16_t channels = 1;
  std::uint32_t rate = 44100;
  std::uint16_t bits = 16;
  std::uint32_t claimedDataBytes = 0;
  std::vector<std::byte> data;
};
std::vector<std::byte> Bytes(const RiffWave& wave);

void WriteBytes(const std::string& path, const std::vector<std::byte>& bytes);
std::vector<std::byte> ReadBytes(const std::string& path);

// Distinct, non-zero values in [-0.9, 0.9], the same for the same seed.
std::vector<float> Signal(std::size_t samples, std::uint32_t seed);

}  // namespace dstest
