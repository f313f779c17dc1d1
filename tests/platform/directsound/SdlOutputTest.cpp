// The SDL output on a real SDL driver. Each suite runs in its own process with the
// environment its ctest entry gives it.
#include <gtest/gtest.h>
#include <sched.h>
#include <sndfile.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "platform/directsound/DirectSound.h"
#include "platform/directsound/SdlOutput.h"
#include "tests/platform/directsound/TestDevice.h"
#include "tests/platform/directsound/WavFixtures.h"

namespace dstest {
namespace {

using namespace std::chrono_literals;

// SDL_AUDIODRIVER=dummy: SDL's own timer-driven driver, asked for by name.
TEST(SdlDummyDriver, CallbackPlaysTheBufferAndStopsCostingWhenIdle) {
  auto root = ds::MakeDirectX7();
  std::shared_ptr<ds::DirectSound> device;
  ASSERT_EQ(root->DirectSoundCreate("", device), ds::DS_OK);
  ASSERT_TRUE(device);
  TempDir dir;
  WriteWav(dir.File("tester1.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 44100,
           std::vector<short>(44100, 1000));
  ds::DSBUFFERDESC desc;
  desc.dwFlags = 0xE2;
  ds::WAVEFORMATEX format;
  std::shared_ptr<ds::DirectSoundBuffer> buffer;
  ASSERT_EQ(device->CreateSoundBufferFromFile(dir.File("tester1.wav"), desc, format, buffer),
            ds::DS_OK);

  ASSERT_EQ(buffer->Play(ds::DSBPLAY_LOOPING), ds::DS_OK);
  std::int32_t position = 0;
  EXPECT_TRUE(Eventually([&] {
    buffer->GetCurrentPosition(position);
    return position > 4 * 2048;
  })) << "the callback never moved the play position";

  ASSERT_EQ(buffer->Stop(), ds::DS_OK);
  std::int32_t kept = -1;
  EXPECT_TRUE(Eventually([&] {  // a block in flight may still move it once
    buffer->GetCurrentPosition(position);
    std::this_thread::sleep_for(150ms);
    buffer->GetCurrentPosition(kept);
    return kept == position;
  }));
  std::this_thread::sleep_for(300ms);
  buffer->GetCurrentPosition(position);
  EXPECT_EQ(position, kept) << "a stopped buffer moved";

  ASSERT_EQ(buffer->SetCurrentPosition(0), ds::DS_OK);
  buffer->GetCurrentPosition(position);
  EXPECT_EQ(position, 0);
}

// The output on its own: the callback runs only between Resume and Pause, also after a
// paused output was released and reopened.
TEST(SdlDummyDriver, CallbackRunsOnlyWhileResumed) {
  std::atomic<std::size_t> frames{0};
  ds::SdlOutput output;
  auto count = [](void* counter, float* out, std::size_t n) {
    std::fill(out, out + 2 * n, 0.0f);
    *static_cast<std::atomic<std::size_t>*>(counter) += n;
  };
  ASSERT_EQ(output.Open(count, &frames), ds::DS_OK);
  EXPECT_FALSE(output.Running());
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(frames, 0u) << "called while never resumed";
  for (bool release : {false, true, false}) {
    output.Resume();
    EXPECT_TRUE(output.Running());
    const std::size_t before = frames;
    EXPECT_TRUE(Eventually([&] { return frames > before + 2 * ds::kSdlBufferFrames; }));
    output.Pause();
    EXPECT_FALSE(output.Running());
    const std::size_t paused = frames;
    if (release) output.Release();
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(frames, paused) << "called after Pause returned";
  }
}

// The thread SDL calls back on is on real-time scheduling wherever the process may use it: on
// the first Resume right after opening (when SDL's thread has only just started) and on a
// device reopened after a release (a new thread).
TEST(SdlDummyDriver, CallbackThreadRunsOnRealtimeSchedulingWhereAllowed) {
  bool allowed = false;
  std::thread([&] {
    sched_param parameter{};
    parameter.sched_priority = 1;
    allowed = sched_setscheduler(0, SCHED_RR, &parameter) == 0;
  }).join();
  if (!allowed) GTEST_SKIP() << "this process may not use real-time scheduling";

  std::atomic<int> policy{-1};
  auto note = [](void* seen, float* out, std::size_t n) {
    std::fill(out, out + 2 * n, 0.0f);
    static_cast<std::atomic<int>*>(seen)->store(sched_getscheduler(0) & ~SCHED_RESET_ON_FORK);
  };
  ds::SdlOutput output;
  ASSERT_EQ(output.Open(note, &policy), ds::DS_OK);
  for (const char* when : {"just after opening", "after a release"}) {
    policy = -1;
    output.Resume();
    EXPECT_TRUE(Eventually([&] { return policy != -1; })) << when;
    EXPECT_EQ(policy, SCHED_RR) << when;
    output.Pause();
    output.Release();
  }
}

// No server, no card, no driver named: no silent fallback to a driver that plays nowhere.
TEST(SdlNoServer, DirectSoundCreateFailsAndGivesNoDevice) {
  auto root = ds::MakeDirectX7();
  std::shared_ptr<ds::DirectSound> device;
  EXPECT_EQ(root->DirectSoundCreate("", device), ds::DSERR_NODRIVER);
  EXPECT_FALSE(device);
  EXPECT_EQ(root->DirectSoundCreate("", device), ds::DSERR_NODRIVER);  // and again, cleanly
  EXPECT_FALSE(device);
}

// A connection started ahead, in a process that has not started SDL's audio yet (a ctest entry
// of its own): devices open on it while it may still be under way, one after another.
TEST(SdlAheadDummyDriver, DevicesOpenOnTheConnectionStartedAhead) {
  ds::StartSoundServerConnection();
  auto root = ds::MakeDirectX7();
  for (int i = 0; i < 2; ++i) {
    std::shared_ptr<ds::DirectSound> device;
    EXPECT_EQ(root->DirectSoundCreate("", device), ds::DS_OK) << i;
    EXPECT_TRUE(device) << i;
    ds::StartSoundServerConnection();
  }
}

// With no server, the attempt ahead fails, and so does the device after it, as without it.
TEST(SdlAheadNoServer, DirectSoundCreateStillFailsAndGivesNoDevice) {
  ds::StartSoundServerConnection();
  auto root = ds::MakeDirectX7();
  std::shared_ptr<ds::DirectSound> device;
  EXPECT_EQ(root->DirectSoundCreate("", device), ds::DSERR_NODRIVER);
  EXPECT_FALSE(device);
}

}  // namespace
}  // namespace dstest
