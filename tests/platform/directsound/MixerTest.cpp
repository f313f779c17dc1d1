// What a buffer sounds like through the mixer, checked sample by sample on a MemoryOutput.
#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <thread>

#include "tests/platform/directsound/TestDevice.h"

namespace dstest {
namespace {

using ds::DS_OK;
using ds::DSBPLAY_LOOPING;
using ds::DSERR_CONTROLUNAVAIL;
using ds::DSERR_INVALIDPARAM;
using ds::kRampFrames;

constexpr std::size_t kFrames = 4000;

float Left(const std::vector<float>& out, std::size_t frame) { return out[2 * frame]; }
float Right(const std::vector<float>& out, std::size_t frame) { return out[2 * frame + 1]; }

// Expects output frames [from, to) to be the mono `samples` read from `start` on (looping),
// at the given side gains, with `fade(k)` applied to output frame k.
template <typename Fade>
void ExpectMono(const std::vector<float>& out, const std::vector<float>& samples,
                std::size_t start, float gainLeft, float gainRight, std::size_t from,
                std::size_t to, Fade fade) {
  for (std::size_t k = from; k < to; ++k) {
    const float s = samples[(start + k) % samples.size()];
    ASSERT_EQ(Left(out, k), (s * gainLeft) * fade(k)) << "frame " << k;
    ASSERT_EQ(Right(out, k), (s * gainRight) * fade(k)) << "frame " << k;
  }
}
void ExpectMono(const std::vector<float>& out, const std::vector<float>& samples,
                std::size_t start, std::size_t from, std::size_t to) {
  ExpectMono(out, samples, start, 1.0f, 1.0f, from, to, FadeIn);
}

void ExpectSilent(const std::vector<float>& out, std::size_t from, std::size_t to) {
  for (std::size_t k = from; k < to; ++k) {
    ASSERT_EQ(Left(out, k), 0.0f) << "frame " << k;
    ASSERT_EQ(Right(out, k), 0.0f) << "frame " << k;
  }
}

std::int32_t Position(ds::DirectSoundBuffer& buffer) {
  std::int32_t position = -1;
  EXPECT_EQ(buffer.GetCurrentPosition(position), DS_OK);
  return position;
}

std::int32_t Status(ds::DirectSoundBuffer& buffer) {
  std::int32_t status = -1;
  EXPECT_EQ(buffer.GetStatus(status), DS_OK);
  return status;
}

class MixerTest : public ::testing::Test {
 protected:
  TestDevice device_;
  std::vector<float> mono_ = Signal(kFrames, 1);
};

TEST_F(MixerTest, NewBufferIsStoppedAtTheStartAtFullVolumeCentredAndSilent) {
  auto buffer = device_.Load(mono_, 1);
  std::int32_t volume = 1;
  std::int32_t pan = 1;
  EXPECT_EQ(buffer->GetVolume(volume), DS_OK);
  EXPECT_EQ(buffer->GetPan(pan), DS_OK);
  EXPECT_EQ(volume, 0);
  EXPECT_EQ(pan, 0);
  EXPECT_EQ(Position(*buffer), 0);
  EXPECT_EQ(Status(*buffer), 0);
  ExpectSilent(device_.Render(500), 0, 500);
}

TEST_F(MixerTest, PlayFadesInOverTheRampThenGivesTheSamplesExactly) {
  auto buffer = device_.Load(mono_, 1);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  EXPECT_EQ(Status(*buffer), ds::DSBSTATUS_PLAYING | ds::DSBSTATUS_LOOPING);
  const auto out = device_.Render(1000);
  ExpectMono(out, mono_, 0, 0, 1000);
  EXPECT_NE(Left(out, 0), mono_[0]);  // the first frame really is faded
  EXPECT_EQ(Left(out, kRampFrames - 1), mono_[kRampFrames - 1]);
  EXPECT_EQ(Position(*buffer), 1000 * 4);
}

// Mono and stereo buffers at a volume and pan: each side's gain, after the ramp, exactly.
struct LevelCase {
  const char* name;
  int channels;
  std::int32_t volume;
  std::int32_t pan;
  int leftDb;  // hundredths of a decibel each side ends up at
  int rightDb;
};
void PrintTo(const LevelCase& c, std::ostream* os) { *os << c.name; }

class LevelTest : public MixerTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(LevelTest, EachSideGetsItsGainExactly) {
  const LevelCase& c = GetParam();
  const std::vector<float> samples = Signal(kFrames * c.channels, 7);
  auto buffer = device_.Load(samples, c.channels);
  ASSERT_EQ(buffer->SetVolume(c.volume), DS_OK);
  ASSERT_EQ(buffer->SetPan(c.pan), DS_OK);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  const auto out = device_.Render(3000);
  const float gainLeft = ExpectedGain(c.leftDb);
  const float gainRight = ExpectedGain(c.rightDb);
  for (std::size_t k = kRampFrames - 1; k < 3000; ++k) {
    const float left = samples[k * c.channels];
    const float right = samples[k * c.channels + c.channels - 1];
    ASSERT_EQ(Left(out, k), left * gainLeft) << "frame " << k;
    ASSERT_EQ(Right(out, k), right * gainRight) << "frame " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Levels, LevelTest,
    ::testing::Values(
        LevelCase{"HardLeftSilencesRight", 1, 0, -10000, 0, -10000},
        LevelCase{"HardRightSilencesLeft", 1, 0, 10000, -10000, 0},
        LevelCase{"VolumeMinus600", 1, -600, 0, -600, -600},
        LevelCase{"PanMinus2173CutsRightOnly", 1, 0, -2173, 0, -2173},
        LevelCase{"PanAddsToVolume", 1, -1000, 3000, -4000, -1000},
        LevelCase{"PastMinimumIsSilence", 1, -5000, -6000, -5000, -10000},
        LevelCase{"MinimumVolumeIsSilence", 1, -10000, 0, -10000, -10000},
        LevelCase{"StereoStaysOnItsSides", 2, 0, 0, 0, 0},
        LevelCase{"StereoPannedAsBalance", 2, -300, 5000, -5300, -300},
        LevelCase{"StereoHardLeft", 2, 0, -10000, 0, -10000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GainRule, HundredthsOfADecibelGiveThePowerOfTen) {
  EXPECT_FLOAT_EQ(ExpectedGain(-600), 0.5011872f);  // 10^(-0.3)
  EXPECT_FLOAT_EQ(ds::GainFromHundredthsDb(-600), 0.5011872f);
  EXPECT_FLOAT_EQ(ds::GainFromHundredthsDb(-2173), 0.08194076f);  // 21.73 dB down
  EXPECT_EQ(ds::GainFromHundredthsDb(0), 1.0f);
  EXPECT_EQ(ds::GainFromHundredthsDb(-10000), 0.0f);
}

// The seam of a loop, over many loops and with blocks of every shape: the file's samples
// repeated, no gap and no repeated sample.
class LoopSeamTest : public MixerTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(LoopSeamTest, LoopRepeatsTheSamplesExactly) {
  const std::vector<float> samples = Signal(997, 3);
  auto buffer = device_.Load(samples, 1);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  const std::size_t total = 997 * 23 + 5;
  std::vector<float> out;
  while (out.size() < 2 * total) {
    const auto block = device_.Render(GetParam());
    out.insert(out.end(), block.begin(), block.end());
  }
  ExpectMono(out, samples, 0, kRampFrames - 1, total);
}

INSTANTIATE_TEST_SUITE_P(BlockSizes, LoopSeamTest, ::testing::Values(1, 64, 333, 997, 2048, 9000));

TEST_F(MixerTest, StopKeepsThePositionAndPlayResumesThere) {
  auto buffer = device_.Load(mono_, 1);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  device_.Render(1000);
  ASSERT_EQ(buffer->Stop(), DS_OK);
  EXPECT_EQ(Status(*buffer), 0);
  EXPECT_EQ(Position(*buffer), 1000 * 4);

  const auto tail = device_.Render(300);
  ExpectMono(tail, mono_, 1000, 1.0f, 1.0f, 0, 300, FadeOut);
  EXPECT_EQ(Position(*buffer), 1000 * 4);  // the tail read ahead; the position did not move

  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  ExpectMono(device_.Render(600), mono_, 1000, 0, 600);
}

TEST_F(MixerTest, RewindThenPlayStartsAtTheFirstSample) {
  auto buffer = device_.Load(mono_, 1);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  device_.Render(700);
  ASSERT_EQ(buffer->Stop(), DS_OK);
  ASSERT_EQ(buffer->SetCurrentPosition(0), DS_OK);
  EXPECT_EQ(Position(*buffer), 0);
  device_.Render(300);
  EXPECT_EQ(Position(*buffer), 0);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  ExpectMono(device_.Render(500), mono_, 0, 0, 500);
}

TEST_F(MixerTest, SeekMovesAPlayingBufferAtOnceRoundedDownToAFrame) {
  auto buffer = device_.Load(mono_, 1);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  device_.Render(500);
  ASSERT_EQ(buffer->SetCurrentPosition(3000 * 4 + 3), DS_OK);
  EXPECT_EQ(Position(*buffer), 3000 * 4);
  const auto out = device_.Render(400);
  for (std::size_t k = 0; k + 1 < kRampFrames; ++k) {  // old place fades out, new fades in
    const float expected = mono_[3000 + k] * FadeIn(k) + mono_[500 + k] * FadeOut(k);
    ASSERT_NEAR(Left(out, k), expected, 1e-6f) << "frame " << k;
  }
  ExpectMono(out, mono_, 3000, kRampFrames - 1, 400);
  EXPECT_EQ(Position(*buffer), 3400 * 4);
}

TEST_F(MixerTest, PlayOnAPlayingBufferGoesOn) {
  auto buffer = device_.Load(mono_, 1);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  device_.Render(500);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  ExpectMono(device_.Render(300), mono_, 500, 1.0f, 1.0f, 0, 300, [](std::size_t) { return 1.0f; });
}

TEST_F(MixerTest, OneShotPlaysToTheEndStopsThereAndPlaysAgainFromTheStart) {
  const std::vector<float> samples = Signal(600, 5);
  auto buffer = device_.Load(samples, 1);
  ASSERT_EQ(buffer->Play(0), DS_OK);
  EXPECT_EQ(Status(*buffer), ds::DSBSTATUS_PLAYING);
  const auto out = device_.Render(1000);
  ExpectMono(out, samples, 0, 0, 600);
  ExpectSilent(out, 600, 1000);
  EXPECT_EQ(Status(*buffer), 0);
  EXPECT_EQ(Position(*buffer), 600 * 4);
  ASSERT_EQ(buffer->Play(0), DS_OK);
  ExpectMono(device_.Render(600), samples, 0, 0, 600);
}

TEST_F(MixerTest, VolumeChangeOnAPlayingBufferRampsToTheNewGain) {
  auto buffer = device_.Load(mono_, 1);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  device_.Render(300);
  ASSERT_EQ(buffer->SetVolume(-600), DS_OK);
  const auto out = device_.Render(400);
  const float gain = ExpectedGain(-600);
  for (std::size_t k = 0; k + 1 < kRampFrames; ++k) {
    const float ramped = 1.0f + (gain - 1.0f) * FadeIn(k);
    ASSERT_NEAR(Left(out, k), mono_[300 + k] * ramped, 1e-6f) << "frame " << k;
  }
  EXPECT_GT(std::abs(Left(out, 10)), std::abs(mono_[310] * gain));  // still on its way down
  ExpectMono(out, mono_, 300, gain, gain, kRampFrames - 1, 400, [](std::size_t) { return 1.0f; });
}

TEST_F(MixerTest, StoppedBufferKeepsLevelsAndPlaysAtThemWithoutAGainRamp) {
  auto buffer = device_.Load(mono_, 1);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  device_.Render(300);
  ASSERT_EQ(buffer->Stop(), DS_OK);
  device_.Render(300);
  ASSERT_EQ(buffer->SetVolume(-1200), DS_OK);
  ASSERT_EQ(buffer->SetPan(-2173), DS_OK);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  ExpectMono(device_.Render(500), mono_, 300, ExpectedGain(-1200), ExpectedGain(-1200 - 2173), 0,
             500, FadeIn);
}

// Out-of-range requests are refused and leave everything as it was, audibly too.
struct RefusedCase {
  const char* name;
  ds::HRESULT (*call)(ds::DirectSoundBuffer&);
};
void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class RefusedTest : public MixerTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedTest, IsInvalidAndChangesNothing) {
  auto buffer = device_.Load(mono_, 1);
  ASSERT_EQ(buffer->SetVolume(-1200), DS_OK);
  ASSERT_EQ(buffer->SetPan(700), DS_OK);
  ASSERT_EQ(buffer->SetCurrentPosition(1000 * 4), DS_OK);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  device_.Render(500);

  EXPECT_EQ(GetParam().call(*buffer), DSERR_INVALIDPARAM);
  std::int32_t volume = 0;
  std::int32_t pan = 0;
  EXPECT_EQ(buffer->GetVolume(volume), DS_OK);
  EXPECT_EQ(buffer->GetPan(pan), DS_OK);
  EXPECT_EQ(volume, -1200);
  EXPECT_EQ(pan, 700);
  EXPECT_EQ(Position(*buffer), 1500 * 4);
  ExpectMono(device_.Render(500), mono_, 1500, ExpectedGain(-1900), ExpectedGain(-1200), 0, 500,
             [](std::size_t) { return 1.0f; });
}

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, RefusedTest,
    ::testing::Values(
        RefusedCase{"VolumeAboveZero", [](ds::DirectSoundBuffer& b) { return b.SetVolume(1); }},
        RefusedCase{"VolumeBelowMinimum",
                    [](ds::DirectSoundBuffer& b) { return b.SetVolume(-10001); }},
        RefusedCase{"PanPastLeft", [](ds::DirectSoundBuffer& b) { return b.SetPan(-10001); }},
        RefusedCase{"PanPastRight", [](ds::DirectSoundBuffer& b) { return b.SetPan(10001); }},
        RefusedCase{"NegativePosition",
                    [](ds::DirectSoundBuffer& b) { return b.SetCurrentPosition(-4); }},
        RefusedCase{"PositionPastTheEnd",
                    [](ds::DirectSoundBuffer& b) {
                      return b.SetCurrentPosition(static_cast<std::int32_t>(kFrames * 4 + 1));
                    }},
        RefusedCase{"HugePosition",
                    [](ds::DirectSoundBuffer& b) {
                      return b.SetCurrentPosition(std::numeric_limits<std::int32_t>::max());
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MixerTest, PositionAtTheEndIsAcceptedAndPlaysFromTheStart) {
  auto buffer = device_.Load(mono_, 1);
  ASSERT_EQ(buffer->SetCurrentPosition(static_cast<std::int32_t>(kFrames * 4)), DS_OK);
  EXPECT_EQ(Position(*buffer), static_cast<std::int32_t>(kFrames * 4));
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  ExpectMono(device_.Render(300), mono_, 0, 0, 300);
}

// A buffer made without a control refuses it and keeps its level.
struct ControlsCase {
  const char* name;
  std::uint32_t flags;
  bool volume;
  bool pan;
};
void PrintTo(const ControlsCase& c, std::ostream* os) { *os << c.name; }

class ControlsTest : public MixerTest, public ::testing::WithParamInterface<ControlsCase> {};

TEST_P(ControlsTest, MissingControlIsUnavailable) {
  const ControlsCase& c = GetParam();
  auto buffer = device_.Load(mono_, 1, c.flags);
  std::int32_t value = 0;
  const ds::HRESULT volumeStatus = c.volume ? DS_OK : DSERR_CONTROLUNAVAIL;
  const ds::HRESULT panStatus = c.pan ? DS_OK : DSERR_CONTROLUNAVAIL;
  EXPECT_EQ(buffer->SetVolume(-3000), volumeStatus);
  EXPECT_EQ(buffer->GetVolume(value), volumeStatus);
  EXPECT_EQ(buffer->SetPan(-10000), panStatus);
  EXPECT_EQ(buffer->GetPan(value), panStatus);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  const float volumeGain = c.volume ? ExpectedGain(-3000) : 1.0f;
  ExpectMono(device_.Render(400), mono_, 0, volumeGain, c.pan ? 0.0f : volumeGain, 0, 400, FadeIn);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, ControlsTest,
    ::testing::Values(ControlsCase{"None", ds::DSBCAPS_STATIC, false, false},
                      ControlsCase{"VolumeOnly", ds::DSBCAPS_CTRLVOLUME, true, false},
                      ControlsCase{"PanOnly", ds::DSBCAPS_CTRLPAN, false, true},
                      ControlsCase{"All", kAllControls, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MixerTest, LayersAddUpAndTheSumIsClamped) {
  auto a = device_.Load(std::vector<float>(1000, 0.75f), 1);
  auto b = device_.Load(std::vector<float>(1000, 0.5f), 1);
  auto rightOnly = device_.Load(std::vector<float>(1000, -0.9f), 1);
  ASSERT_EQ(rightOnly->SetPan(10000), DS_OK);
  for (auto* buffer : {a.get(), b.get(), rightOnly.get()}) {
    ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  }
  auto out = device_.Render(500);
  for (std::size_t k = kRampFrames; k < 500; ++k) {
    ASSERT_EQ(Left(out, k), 1.0f) << k;  // 0.75 + 0.5, clamped
    ASSERT_FLOAT_EQ(Right(out, k), 0.35f) << k;
  }
  auto alsoRight = device_.Load(std::vector<float>(1000, -0.9f), 1);
  ASSERT_EQ(alsoRight->SetPan(10000), DS_OK);
  ASSERT_EQ(a->Stop(), DS_OK);
  ASSERT_EQ(b->Stop(), DS_OK);
  ASSERT_EQ(alsoRight->Play(DSBPLAY_LOOPING), DS_OK);
  out = device_.Render(500);
  for (std::size_t k = kRampFrames; k < 500; ++k) {
    ASSERT_EQ(Left(out, k), 0.0f) << k;
    ASSERT_EQ(Right(out, k), -1.0f) << k;  // -0.9 - 0.9, clamped
  }
}

TEST_F(MixerTest, ReleasedBufferLeavesTheMix) {
  auto kept = device_.Load(mono_, 1);
  auto released = device_.Load(Signal(kFrames, 9), 1);
  ASSERT_EQ(kept->Play(DSBPLAY_LOOPING), DS_OK);
  ASSERT_EQ(released->Play(DSBPLAY_LOOPING), DS_OK);
  device_.Render(200);
  released.reset();
  ExpectMono(device_.Render(300), mono_, 200, 1.0f, 1.0f, 0, 300, [](std::size_t) { return 1.0f; });
}

TEST_F(MixerTest, OutputPausesWhenAllIsSilentAndPlayResumesIt) {
  auto buffer = device_.Load(mono_, 1);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  EXPECT_TRUE(device_.output().Running());
  device_.Render(300);
  ASSERT_EQ(buffer->Stop(), DS_OK);
  device_.Render(300);  // the fade-out tail ends inside this block
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (device_.output().Running() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_FALSE(device_.output().Running());
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  EXPECT_TRUE(device_.output().Running());
  ExpectMono(device_.Render(300), mono_, 300, 0, 300);
}

TEST_F(MixerTest, PlayingOutputIsNotPaused) {
  auto buffer = device_.Load(mono_, 1);
  ASSERT_EQ(buffer->Play(DSBPLAY_LOOPING), DS_OK);
  for (int i = 0; i < 40; ++i) {  // well past several silence checks
    device_.Render(64);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(device_.output().Running());
}

}  // namespace
}  // namespace dstest
