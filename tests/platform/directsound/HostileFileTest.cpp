// Layer files in folders users make and files that change under the reader: a file in any
// folder the system can name loads, one it cannot name fails cleanly, and a file rewritten
// while it is read gives a buffer or a failing status, never a crash.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <unistd.h>

#include <atomic>
#include <random>
#include <thread>

#include "tests/platform/directsound/HostilePaths.h"
#include "tests/platform/directsound/TestDevice.h"

namespace dstest {
namespace {

class HostileFolderTest : public ::testing::TestWithParam<HostileFolder> {
 protected:
  TestDevice device_;
  TempDir base_;
};

TEST_P(HostileFolderTest, ALayerFileThereLoadsWithItsSound) {
  const std::string path = GetParam().make(base_) + "/tester1.wav";
  ASSERT_LT(path.size(), kPathMax);
  const std::vector<float> sound = Signal(500, 7);
  // libsndfile names no file past 1 KiB, so the bytes are written there by hand.
  const std::string shortPath = device_.dir().File("sound.wav");
  WriteWav(shortPath, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1, 44100, sound);
  WriteBytes(path, ReadBytes(shortPath));
  std::shared_ptr<ds::DirectSoundBuffer> buffer;
  ASSERT_EQ(device_.LoadFile(path, buffer), ds::DS_OK);
  ASSERT_TRUE(buffer);
  ASSERT_EQ(buffer->Play(ds::DSBPLAY_LOOPING), ds::DS_OK);
  const auto out = device_.Render(600);
  for (std::size_t k = ds::kRampFrames; k < 500; ++k) ASSERT_EQ(out[2 * k], sound[k]) << k;
}

INSTANTIATE_TEST_SUITE_P(Folders, HostileFolderTest, ::testing::ValuesIn(HostileFolders()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HostilePathTest, APathLongerThanTheSystemTakesFailsAsUnreadable) {
  TestDevice device;
  TempDir base;
  const std::string folder = NestedFolderOfLength(base, kPathMax - 8);
  const std::string path = folder + "/tester1.wav";
  ASSERT_GE(path.size(), kPathMax);
  std::shared_ptr<ds::DirectSoundBuffer> buffer;
  EXPECT_EQ(device.LoadFile(path, buffer), ds::DSERR_GENERIC);
  EXPECT_FALSE(buffer);
}

// One thread rewrites the file over and over, whole or cut short or as noise, while the
// device loads it: each load is either a whole buffer or a refusal.
TEST(ChangingFileTest, EveryLoadGivesABufferOrAFailingStatus) {
  TestDevice device;
  const std::string path = device.dir().File("tester1.wav");
  const std::string whole = device.dir().File("whole.wav");
  WriteWav(whole, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 22050, std::vector<short>(8000, 1200));
  const std::vector<std::byte> valid = ReadBytes(whole);
  WriteBytes(path, valid);

  std::atomic<bool> stop{false};
  std::thread writer([&] {
    std::mt19937 random(99);
    while (!stop) {
      std::vector<std::byte> bytes = valid;
      switch (random() % 3) {
        case 0: break;
        case 1: bytes.resize(random() % bytes.size()); break;
        case 2:
          for (std::size_t i = random() % bytes.size(); i < bytes.size(); i += 13) {
            bytes[i] = static_cast<std::byte>(random());
          }
          break;
      }
      WriteBytes(path, bytes);
    }
  });
  int loaded = 0;
  for (int i = 0; i < 300; ++i) {
    std::shared_ptr<ds::DirectSoundBuffer> buffer;
    ds::DSBUFFERDESC desc;
    desc.dwFlags = kAllControls;
    ds::WAVEFORMATEX format;
    const ds::HRESULT status = device.device().CreateSoundBufferFromFile(path, desc, format, buffer);
    if (ds::Failed(status)) {
      EXPECT_FALSE(buffer);
      continue;
    }
    ++loaded;
    ASSERT_TRUE(buffer);
    EXPECT_GT(desc.dwBufferBytes, 0u);
    EXPECT_EQ(desc.dwBufferBytes % format.nBlockAlign, 0u);
    EXPECT_EQ(format.nSamplesPerSec, 44100u);
  }
  stop = true;
  writer.join();
  RecordProperty("loaded", loaded);
}

}  // namespace
}  // namespace dstest
