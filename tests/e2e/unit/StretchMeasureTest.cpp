#include "tests/e2e/analysis/StretchMeasure.h"

#include <gtest/gtest.h>

#include "tests/e2e/unit/Synth.h"

namespace e2e::test {
namespace {

constexpr double kLeftHz = 200.07;
constexpr double kRightHz = 207.90;
constexpr double kBeatDbfs = -35.2;
constexpr std::int64_t kFrames = 3 * kRate;
const BeatTones kTones{kLeftHz, kRightHz};

std::vector<double> LeftBeat() { return Sine(kLeftHz, Amplitude(kBeatDbfs), kFrames); }
std::vector<double> RightBeat() { return Sine(kRightHz, Amplitude(kBeatDbfs), kFrames); }

Report Measure(const StereoRecording& recording, std::optional<std::vector<double>> loop = std::nullopt) {
  return MeasureStretch(recording, {0, recording.Frames()}, kTones, loop);
}

TEST(StretchMeasureTest, CleanBeatsShowTheirTonesLevelsAndBeatAndNothingElse) {
  const Report report = Measure(Stereo(LeftBeat(), RightBeat()));
  EXPECT_NEAR(report.Number("L.strongest_hz"), kLeftHz, 0.05);
  EXPECT_NEAR(report.Number("R.strongest_hz"), kRightHz, 0.05);
  EXPECT_NEAR(report.Number("L.own_tone_dbfs"), kBeatDbfs, 0.01);
  EXPECT_NEAR(report.Number("R.own_tone_dbfs"), kBeatDbfs, 0.01);
  EXPECT_NEAR(report.Number("beat_hz"), 7.83, 0.001);
  EXPECT_LT(report.Number("L.crosstalk_db"), -80.0);
  EXPECT_LT(report.Number("R.crosstalk_db"), -80.0);
  EXPECT_LT(report.Number("L.residual_dbfs"), -95.0);
  EXPECT_EQ(report.Get("tone_only_signals"), "L,R,D");
  EXPECT_EQ(report.Number("dropouts"), 0);
  EXPECT_EQ(report.Number("zero_runs"), 0);
  EXPECT_EQ(report.Number("all_silent"), 0);
}

TEST(StretchMeasureTest, CrosstalkAtMinus40DbIsMeasuredOnTheChannelItLeaksInto) {
  const std::vector<double> leak = Sine(kLeftHz, Amplitude(kBeatDbfs - 40.0), kFrames);
  const Report report = Measure(Stereo(LeftBeat(), Sum(RightBeat(), leak)));
  EXPECT_NEAR(report.Number("R.crosstalk_db"), -40.0, 0.1);
  EXPECT_LT(report.Number("L.crosstalk_db"), -80.0);
}

TEST(StretchMeasureTest, AGapInOneBeatIsADropoutAndAZeroRunOnlyWhenBothChannelsStop) {
  std::vector<double> left = LeftBeat();
  std::fill(left.begin() + 70000, left.begin() + 70220, 0.0);
  const Report oneSide = Measure(Stereo(left, RightBeat()));
  EXPECT_GE(oneSide.Number("L.dropouts"), 1);
  EXPECT_EQ(oneSide.Number("R.dropouts"), 0);
  EXPECT_EQ(oneSide.Number("zero_runs"), 0);

  std::vector<double> right = RightBeat();
  std::fill(right.begin() + 70000, right.begin() + 70220, 0.0);
  const Report bothSides = Measure(Stereo(left, right));
  EXPECT_EQ(bothSides.Number("zero_runs"), 1);
  EXPECT_NEAR(std::stod(bothSides.Get("dropout_frames")), 70000.0, 250.0);
}

TEST(StretchMeasureTest, ACentredNoiseIsTheSameOnBothSidesAndCancelsInTheDifference) {
  const std::vector<double> loop = Noise(1000.0, 2 * kRate, 5);
  std::vector<double> noise(kFrames);
  for (std::int64_t i = 0; i < kFrames; ++i) noise[i] = loop[(i + 4000) % loop.size()];
  const Report report = Measure(Stereo(Sum(LeftBeat(), noise), Sum(RightBeat(), noise)), loop);
  EXPECT_NEAR(report.Number("L.residual_dbfs"), -30.3, 0.3);
  EXPECT_GT(report.Number("residual_correlation"), 0.999);
  EXPECT_LT(report.Number("D.residual_dbfs"), -85.0);
  // The beats can still be watched for dropouts in the difference, and only there.
  EXPECT_EQ(report.Get("tone_only_signals"), "D");
  EXPECT_EQ(report.Number("dropouts"), 0);
  EXPECT_NEAR(report.Number("L.own_tone_dbfs"), kBeatDbfs, 0.05);
  EXPECT_EQ(report.Number("ref.L.offset"), 4000);
  EXPECT_NEAR(report.Number("ref.L.gain_db"), 0.0, 0.05);
  EXPECT_GT(report.Number("ref.R.correlation"), 0.99);
}

TEST(StretchMeasureTest, ANoiseOnOneSideOnlyDoesNotCancel) {
  const std::vector<double> noise = Noise(1000.0, kFrames, 5);
  const Report report = Measure(Stereo(Sum(LeftBeat(), noise), RightBeat()));
  EXPECT_LT(report.Number("residual_correlation"), 0.1);
  EXPECT_GT(report.Number("D.residual_dbfs"), -31.0);
  EXPECT_EQ(report.Get("tone_only_signals"), "R");
}

TEST(StretchMeasureTest, ALayerOverPartOfTheStretchIsNoDropoutButAGapBesideItIs) {
  // A centred noise over the middle second, as a mask ticked and unticked during playback.
  std::vector<double> noise(kFrames, 0.0);
  const std::vector<double> burst = Noise(1000.0, kRate, 9);
  std::copy(burst.begin(), burst.end(), noise.begin() + kRate);
  const StereoRecording layered = Stereo(Sum(LeftBeat(), noise), Sum(RightBeat(), noise));
  EXPECT_EQ(Measure(layered).Number("dropouts"), 0);

  std::vector<double> left = Sum(LeftBeat(), noise);
  std::fill(left.begin() + kRate / 2, left.begin() + kRate / 2 + 220, 0.0);
  const Report broken = Measure(Stereo(left, Sum(RightBeat(), noise)));
  EXPECT_GE(broken.Number("L.dropouts"), 1);
  EXPECT_GE(broken.Number("D.dropouts"), 1);
  EXPECT_NEAR(std::stod(broken.Get("dropout_frames")), kRate / 2, 250.0);
}

TEST(StretchMeasureTest, DigitalSilenceIsAllSilent) {
  const Report report = Measure(Stereo(std::vector<double>(kRate, 0.0), std::vector<double>(kRate, 0.0)));
  EXPECT_EQ(report.Number("all_silent"), 1);
  EXPECT_EQ(report.Number("first_sound"), -1);
  EXPECT_EQ(report.Get("tone_only_signals"), "none");
}

}  // namespace
}  // namespace e2e::test
