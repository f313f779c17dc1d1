// The four layer files the build writes beside the program: their format, the two beat
// carriers 7.83 Hz apart, and quiet, seamless mask and music loops.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "tests/tools/LayerFile.h"

namespace {

using tools_test::LayerFile;
using tools_test::ReadLayerFile;

class LayerFormat : public testing::TestWithParam<std::string> {};

TEST_P(LayerFormat, IsMono44100Hz16BitPcmWave) {
  const LayerFile layer = ReadLayerFile(GetParam());
  ASSERT_TRUE(layer.opened) << GetParam();
  EXPECT_EQ(layer.info.samplerate, 44100);
  EXPECT_EQ(layer.info.channels, 1);
  EXPECT_EQ(layer.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
  EXPECT_GT(layer.info.frames, 44100);
}

INSTANTIATE_TEST_SUITE_P(AllLayers, LayerFormat,
                         testing::Values("tester1.wav", "tester2.wav", "tester3.wav", "ms1.wav"),
                         [](const auto& info) {
                           return info.param.substr(0, info.param.find('.'));
                         });

struct Carrier {
  std::string file;
  double hz;
};

void PrintTo(const Carrier& c, std::ostream* os) { *os << c.file; }

class BeatCarrier : public testing::TestWithParam<Carrier> {
 protected:
  const LayerFile layer_ = ReadLayerFile(GetParam().file);
  const double hz_ = GetParam().hz;
};

TEST_P(BeatCarrier, LoopsExactly490000Samples) {
  ASSERT_TRUE(layer_.opened);
  EXPECT_EQ(layer_.samples.size(), 490000u);
}

TEST_P(BeatCarrier, StrongestFrequencyIsTheCarrier) {
  ASSERT_TRUE(layer_.opened);
  EXPECT_NEAR(tools_test::StrongestFrequency(layer_.samples, 20, 2000), hz_, 0.002);
}

// A near-full-scale sine of the carrier, sample for sample, so the seam is the sine's own.
TEST_P(BeatCarrier, EverySampleIsTheRoundedSineAndTheLoopClosesOnIt) {
  ASSERT_TRUE(layer_.opened);
  ASSERT_FALSE(layer_.samples.empty());
  int peak = 0;
  for (short s : layer_.samples) peak = std::max(peak, std::abs(int(s)));
  EXPECT_GT(peak, 30000);
  const auto predicted = [&](size_t n) {
    return std::lround(peak *
                       std::sin(2.0 * std::numbers::pi * hz_ * static_cast<double>(n) / 44100.0));
  };
  int worst = 0;
  for (size_t n = 0; n < layer_.samples.size(); ++n)
    worst = std::max(worst, static_cast<int>(std::abs(layer_.samples[n] - predicted(n))));
  EXPECT_LE(worst, 1);
  // The sample after the last is the first again.
  EXPECT_EQ(predicted(layer_.samples.size()), layer_.samples.front());
}

INSTANTIATE_TEST_SUITE_P(BothEars, BeatCarrier,
                         testing::Values(Carrier{"tester1.wav", 200.07},
                                         Carrier{"tester2.wav", 207.90}),
                         [](const auto& info) {
                           return info.param.file.substr(0, info.param.file.find('.'));
                         });

TEST(BeatCarriers, DifferByTheAnnouncedBeatOf783Hz) {
  const LayerFile left = ReadLayerFile("tester1.wav"), right = ReadLayerFile("tester2.wav");
  ASSERT_TRUE(left.opened && right.opened);
  const double beat = tools_test::StrongestFrequency(right.samples, 20, 2000) -
                      tools_test::StrongestFrequency(left.samples, 20, 2000);
  EXPECT_NEAR(beat, 7.83, 0.01);
}

// The mask and the music loop endlessly at their own level.
struct QuietLoop {
  std::string file;
  double minSeconds, maxSeconds;
};

void PrintTo(const QuietLoop& q, std::ostream* os) { *os << q.file; }

class QuietLoopFile : public testing::TestWithParam<QuietLoop> {
 protected:
  const LayerFile layer_ = ReadLayerFile(GetParam().file);
};

TEST_P(QuietLoopFile, LastsAsLongAsALoopShould) {
  ASSERT_TRUE(layer_.opened);
  const double seconds = layer_.samples.size() / 44100.0;
  EXPECT_GE(seconds, GetParam().minSeconds);
  EXPECT_LE(seconds, GetParam().maxSeconds);
}

TEST_P(QuietLoopFile, JoinsWithoutAStepAtTheSeam) {
  ASSERT_TRUE(layer_.opened);
  const tools_test::SeamSteps seam = tools_test::MeasureSeam(layer_.samples);
  EXPECT_LE(seam.acrossSeam, seam.typicalLargest);
}

TEST_P(QuietLoopFile, SoundsSoftNotHarsh) {
  ASSERT_TRUE(layer_.opened);
  EXPECT_LT(tools_test::Roughness(layer_.samples), 0.25);
}

INSTANTIATE_TEST_SUITE_P(MaskAndMusic, QuietLoopFile,
                         testing::Values(QuietLoop{"tester3.wav", 10, 30},
                                         QuietLoop{"ms1.wav", 20, 60}),
                         [](const auto& info) {
                           return info.param.file.substr(0, info.param.file.find('.'));
                         });

TEST(MaskFile, IsASoftNoiseAtAbout30DbBelowFullScale) {
  const LayerFile mask = ReadLayerFile("tester3.wav");
  ASSERT_TRUE(mask.opened);
  EXPECT_NEAR(tools_test::RmsDbfs(mask.samples), -30.0, 1.0);
  // Noise, not a tone: no single frequency stands out of the low band it fills.
  const double tone = tools_test::MagnitudeAt(
      mask.samples, mask.samples.size(), tools_test::StrongestFrequency(mask.samples, 50, 1000));
  EXPECT_LT(tone, tools_test::Rms(mask.samples) * 0.02);
}

TEST(MusicFile, PeaksBelowMinus12DbAndIsClearlyAudible) {
  const LayerFile music = ReadLayerFile("ms1.wav");
  ASSERT_TRUE(music.opened);
  EXPECT_LT(tools_test::PeakDbfs(music.samples), -12.0);
  EXPECT_GT(tools_test::RmsDbfs(music.samples), -36.0);
}

TEST(MusicFile, KeepsAnEvenLevelThroughTheLoopAndAcrossTheSeam) {
  const LayerFile music = ReadLayerFile("ms1.wav");
  ASSERT_TRUE(music.opened);
  // Half-second windows of the loop played twice: no dropout, no sudden swell.
  const size_t window = 22050, n = music.samples.size();
  double quietest = 0, loudest = -200;
  for (size_t start = n - 4 * window; start < 2 * n - window; start += window) {
    std::vector<short> stretch;
    for (size_t i = 0; i < window; ++i) stretch.push_back(music.samples[(start + i) % n]);
    const double level = tools_test::RmsDbfs(stretch);
    quietest = std::min(quietest, level);
    loudest = std::max(loudest, level);
  }
  EXPECT_LT(loudest - quietest, 10.0);
}

}  // namespace
