// An output whose device went away (the sound server died), or that was released after a
// long pause: the next Play hands the reopen to the device's own thread and returns at once,
// and playing resumes once the output opens again.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "tests/platform/directsound/TestDevice.h"

namespace dstest {
namespace {

using namespace std::chrono_literals;

// A stand-in for a sound server that can vanish and come back; its Release can be held up
// the way closing a device on a dead connection can.
struct Server {
  std::atomic<bool> deviceLost{false};
  std::atomic<bool> up{true};
  std::atomic<int> releases{0};
  std::atomic<int> resumes{0};
  std::thread::id releaseThread;
  std::thread::id lastResumeThread;
  ds::AudioOutput::RenderFn render = nullptr;
  void* renderContext = nullptr;
  std::mutex mutex;
  std::condition_variable changed;
  bool holdRelease = false;

  void Hold(bool hold) {
    {
      std::lock_guard lock(mutex);
      holdRelease = hold;
    }
    changed.notify_all();
  }
};

class VanishingOutput final : public ds::AudioOutput {
 public:
  explicit VanishingOutput(Server& server) : server_(server) {}
  ds::HRESULT Open(RenderFn render, void* context) override {
    server_.render = render;
    server_.renderContext = context;
    return ds::DS_OK;
  }
  void Resume() override {
    std::lock_guard lock(server_.mutex);
    server_.lastResumeThread = std::this_thread::get_id();
    ++server_.resumes;
    if (!server_.up) return;
    closed_ = false;
    running_ = true;
  }
  void Pause() override { running_ = false; }
  bool Running() const override { return running_; }
  void Release() override {
    std::unique_lock lock(server_.mutex);
    server_.releaseThread = std::this_thread::get_id();
    server_.changed.wait(lock, [this] { return !server_.holdRelease; });
    ++server_.releases;
    running_ = false;
    closed_ = true;
    server_.deviceLost = false;
  }
  bool Lost() const override { return !closed_ && server_.deviceLost; }

 private:
  Server& server_;
  std::atomic<bool> running_{false};
  std::atomic<bool> closed_{false};
};

class LostOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto root = ds::MakeDirectX7([this] { return std::make_unique<VanishingOutput>(server_); });
    ASSERT_EQ(root->DirectSoundCreate("", device_), ds::DS_OK);
    WriteWav(dir_.File("tester1.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 44100,
             std::vector<short>(4410, 1000));
    ds::DSBUFFERDESC desc;
    desc.dwFlags = kAllControls;
    ds::WAVEFORMATEX format;
    ASSERT_EQ(device_->CreateSoundBufferFromFile(dir_.File("tester1.wav"), desc, format, buffer_),
              ds::DS_OK);
    ASSERT_EQ(buffer_->Play(ds::DSBPLAY_LOOPING), ds::DS_OK);
    ASSERT_EQ(server_.resumes, 1);
  }
  void TearDown() override { server_.Hold(false); }

  // Play from another thread, as the window would; false if it did not return.
  bool PlayReturns() {
    auto play = std::async(std::launch::async, [this] { return buffer_->Play(ds::DSBPLAY_LOOPING); });
    return play.wait_for(20s) == std::future_status::ready && play.get() == ds::DS_OK;
  }

  Server server_;
  TempDir dir_;
  std::shared_ptr<ds::DirectSound> device_;
  std::shared_ptr<ds::DirectSoundBuffer> buffer_;
};

TEST_F(LostOutputTest, PlayHandsTheReopenToTheDeviceThreadAndDoesNotWaitForIt) {
  server_.deviceLost = true;
  server_.Hold(true);
  ASSERT_TRUE(PlayReturns()) << "Play waited for the lost output to be closed";
  EXPECT_TRUE(Eventually([this] {
    std::lock_guard lock(server_.mutex);
    return server_.releaseThread != std::thread::id{};
  })) << "the lost output was never closed";
  EXPECT_NE(server_.releaseThread, std::this_thread::get_id());
  EXPECT_EQ(server_.resumes, 1) << "resumed before the lost output was closed";

  server_.Hold(false);
  ASSERT_TRUE(Eventually([this] { return server_.resumes == 2; })) << "never reopened";
  EXPECT_EQ(server_.releases, 1);
  std::lock_guard lock(server_.mutex);
  EXPECT_NE(server_.lastResumeThread, std::this_thread::get_id());
}

// A fresh stream is rendered ahead at once: were the released output reopened inside the
// first Play, the second Play of the same click could land a block later.
TEST_F(LostOutputTest, AReleasedOutputIsReopenedByTheDeviceThreadNotByPlay) {
  ASSERT_EQ(buffer_->Stop(), ds::DS_OK);
  std::vector<float> block(2 * 512);
  ASSERT_TRUE(Eventually([&] {
    server_.render(server_.renderContext, block.data(), 512);  // as the output would while paused
    std::this_thread::sleep_for(5ms);
    return server_.releases == 1;
  })) << "the silent output was never released";
  ASSERT_EQ(server_.resumes, 1);

  std::thread::id player;
  auto play = std::async(std::launch::async, [&] {
    player = std::this_thread::get_id();
    return buffer_->Play(ds::DSBPLAY_LOOPING);
  });
  ASSERT_EQ(play.wait_for(20s), std::future_status::ready);
  ASSERT_EQ(play.get(), ds::DS_OK);
  ASSERT_TRUE(Eventually([this] { return server_.resumes == 2; })) << "never reopened";
  std::lock_guard lock(server_.mutex);
  EXPECT_NE(server_.lastResumeThread, player);
}

TEST_F(LostOutputTest, WhileTheServerIsDownEachPlayTriesAgainUntilItIsBack) {
  server_.up = false;
  server_.deviceLost = true;
  ASSERT_TRUE(PlayReturns());
  ASSERT_TRUE(Eventually([this] { return server_.resumes == 2; }));
  EXPECT_EQ(server_.releases, 1);

  ASSERT_TRUE(PlayReturns());  // still down: another try, which fails too
  ASSERT_TRUE(Eventually([this] { return server_.resumes == 3; }));

  server_.up = true;
  ASSERT_TRUE(PlayReturns());
  ASSERT_TRUE(Eventually([this] { return server_.resumes == 4; }));
  EXPECT_EQ(server_.releases, 1) << "a closed output was closed again on the way back";
}

}  // namespace
}  // namespace dstest
