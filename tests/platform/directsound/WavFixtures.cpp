#include "tests/platform/directsound/WavFixtures.h"

#include <sndfile.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace dstest {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "dstest-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

namespace {
sf_count_t WriteSamples(SNDFILE* file, const std::vector<short>& s) {
  return sf_write_short(file, s.data(), static_cast<sf_count_t>(s.size()));
}
sf_count_t WriteSamples(SNDFILE* file, const std::vector<int>& s) {
  return sf_write_int(file, s.data(), static_cast<sf_count_t>(s.size()));
}
sf_count_t WriteSamples(SNDFILE* file, const std::vector<float>& s) {
  return sf_write_float(file, s.data(), static_cast<sf_count_t>(s.size()));
}
sf_count_t WriteSamples(SNDFILE* file, const std::vector<double>& s) {
  return sf_write_double(file, s.data(), static_cast<sf_count_t>(s.size()));
}
}  // namespace

template <typename Sample>
void WriteWav(const std::string& path, int sfFormat, int channels, int rate,
              const std::vector<Sample>& samples) {
  SF_INFO info{};
  info.format = sfFormat;
  info.channels = channels;
  info.samplerate = rate;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) throw std::runtime_error(std::string("sf_open: ") + sf_strerror(nullptr));
  // Values are written as given: no clipping or rescaling on the way.
  sf_command(file, SFC_SET_CLIPPING, nullptr, SF_FALSE);
  const sf_count_t written = WriteSamples(file, samples);
  sf_close(file);
  if (written != static_cast<sf_count_t>(samples.size())) throw std::runtime_error("short write");
}

template void WriteWav(const std::string&, int, int, int, const std::vector<short>&);
template void WriteWav(const std::string&, int, int, int, const std::vector<int>&);
template void WriteWav(const std::string&, int, int, int, const std::vector<float>&);
template void WriteWav(const std::string&, int, int, int, const std::vector<double>&);

namespace {
void Put(std::vector<std::byte>& out, const char* fourcc) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::byte>(fourcc[i]));
}
void PutLe(std::vector<std::byte>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::byte>((value >> (8 * i)) & 0xFF));
}
}  // namespace

std::vector<std::byte> Bytes(const RiffWave& wave) {
  const std::uint16_t align = static_cast<std::uint16_t>(wave.channels * wave.bits / 8);
  std::vector<std::byte> out;
  Put(out, "RIFF");
  PutLe(out, static_cast<std::uint32_t>(4 + 8 + 16 + 8 + wave.data.size()), 4);
  Put(out, "WAVE");
  Put(out, "fmt ");
  PutLe(out, 16, 4);
  PutLe(out, wave.tag, 2);
  PutLe(out, wave.channels, 2);
  PutLe(out, wave.rate, 4);
  PutLe(out, align * wave.rate, 4);
  PutLe(out, align, 2);
  PutLe(out, wave.bits, 2);
  Put(out, "data");
  PutLe(out, wave.claimedDataBytes, 4);
  out.insert(out.end(), wave.data.begin(), wave.data.end());
  return out;
}

void WriteBytes(const std::string& path, const std::vector<std::byte>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

std::vector<std::byte> ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<char> chars((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<std::byte> bytes(chars.size());
  for (std::size_t i = 0; i < chars.size(); ++i) bytes[i] = static_cast<std::byte>(chars[i]);
  return bytes;
}

std::vector<float> Signal(std::size_t samples, std::uint32_t seed) {
  std::vector<float> out(samples);
  std::uint32_t state = seed * 2654435761u + 1;
  for (float& value : out) {
    state = state * 1664525u + 1013904223u;
    const float unit = static_cast<float>(state >> 8) / static_cast<float>(1u << 24);  // [0, 1)
    value = 0.05f + 0.85f * unit;
    if ((state & 1) != 0) value = -value;
  }
  return out;
}

}  // namespace dstest
