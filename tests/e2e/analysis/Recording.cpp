#include "tests/e2e/analysis/Recording.h"

#include <sndfile.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace e2e {
namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

StereoRecording LoadRaw(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
  const std::size_t frames = bytes.size() / 4;
  StereoRecording recording;
  recording.left.resize(frames);
  recording.right.resize(frames);
  const auto sample = [&](std::size_t at) {
    return static_cast<double>(static_cast<std::int16_t>(bytes[at] | (bytes[at + 1] << 8)));
  };
  for (std::size_t i = 0; i < frames; ++i) {
    recording.left[i] = sample(4 * i);
    recording.right[i] = sample(4 * i + 2);
  }
  return recording;
}

struct SoundFile {
  SF_INFO info{};  // before `file`: sf_open fills it
  SNDFILE* file = nullptr;
  explicit SoundFile(const std::string& path) : file(sf_open(path.c_str(), SFM_READ, &info)) {
    if (!file) throw std::runtime_error("cannot read " + path + ": " + sf_strerror(nullptr));
  }
  ~SoundFile() { sf_close(file); }
  SoundFile(const SoundFile&) = delete;
  SoundFile& operator=(const SoundFile&) = delete;

  std::vector<short> ReadAll() {
    std::vector<short> samples(static_cast<std::size_t>(info.frames) * info.channels);
    const sf_count_t got = sf_readf_short(file, samples.data(), info.frames);
    samples.resize(static_cast<std::size_t>(got) * info.channels);
    return samples;
  }
};

}  // namespace

StereoRecording LoadRecording(const std::string& path) {
  if (EndsWith(path, ".raw")) return LoadRaw(path);
  SoundFile sound(path);
  if (sound.info.channels != 2) throw std::runtime_error(path + " is not stereo");
  const std::vector<short> samples = sound.ReadAll();
  StereoRecording recording;
  for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
    recording.left.push_back(samples[i]);
    recording.right.push_back(samples[i + 1]);
  }
  return recording;
}

std::vector<double> LoadMono(const std::string& path) {
  SoundFile sound(path);
  if (sound.info.channels != 1) throw std::runtime_error(path + " is not mono");
  const std::vector<short> samples = sound.ReadAll();
  return {samples.begin(), samples.end()};
}

}  // namespace e2e
