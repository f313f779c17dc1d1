// Making a device: only the default one, only on an output that opens.
#include <gtest/gtest.h>

#include "tests/platform/directsound/TestDevice.h"

namespace dstest {
namespace {

using ds::DS_OK;

// An output that never opens, as when there is no sound server and no card.
class NoSoundCard final : public ds::AudioOutput {
 public:
  explicit NoSoundCard(int& opens) : opens_(opens) {}
  ds::HRESULT Open(RenderFn, void*) override {
    ++opens_;
    return ds::DSERR_NODRIVER;
  }
  void Resume() override { ADD_FAILURE() << "resumed an output that never opened"; }
  void Pause() override {}
  bool Running() const override { return false; }

 private:
  int& opens_;
};

TEST(DeviceTest, NoOutputMeansNoDevice) {
  int opens = 0;
  auto root = ds::MakeDirectX7([&opens] { return std::make_unique<NoSoundCard>(opens); });
  std::shared_ptr<ds::DirectSound> device;
  EXPECT_EQ(root->DirectSoundCreate("", device), ds::DSERR_NODRIVER);
  EXPECT_FALSE(device);
  EXPECT_EQ(opens, 1);
}

TEST(DeviceTest, FactoryGivingNothingMeansNoDevice) {
  auto root = ds::MakeDirectX7([] { return std::unique_ptr<ds::AudioOutput>(); });
  std::shared_ptr<ds::DirectSound> device;
  EXPECT_TRUE(ds::Failed(root->DirectSoundCreate("", device)));
  EXPECT_FALSE(device);
}

TEST(DeviceTest, OnlyTheDefaultDeviceExists) {
  int made = 0;
  auto root = ds::MakeDirectX7([&made] {
    ++made;
    return std::make_unique<ds::MemoryOutput>();
  });
  std::shared_ptr<ds::DirectSound> device;
  EXPECT_EQ(root->DirectSoundCreate("{00000000-0000-0000-0000-000000000001}", device),
            ds::DSERR_INVALIDPARAM);
  EXPECT_FALSE(device);
  EXPECT_EQ(made, 0);
  EXPECT_EQ(root->DirectSoundCreate("", device), DS_OK);
  EXPECT_TRUE(device);
  EXPECT_EQ(made, 1);
}

class CooperativeLevelTest : public ::testing::TestWithParam<std::pair<std::int32_t, ds::HRESULT>> {};

TEST_P(CooperativeLevelTest, NormalAndPriorityAreTheLevelsTaken) {
  TestDevice device;
  EXPECT_EQ(device.device().SetCooperativeLevel(0x1234, GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Levels, CooperativeLevelTest,
                         ::testing::Values(std::pair{ds::DSSCL_NORMAL, DS_OK},
                                           std::pair{ds::DSSCL_PRIORITY, DS_OK},
                                           std::pair{0, ds::DSERR_INVALIDPARAM},
                                           std::pair{3, ds::DSERR_INVALIDPARAM},
                                           std::pair{-1, ds::DSERR_INVALIDPARAM}));

TEST(DeviceTest, BuffersOutliveTheDeviceThatMadeThem) {
  auto device = std::make_unique<TestDevice>();
  auto buffer = device->Load(std::vector<float>(500, 0.25f), 1);
  ds::MemoryOutput& output = device->output();
  device.reset();  // root, device and folder gone; the buffer keeps the output and mixer
  ASSERT_EQ(buffer->Play(ds::DSBPLAY_LOOPING), DS_OK);
  const auto out = output.Render(300);
  EXPECT_EQ(out[2 * 200], 0.25f);
  EXPECT_EQ(out[2 * 200 + 1], 0.25f);
}

}  // namespace
}  // namespace dstest
