#include "tools/layers/WavFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>

#include "tools/layers/Loops.h"

namespace layers {

std::vector<std::int16_t> ToPcm16(std::span<const double> samples) {
  std::vector<std::int16_t> pcm(samples.size());
  std::transform(samples.begin(), samples.end(), pcm.begin(), [](double s) {
    return static_cast<std::int16_t>(std::clamp(std::lround(s * 32767.0), -32768l, 32767l));
  });
  return pcm;
}

std::int32_t WriteWav(const std::string& path, std::span<const std::int16_t> samples) {
  SF_INFO info{};
  info.samplerate = kSampleRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) return -1;
  const auto count = static_cast<sf_count_t>(samples.size());
  const bool written = sf_write_short(file, samples.data(), count) == count;
  const bool closed = sf_close(file) == 0;
  return written && closed ? 0 : -1;
}

}  // namespace layers
