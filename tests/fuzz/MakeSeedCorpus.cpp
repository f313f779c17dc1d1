// Writes the fuzzer's seed corpus into the folder given: a short WAVE file of every kind the
// decoder takes, and the kinds of bad file the device is known to meet.
//
//   wave_seed_corpus <folder>
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/platform/directsound/WavFixtures.h"

namespace {

using dstest::Bytes;
using dstest::RiffWave;
using dstest::WriteBytes;
using dstest::WriteWav;

constexpr int kFrames = 96;

std::vector<double> Tone(int channels) {
  std::vector<double> samples(static_cast<std::size_t>(kFrames * channels));
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = 0.8 * std::sin(0.3 * double(i));
  return samples;
}

struct SampleKind {
  const char* name;
  int subformat;
};

const SampleKind kKinds[] = {
    {"u8", SF_FORMAT_PCM_U8},   {"s16", SF_FORMAT_PCM_16}, {"s24", SF_FORMAT_PCM_24},
    {"s32", SF_FORMAT_PCM_32},  {"f32", SF_FORMAT_FLOAT},  {"f64", SF_FORMAT_DOUBLE},
};

void WriteGood(const std::string& folder) {
  for (const SampleKind& kind : kKinds) {
    for (const int channels : {1, 2}) {
      for (const bool extensible : {false, true}) {
        const int container = extensible ? SF_FORMAT_WAVEX : SF_FORMAT_WAV;
        const std::string name = folder + "/good-" + kind.name + "-" + std::to_string(channels) +
                                 "ch" + (extensible ? "-extensible" : "") + ".wav";
        WriteWav(name, container | kind.subformat, channels, 44100, Tone(channels));
      }
    }
  }
  for (const int rate : {1000, 8000, 22050, 48000, 96000, 768000}) {
    for (const int channels : {1, 2}) {
      WriteWav(folder + "/good-s16-" + std::to_string(channels) + "ch-" + std::to_string(rate) +
                   "hz.wav",
               SF_FORMAT_WAV | SF_FORMAT_PCM_16, channels, rate, Tone(channels));
    }
  }
}

std::vector<std::byte> Text(const char* text) {
  std::vector<std::byte> bytes(std::strlen(text));
  std::memcpy(bytes.data(), text, bytes.size());
  return bytes;
}

RiffWave WithData(std::uint32_t claimed, std::size_t present) {
  RiffWave riff;
  riff.data.assign(present, std::byte{0x21});
  riff.claimedDataBytes = claimed;
  return riff;
}

void WriteBad(const std::string& folder) {
  auto put = [&folder](const char* name, const std::vector<std::byte>& bytes) {
    WriteBytes(folder + "/bad-" + name, bytes);
  };
  put("empty", {});
  auto truncated = Bytes(WithData(400, 400));
  truncated.resize(30);
  put("truncated-header", truncated);
  put("no-samples", Bytes(RiffWave{}));
  put("text", Text("just some words, not a sound file at all"));
  RiffWave riff = WithData(400, 400);
  riff.tag = 0x1234;
  put("unknown-tag", Bytes(riff));
  riff = WithData(400, 400);
  riff.channels = 0;
  put("zero-channels", Bytes(riff));
  riff = WithData(400, 400);
  riff.rate = 0;
  put("zero-rate", Bytes(riff));
  riff = WithData(4000, 40);
  put("claims-more-than-present", Bytes(riff));
  riff = WithData(0xFFFFFFF0u, 64);
  riff.rate = 1000;
  riff.bits = 8;
  put("claims-huge-at-low-rate", Bytes(riff));
  riff.rate = 768000;
  put("claims-huge-at-high-rate", Bytes(riff));

  WriteWav(folder + "/bad-three-channels.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 3, 44100,
           std::vector<short>(300, 1000));
  WriteWav(folder + "/bad-mu-law.wav", SF_FORMAT_WAV | SF_FORMAT_ULAW, 1, 44100,
           std::vector<short>(300, 1000));
  WriteWav(folder + "/bad-aiff.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 1, 44100,
           std::vector<short>(300, 1000));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: wave_seed_corpus <folder>\n");
    return 2;
  }
  WriteGood(argv[1]);
  WriteBad(argv[1]);
  return 0;
}
