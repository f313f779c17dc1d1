#include "platform/directsound/WaveDecode.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "platform/directsound/AudioOutput.h"
#include "platform/directsound/Resample.h"

namespace ds {
namespace {

// libsndfile reads through these from the bytes in memory.
struct MemoryFile {
  std::span<const std::byte> bytes;
  sf_count_t offset = 0;
};

sf_count_t Length(void* file) {
  return static_cast<sf_count_t>(static_cast<MemoryFile*>(file)->bytes.size());
}

sf_count_t Seek(sf_count_t offset, int whence, void* file) {
  auto* memory = static_cast<MemoryFile*>(file);
  sf_count_t base = 0;
  if (whence == SEEK_CUR) base = memory->offset;
  if (whence == SEEK_END) base = Length(file);
  if (offset < -base) return -1;
  memory->offset = base + offset;
  return memory->offset;
}

sf_count_t Read(void* destination, sf_count_t count, void* file) {
  auto* memory = static_cast<MemoryFile*>(file);
  const sf_count_t size = Length(file);
  if (count <= 0 || memory->offset >= size) return 0;
  const sf_count_t n = std::min(count, size - memory->offset);
  std::memcpy(destination, memory->bytes.data() + memory->offset, static_cast<std::size_t>(n));
  memory->offset += n;
  return n;
}

sf_count_t Write(const void*, sf_count_t, void*) { return 0; }

sf_count_t Tell(void* file) { return static_cast<MemoryFile*>(file)->offset; }

struct SampleType {
  std::uint16_t tag;
  std::uint16_t bits;
};

bool SampleTypeOf(int format, SampleType& type) {
  const int container = format & SF_FORMAT_TYPEMASK;
  if (container != SF_FORMAT_WAV && container != SF_FORMAT_WAVEX) return false;
  switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8: type = {WAVE_FORMAT_PCM, 8}; return true;
    case SF_FORMAT_PCM_16: type = {WAVE_FORMAT_PCM, 16}; return true;
    case SF_FORMAT_PCM_24: type = {WAVE_FORMAT_PCM, 24}; return true;
    case SF_FORMAT_PCM_32: type = {WAVE_FORMAT_PCM, 32}; return true;
    case SF_FORMAT_FLOAT: type = {WAVE_FORMAT_IEEE_FLOAT, 32}; return true;
    case SF_FORMAT_DOUBLE: type = {WAVE_FORMAT_IEEE_FLOAT, 64}; return true;
    default: return false;
  }
}

WAVEFORMATEX BufferFormat(SampleType type, int channels) {
  WAVEFORMATEX format;
  format.wFormatTag = type.tag;
  format.nChannels = static_cast<std::uint16_t>(channels);
  format.nSamplesPerSec = kDeviceRate;
  format.wBitsPerSample = type.bits;
  format.nBlockAlign = static_cast<std::uint16_t>(channels * type.bits / 8);
  format.nAvgBytesPerSec = format.nBlockAlign * format.nSamplesPerSec;
  format.cbSize = 0;
  return format;
}

void KeepFinite(Samples& samples) {
  for (float& sample : samples) {
    sample = std::isfinite(sample)
                 ? std::clamp(sample, -kMaxSampleMagnitude, kMaxSampleMagnitude)
                 : 0.0f;
  }
}

using SndFile = std::unique_ptr<SNDFILE, decltype(&sf_close)>;

}  // namespace

HRESULT DecodeWave(std::span<const std::byte> file, DecodedWave& wave) {
  SF_VIRTUAL_IO io{&Length, &Seek, &Read, &Write, &Tell};
  MemoryFile memory{file};
  SF_INFO info{};
  SndFile sound(sf_open_virtual(&io, SFM_READ, &info, &memory), &sf_close);
  if (!sound) return DSERR_BADFORMAT;

  SampleType type{};
  if (!SampleTypeOf(info.format, type)) return DSERR_BADFORMAT;
  if (info.channels < 1 || info.channels > 2) return DSERR_BADFORMAT;
  if (info.samplerate < kMinFileRate || info.samplerate > kMaxFileRate) return DSERR_BADFORMAT;
  if (info.frames < 1) return DSERR_BADFORMAT;

  const WAVEFORMATEX format = BufferFormat(type, info.channels);
  const std::uint64_t frames =
      ResampledFrames(static_cast<std::uint64_t>(info.frames), info.samplerate, kDeviceRate);
  if (frames * format.nBlockAlign > DSBSIZE_MAX) return DSERR_OUTOFMEMORY;

  Samples samples(static_cast<std::size_t>(info.frames) * static_cast<std::size_t>(info.channels));
  const sf_count_t read = sf_readf_float(sound.get(), samples.data(), info.frames);
  if (read < 1) return DSERR_BADFORMAT;
  samples.resize(static_cast<std::size_t>(read) * static_cast<std::size_t>(info.channels));
  // Integer PCM reads back scaled into [-1, 1], so only float files need a pass to limit.
  if (type.tag == WAVE_FORMAT_IEEE_FLOAT) KeepFinite(samples);

  if (info.samplerate != kDeviceRate) {
    Samples resampled;
    if (!Resample(samples, info.channels, info.samplerate, kDeviceRate, resampled)) {
      return DSERR_GENERIC;
    }
    if (resampled.empty()) return DSERR_BADFORMAT;
    // The converter's ringing can carry a sample at the limit past it.
    KeepFinite(resampled);
    samples = std::move(resampled);
  }

  wave.frames = static_cast<std::uint32_t>(samples.size() / static_cast<std::size_t>(info.channels));
  wave.samples = std::move(samples);
  wave.format = format;
  return DS_OK;
}

}  // namespace ds
