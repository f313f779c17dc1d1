// Hours of audio through a device on the in-memory output while random calls (Play, Stop,
// SetCurrentPosition, SetVolume, SetPan) arrive between blocks of random length. After every
// block the output must equal, sample for sample, what ReferenceMixer makes of the same calls;
// no sample may be NaN or denormal, and every buffer's position must be where the reference
// says, so a loop cannot drift.
//
// The calls are made between blocks, so both mixers see each one at the same block start and
// the comparison is exact around every call. In the threaded run the calls come from a second
// thread that is handed each turn at a block boundary.
#include <gtest/gtest.h>

#include <cmath>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <random>
#include <thread>

#include "tests/platform/directsound/ReferenceMixer.h"
#include "tests/platform/directsound/TestDevice.h"

namespace dstest {
namespace {

using ds::DS_OK;

struct Layer {
  std::shared_ptr<ds::DirectSoundBuffer> buffer;
  std::size_t reference;
  std::uint32_t frames;
  int channels;
  std::int32_t volume = 0;
  std::int32_t pan = 0;
};

class Session {
 public:
  explicit Session(std::uint32_t seed) : random_(seed) {
    // Lengths that share no factor with each other or with the block sizes.
    const std::pair<std::size_t, int> shapes[] = {{4999, 1}, {3001, 2}, {1777, 1}, {997, 2}};
    std::uint32_t signal = seed;
    for (const auto& [frames, channels] : shapes) {
      std::vector<float> samples = Signal(frames * channels, ++signal);
      Layer layer{device_.Load(samples, channels), reference_.Add(samples, channels),
                  static_cast<std::uint32_t>(frames), channels};
      layers_.push_back(std::move(layer));
    }
  }

  // One block of random length through both mixers; false on the first difference.
  bool RenderAndCompare() {
    const std::size_t frames = flurry_ > 0      ? Pick(1, 20)
                               : Pick(0, 4) == 0 ? Pick(1, 130)
                                                 : Pick(1, 8192);
    real_.resize(2 * frames);
    expected_.resize(2 * frames);
    device_.output().Render(real_.data(), frames);
    reference_.Mix(expected_.data(), frames);
    for (std::size_t i = 0; i < 2 * frames; ++i) {
      const bool nan = std::isnan(real_[i]);
      const bool denormal = std::fpclassify(real_[i]) == FP_SUBNORMAL;
      if (nan || denormal || real_[i] != expected_[i]) {
        ADD_FAILURE() << "frame " << rendered_ + i / 2 << (i % 2 == 0 ? " left" : " right")
                      << ": mixed " << real_[i] << ", rules give " << expected_[i]
                      << (nan ? " (NaN)" : "") << (denormal ? " (denormal)" : "");
        return false;
      }
    }
    rendered_ += frames;
    return PositionsAgree();
  }

  // A random batch of calls, each made on the device and told to the reference. Now and then
  // a burst on one buffer, so more fade-outs run at once than a buffer keeps.
  // Sometimes a flurry instead: tiny blocks, each followed by a seek on one playing buffer,
  // so more fade-outs overlap than a buffer keeps.
  void Calls() {
    const int any = static_cast<int>(layers_.size()) - 1;
    if (flurry_ > 0 || Pick(0, 300) == 0) {
      if (flurry_ == 0) {
        flurry_ = Pick(5, 9);
        flurryLayer_ = Pick(0, any);
      }
      --flurry_;
      Layer& layer = layers_[flurryLayer_];
      const std::uint32_t frame = static_cast<std::uint32_t>(Pick(0, static_cast<int>(layer.frames)));
      EXPECT_EQ(layer.buffer->SetCurrentPosition(static_cast<std::int32_t>(frame) * 4 * layer.channels), DS_OK);
      reference_.Seek(layer.reference, frame);
      EXPECT_EQ(layer.buffer->Play(ds::DSBPLAY_LOOPING), DS_OK);
      reference_.Play(layer.reference, true);
      return;
    }
    const bool burst = Pick(0, 9) == 0;
    const int only = Pick(0, any);
    for (int n = burst ? Pick(4, 12) : Pick(0, 3); n > 0; --n) {
      Layer& layer = layers_[burst ? only : Pick(0, any)];
      ds::DirectSoundBuffer& b = *layer.buffer;
      switch (Pick(0, 4)) {
        case 0: {
          const bool looping = Pick(0, 9) != 0;
          EXPECT_EQ(b.Play(looping ? ds::DSBPLAY_LOOPING : 0), DS_OK);
          reference_.Play(layer.reference, looping);
          break;
        }
        case 1:
          EXPECT_EQ(b.Stop(), DS_OK);
          reference_.Stop(layer.reference);
          break;
        case 2: {
          const std::int32_t align = 4 * layer.channels;
          const std::int32_t bytes = Pick(0, static_cast<int>(layer.frames) * align);
          EXPECT_EQ(b.SetCurrentPosition(bytes), DS_OK);
          reference_.Seek(layer.reference, static_cast<std::uint32_t>(bytes / align));
          break;
        }
        case 3:
          // Full level often, so the sum of the buffers reaches the clamp.
          layer.volume = Pick(0, 5) == 0 ? -10000 : Pick(0, 2) == 0 ? 0 : Pick(-4000, 0);
          EXPECT_EQ(b.SetVolume(layer.volume), DS_OK);
          reference_.SetLevels(layer.reference, layer.volume, layer.pan);
          break;
        case 4:
          layer.pan = Pick(0, 3) == 0 ? 0 : Pick(-10000, 10000);
          EXPECT_EQ(b.SetPan(layer.pan), DS_OK);
          reference_.SetLevels(layer.reference, layer.volume, layer.pan);
          break;
      }
    }
  }

  std::uint64_t rendered() const { return rendered_; }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  bool PositionsAgree() {
    for (const Layer& layer : layers_) {
      std::int32_t position = -1;
      std::int32_t status = -1;
      layer.buffer->GetCurrentPosition(position);
      layer.buffer->GetStatus(status);
      const auto expected =
          static_cast<std::int32_t>(reference_.Position(layer.reference) * 4 * layer.channels);
      const bool playing = (status & ds::DSBSTATUS_PLAYING) != 0;
      if (position != expected || playing != reference_.Playing(layer.reference)) {
        ADD_FAILURE() << "after frame " << rendered_ << ": position " << position << " playing "
                      << playing << ", rules give " << expected << " playing "
                      << reference_.Playing(layer.reference);
        return false;
      }
    }
    return true;
  }

  std::mt19937 random_;
  TestDevice device_;
  ReferenceMixer reference_;
  std::vector<Layer> layers_;
  std::vector<float> real_;
  std::vector<float> expected_;
  std::uint64_t rendered_ = 0;
  int flurry_ = 0;
  int flurryLayer_ = 0;
};

std::uint64_t FramesOf(double seconds) { return static_cast<std::uint64_t>(seconds * 44100); }

void RunAlternating(double seconds, std::uint32_t seed) {
  Session session(seed);
  while (session.rendered() < FramesOf(seconds)) {
    if (!session.RenderAndCompare()) return;
    session.Calls();
  }
  ::testing::Test::RecordProperty("frames", std::to_string(session.rendered()));
}

// The renderer and the caller take turns, handing over at each block boundary.
void RunHandedOver(double seconds, std::uint32_t seed) {
  Session session(seed);
  std::mutex mutex;
  std::condition_variable turn;
  bool callersTurn = false;
  bool done = false;
  std::thread caller([&] {
    std::unique_lock lock(mutex);
    while (true) {
      turn.wait(lock, [&] { return callersTurn || done; });
      if (done) return;
      session.Calls();
      callersTurn = false;
      turn.notify_all();
    }
  });
  {
    std::unique_lock lock(mutex);
    while (session.rendered() < FramesOf(seconds) && session.RenderAndCompare()) {
      callersTurn = true;
      turn.notify_all();
      turn.wait(lock, [&] { return !callersTurn; });
    }
    done = true;
    turn.notify_all();
  }
  caller.join();
}

TEST(MixerAgainstRules, MinutesOfRandomCallsMatchSampleForSample) { RunAlternating(240, 1); }

TEST(MixerAgainstRulesStress, CallsFromASecondThreadMatchSampleForSample) {
  RunHandedOver(120, 2);
}

// Only on request (ctest -L long): VELNORIA_RENDER_HOURS hours, 24 unless given.
TEST(MixerAgainstRulesLong, DISABLED_HoursOfRandomCallsMatchSampleForSample) {
  const char* hours = std::getenv("VELNORIA_RENDER_HOURS");
  RunAlternating(3600.0 * (hours != nullptr ? std::atof(hours) : 24.0), 3);
}

}  // namespace
}  // namespace dstest
