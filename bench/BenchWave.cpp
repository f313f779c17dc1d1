#include "bench/BenchWave.h"

#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace dsbench {

std::string WriteToneFile(const std::string& name, int channels, double seconds, double hertz) {
  const auto folder = std::filesystem::temp_directory_path() / "velnoria-bench";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / name).string();
  const auto frames = static_cast<std::size_t>(seconds * 44100.0);
  std::vector<short> samples(frames * static_cast<std::size_t>(channels));
  for (std::size_t k = 0; k < frames; ++k) {
    const double value = 0.4 * std::sin(2.0 * M_PI * hertz * static_cast<double>(k) / 44100.0);
    for (int c = 0; c < channels; ++c) {
      samples[k * channels + c] = static_cast<short>(std::lround(value * 32767.0));
    }
  }
  SF_INFO info{};
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  info.channels = channels;
  info.samplerate = 44100;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) throw std::runtime_error("cannot write " + path);
  sf_write_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
  sf_close(file);
  return path;
}

}  // namespace dsbench
