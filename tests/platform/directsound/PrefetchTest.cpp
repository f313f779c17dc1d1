// Files decoded ahead: a prefetch gives what a load of the same file gives, each path its own
// file's samples, once; and a device makes its buffer from the prefetch of its path.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <functional>

#include "platform/directsound/WaveFileLoad.h"
#include "platform/directsound/WavePrefetch.h"
#include "tests/platform/directsound/TestDevice.h"

namespace dstest {
namespace {

using ds::DS_OK;

std::vector<float> Plain(const ds::Samples& samples) { return {samples.begin(), samples.end()}; }

struct PrefetchCase {
  const char* name;
  // Leaves at `path` what the case is about (or nothing at all).
  std::function<void(const std::string& path)> make;
  ds::HRESULT status;
};
void PrintTo(const PrefetchCase& c, std::ostream* os) { *os << c.name; }

const PrefetchCase kPrefetchCases[] = {
    {"FloatStereo",
     [](const std::string& path) {
       WriteWav(path, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 2, 44100, Signal(4000, 1));
     },
     DS_OK},
    {"Pcm16MonoAtAnotherRate",
     [](const std::string& path) {
       std::vector<short> samples;
       for (float s : Signal(3000, 2)) samples.push_back(static_cast<short>(s * 32000));
       WriteWav(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, samples);
     },
     DS_OK},
    {"Missing", [](const std::string&) {}, ds::DSERR_GENERIC},
    {"NotAWave",
     [](const std::string& path) { WriteBytes(path, std::vector<std::byte>(600, std::byte{7})); },
     ds::DSERR_BADFORMAT},
};

class PrefetchTest : public ::testing::TestWithParam<PrefetchCase> {
 protected:
  TempDir dir_;
};

TEST_P(PrefetchTest, GivesWhatALoadOfTheFileGives) {
  const std::string path = dir_.File("tester1.wav");
  GetParam().make(path);
  ds::PrefetchWaveFile(path);

  ds::HRESULT status = DS_OK;
  ds::DecodedWave prefetched;
  ASSERT_TRUE(ds::TakePrefetchedWave(path, status, prefetched));
  ds::DecodedWave loaded;
  ASSERT_EQ(ds::LoadWaveFile(path, loaded), GetParam().status);
  EXPECT_EQ(status, GetParam().status);
  if (status != DS_OK) return;
  EXPECT_EQ(Plain(prefetched.samples), Plain(loaded.samples));
  EXPECT_EQ(prefetched.frames, loaded.frames);
  EXPECT_EQ(prefetched.format.nChannels, loaded.format.nChannels);
  EXPECT_EQ(prefetched.format.wFormatTag, loaded.format.wFormatTag);
  EXPECT_EQ(prefetched.format.nBlockAlign, loaded.format.nBlockAlign);
}

INSTANTIATE_TEST_SUITE_P(Files, PrefetchTest, ::testing::ValuesIn(kPrefetchCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Prefetch, EachPathGetsItsOwnFileOnceEvenWhenStartedTwice) {
  TempDir dir;
  std::vector<std::string> paths;
  for (std::uint32_t i = 0; i < 4; ++i) {
    paths.push_back(dir.File("layer" + std::to_string(i) + ".wav"));
    WriteWav(paths.back(), SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1, 44100, Signal(2000 + 500 * i, i));
  }
  for (const auto& path : paths) ds::PrefetchWaveFile(path);
  ds::PrefetchWaveFile(paths[2]);

  for (std::uint32_t i = 0; i < paths.size(); ++i) {
    SCOPED_TRACE(paths[i]);
    ds::HRESULT status = ds::DSERR_GENERIC;
    ds::DecodedWave wave;
    ASSERT_TRUE(ds::TakePrefetchedWave(paths[i], status, wave));
    EXPECT_EQ(status, DS_OK);
    EXPECT_EQ(Plain(wave.samples), Signal(2000 + 500 * i, i));
    EXPECT_FALSE(ds::TakePrefetchedWave(paths[i], status, wave));
  }
}

TEST(Prefetch, APathNeverPrefetchedHasNone) {
  TempDir dir;
  const std::string path = dir.File("tester1.wav");
  WriteWav(path, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1, 44100, Signal(100, 3));
  ds::HRESULT status = DS_OK;
  ds::DecodedWave wave;
  EXPECT_FALSE(ds::TakePrefetchedWave(path, status, wave));
}

TEST(Prefetch, ADeviceMakesItsBufferFromThePrefetchOfItsPath) {
  TestDevice device;
  const std::string path = device.dir().File("tester1.wav");
  WriteWav(path, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 2, 44100, Signal(3000, 4));
  ds::PrefetchWaveFile(path);

  std::shared_ptr<ds::DirectSoundBuffer> buffer;
  ASSERT_EQ(device.LoadFile(path, buffer), DS_OK);
  ASSERT_TRUE(buffer);
  ds::HRESULT status = DS_OK;
  ds::DecodedWave wave;
  EXPECT_FALSE(ds::TakePrefetchedWave(path, status, wave));

  // Played from its start, the buffer sounds the file's samples.
  ASSERT_EQ(buffer->Play(0), DS_OK);
  const std::vector<float> mix = device.Render(1500);
  const std::vector<float> expected = Signal(3000, 4);
  for (std::size_t k = ds::kRampFrames; k < 1500; k += 97) {
    SCOPED_TRACE(k);
    EXPECT_NEAR(mix[2 * k], expected[2 * k], 1e-6f);
    EXPECT_NEAR(mix[2 * k + 1], expected[2 * k + 1], 1e-6f);
  }
}

}  // namespace
}  // namespace dstest
