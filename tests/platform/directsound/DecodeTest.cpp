// WAVE files to samples: every accepted sample type, rate conversion, and the records a load
// fills in.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <functional>
#include <limits>
#include <span>

#include "platform/directsound/WaveDecode.h"
#include "tests/platform/directsound/TestDevice.h"

namespace dstest {
namespace {

using ds::DS_OK;

struct FormatCase {
  std::string name;
  int sfFormat;
  int channels;
  std::uint16_t tag;
  std::uint16_t bits;
  std::function<void(const std::string& path, int sfFormat, int channels)> write;
  std::vector<float> expected;  // interleaved
};
void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

// Decoded samples as a plain vector, to compare with expected values.
std::vector<float> Plain(const ds::Samples& samples) { return {samples.begin(), samples.end()}; }

// Each sample type, written with the libsndfile call that stores its values unchanged, and
// the floats those values must read back as.
std::vector<FormatCase> SampleTypes() {
  const std::vector<short> shorts{-32768, -16384, 0, 16384, 32512, 32767};
  const std::vector<int> ints24{-8388608 * 256, -256, 0, 4660 * 256, 8388607 * 256, 1 * 256};
  const std::vector<int> ints32{std::numeric_limits<int>::min(), -1, 0, 123456789,
                                std::numeric_limits<int>::max(), 7};
  const std::vector<float> floats{-1.0f, -0.25f, 0.0f, 0.3f, 1.5f, 1e-3f};
  const std::vector<double> doubles{-0.1, 1.0 / 3.0, 0.0, 0.7, -2.5, 1e-9};
  auto writer = [](auto values) {
    return [values](const std::string& path, int format, int channels) {
      WriteWav(path, format, channels, 44100, values);
    };
  };
  std::vector<float> u8;
  for (short s : shorts) u8.push_back(static_cast<float>(s >> 8) / 128.0f);  // 8-bit keeps the top byte
  std::vector<float> s16;
  for (short s : shorts) s16.push_back(static_cast<float>(s) / 32768.0f);
  std::vector<float> s24;
  for (int i : ints24) s24.push_back(static_cast<float>(i / 256) / 8388608.0f);
  std::vector<float> s32;
  for (int i : ints32) s32.push_back(static_cast<float>(i) / 2147483648.0f);
  std::vector<float> f64;
  for (double d : doubles) f64.push_back(static_cast<float>(d));

  std::vector<FormatCase> cases;
  for (int channels : {1, 2}) {
    const std::string suffix = channels == 1 ? "Mono" : "Stereo";
    cases.push_back({"Pcm8" + suffix, SF_FORMAT_WAV | SF_FORMAT_PCM_U8, channels, 1, 8,
                     writer(shorts), u8});
    cases.push_back({"Pcm16" + suffix, SF_FORMAT_WAV | SF_FORMAT_PCM_16, channels, 1, 16,
                     writer(shorts), s16});
    cases.push_back({"Pcm24" + suffix, SF_FORMAT_WAV | SF_FORMAT_PCM_24, channels, 1, 24,
                     writer(ints24), s24});
    cases.push_back({"Pcm32" + suffix, SF_FORMAT_WAV | SF_FORMAT_PCM_32, channels, 1, 32,
                     writer(ints32), s32});
    cases.push_back({"Float32" + suffix, SF_FORMAT_WAV | SF_FORMAT_FLOAT, channels, 3, 32,
                     writer(floats), floats});
    cases.push_back({"Float64" + suffix, SF_FORMAT_WAV | SF_FORMAT_DOUBLE, channels, 3, 64,
                     writer(doubles), f64});
    cases.push_back({"Extensible16" + suffix, SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, channels, 1,
                     16, writer(shorts), s16});
  }
  return cases;
}

class SampleTypeTest : public ::testing::TestWithParam<FormatCase> {
 protected:
  TestDevice device_;
};

TEST_P(SampleTypeTest, DecodesToTheRightValuesAndFillsTheRecords) {
  const FormatCase& c = GetParam();
  const std::string path = device_.dir().File("tester1.wav");
  c.write(path, c.sfFormat, c.channels);

  ds::DecodedWave wave;
  ASSERT_EQ(ds::DecodeWave(ReadBytes(path), wave), DS_OK);
  EXPECT_EQ(Plain(wave.samples), c.expected);
  const auto frames = static_cast<std::uint32_t>(c.expected.size() / c.channels);
  EXPECT_EQ(wave.frames, frames);

  ds::DSBUFFERDESC desc;
  desc.dwFlags = kAllControls;
  ds::WAVEFORMATEX format;
  std::shared_ptr<ds::DirectSoundBuffer> buffer;
  ASSERT_EQ(device_.device().CreateSoundBufferFromFile(path, desc, format, buffer), DS_OK);
  ASSERT_TRUE(buffer);
  const std::uint16_t align = static_cast<std::uint16_t>(c.channels * c.bits / 8);
  EXPECT_EQ(format.wFormatTag, c.tag);
  EXPECT_EQ(format.nChannels, c.channels);
  EXPECT_EQ(format.nSamplesPerSec, 44100u);
  EXPECT_EQ(format.wBitsPerSample, c.bits);
  EXPECT_EQ(format.nBlockAlign, align);
  EXPECT_EQ(format.nAvgBytesPerSec, align * 44100u);
  EXPECT_EQ(format.cbSize, 0);
  EXPECT_EQ(desc.dwBufferBytes, frames * align);
  EXPECT_EQ(desc.dwFlags, kAllControls);

  ds::WAVEFORMATEX own;
  ASSERT_EQ(buffer->GetFormat(own), DS_OK);
  EXPECT_EQ(own.wFormatTag, format.wFormatTag);
  EXPECT_EQ(own.nBlockAlign, format.nBlockAlign);
}

INSTANTIATE_TEST_SUITE_P(Accepted, SampleTypeTest, ::testing::ValuesIn(SampleTypes()),
                         [](const auto& info) { return info.param.name; });

// The frequency of a sine from the spacing of its rising zero crossings.
double MeasuredFrequency(std::span<const float> samples, int channels, std::size_t from,
                         std::size_t to) {
  double first = -1.0;
  double last = -1.0;
  int crossings = 0;
  for (std::size_t k = from; k + 1 < to; ++k) {
    const float a = samples[k * channels];
    const float b = samples[(k + 1) * channels];
    if (a < 0.0f && b >= 0.0f) {
      const double at = static_cast<double>(k) + a / (a - b);
      if (first < 0) first = at;
      last = at;
      ++crossings;
    }
  }
  return crossings > 1 ? (crossings - 1) * 44100.0 / (last - first) : 0.0;
}

class ResampleTest : public ::testing::TestWithParam<int> {
 protected:
  TestDevice device_;
};

TEST_P(ResampleTest, OtherRatesAreConvertedToTheRightLengthAndPitch) {
  const int rate = GetParam();
  std::vector<short> sine(static_cast<std::size_t>(rate) * 2);  // one second, stereo
  for (std::size_t k = 0; k < sine.size() / 2; ++k) {
    const double value = 0.5 * std::sin(2.0 * M_PI * 1000.0 * k / rate);
    sine[2 * k] = sine[2 * k + 1] = static_cast<short>(std::lround(value * 32767.0));
  }
  const std::string path = device_.dir().File("tester2.wav");
  WriteWav(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, rate, sine);

  ds::DecodedWave wave;
  ASSERT_EQ(ds::DecodeWave(ReadBytes(path), wave), DS_OK);
  EXPECT_NEAR(static_cast<double>(wave.frames), 44100.0, 1.0);
  EXPECT_NEAR(MeasuredFrequency(wave.samples, 2, 4410, 39690), 1000.0, 0.5);
  double power = 0.0;
  for (std::size_t k = 4410; k < 39690; ++k) power += wave.samples[2 * k] * wave.samples[2 * k];
  EXPECT_NEAR(std::sqrt(power / (39690 - 4410)), 0.5 / std::sqrt(2.0), 0.005);
  EXPECT_EQ(wave.format.nSamplesPerSec, 44100u);
}

INSTANTIATE_TEST_SUITE_P(Rates, ResampleTest, ::testing::Values(48000, 22050, 96000, 8000));

TEST(DecodeTest, DataChunkClaimingMoreThanTheFileHoldsGivesTheWholeFramesThere) {
  const std::vector<float> values = Signal(2 * 300, 4);
  RiffWave riff;
  riff.channels = 2;
  riff.bits = 16;
  for (float v : values) {
    const auto s = static_cast<std::uint16_t>(static_cast<short>(v * 32767.0f));
    riff.data.push_back(static_cast<std::byte>(s & 0xFF));
    riff.data.push_back(static_cast<std::byte>(s >> 8));
  }
  riff.data.push_back(std::byte{0x11});  // and half a frame more
  riff.data.push_back(std::byte{0x22});
  riff.claimedDataBytes = 100000;

  ds::DecodedWave wave;
  ASSERT_EQ(ds::DecodeWave(Bytes(riff), wave), DS_OK);
  ASSERT_EQ(wave.frames, 300u);
  for (std::size_t i = 0; i < values.size(); ++i) {
    ASSERT_EQ(wave.samples[i], static_cast<short>(values[i] * 32767.0f) / 32768.0f) << i;
  }
}

TEST(DecodeTest, NonFiniteSamplesBecomeSilenceAndHugeOnesAreLimited) {
  TempDir dir;
  const float inf = std::numeric_limits<float>::infinity();
  const std::vector<float> values{std::nanf(""), inf, -inf, 1000.0f, -1000.0f, 0.5f};
  WriteWav(dir.File("odd.wav"), SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1, 44100, values);
  ds::DecodedWave wave;
  ASSERT_EQ(ds::DecodeWave(ReadBytes(dir.File("odd.wav")), wave), DS_OK);
  const float limit = ds::kMaxSampleMagnitude;
  EXPECT_EQ(Plain(wave.samples), (std::vector<float>{0.0f, 0.0f, 0.0f, limit, -limit, 0.5f}));
}

}  // namespace
}  // namespace dstest
