// Any bytes at all, taken as a layer file the way the device takes one once it has read it:
// decoded, resampled to the device rate, then mixed for a few blocks. A refusal is fine; a
// crash, a leak, a huge allocation, or a buffer that breaks what the decoder promises is not.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>

#include "platform/directsound/AudioOutput.h"
#include "platform/directsound/Mixer.h"
#include "platform/directsound/WaveDecode.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken promise: %s\n", what);
  __builtin_trap();
}

void CheckBuffer(const ds::DecodedWave& wave) {
  const ds::WAVEFORMATEX& f = wave.format;
  Require(wave.frames >= 1, "at least one frame");
  Require(f.nChannels == 1 || f.nChannels == 2, "mono or stereo");
  Require(wave.samples.size() == std::size_t{wave.frames} * f.nChannels, "samples fill the frames");
  Require(f.nSamplesPerSec == ds::kDeviceRate, "the device rate");
  Require(f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8, "block align");
  Require(std::uint64_t{wave.frames} * f.nBlockAlign <= ds::DSBSIZE_MAX, "within the size limit");
  for (const float sample : wave.samples) {
    Require(std::isfinite(sample) && std::fabs(sample) <= ds::kMaxSampleMagnitude,
            "finite, limited samples");
  }
}

void MixAFewBlocks(ds::DecodedWave& wave) {
  ds::Voice voice(std::move(wave.samples), wave.frames, wave.format.nChannels);
  ds::Mixer mixer;
  Require(mixer.Add(&voice), "a free mixer slot");
  voice.control.RequestPlay(true);
  float block[2 * 300];
  for (int i = 0; i < 3; ++i) {
    mixer.Mix(block, 300);
    for (const float v : block) Require(v >= -1.0f && v <= 1.0f, "mix within [-1, 1]");
  }
  mixer.Remove(&voice);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ds::DecodedWave wave;
  const ds::HRESULT status =
      ds::DecodeWave(std::span(reinterpret_cast<const std::byte*>(data), size), wave);
  if (ds::Failed(status)) {
    Require(wave.samples.empty() && wave.frames == 0, "a refusal leaves the wave empty");
    return 0;
  }
  CheckBuffer(wave);
  MixAFewBlocks(wave);
  return 0;
}
