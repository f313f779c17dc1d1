#include "tests/e2e/analysis/CleanMeasure.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "tests/e2e/analysis/CleanPieces.h"
#include "tests/e2e/unit/Synth.h"

namespace e2e::test {
namespace {

TEST(CleanPiecesTest, CutsOutEveryExcludedRangeAndDropsShortLeftovers) {
  const FrameRange excluded[] = {{5000, 6000}, {1000, 2000}, {9500, 12000}, {-50, 10}};
  const std::vector<FrameRange> pieces = CleanPieces({0, 10000}, excluded, 500);
  // 10..1000, 2000..5000, 6000..9500; nothing after 9500 is left.
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].from, 10);
  EXPECT_EQ(pieces[0].to, 1000);
  EXPECT_EQ(pieces[1].from, 2000);
  EXPECT_EQ(pieces[1].to, 5000);
  EXPECT_EQ(pieces[2].from, 6000);
  EXPECT_EQ(pieces[2].to, 9500);
  EXPECT_TRUE(CleanPieces({0, 10000}, excluded, 3501).empty());
  EXPECT_EQ(CleanPieces({0, 10000}, {}, 500).size(), 1u);
}

TEST(CleanPiecesTest, ReadsRangesAndRefusesLinesThatAreNot) {
  const std::string path = ::testing::TempDir() + "/ranges.txt";
  std::ofstream(path) << "# stalls\n100 200\n\n300 450\n";
  const std::vector<FrameRange> ranges = ReadFrameRanges(path);
  ASSERT_EQ(ranges.size(), 2u);
  EXPECT_EQ(ranges[1].from, 300);
  EXPECT_EQ(ranges[1].to, 450);
  for (const char* bad : {"100\n", "100 200 300\n", "200 100\n", "a b\n"}) {
    std::ofstream(path) << bad;
    EXPECT_THROW(ReadFrameRanges(path), std::runtime_error) << bad;
  }
  EXPECT_THROW(ReadFrameRanges(path + ".missing"), std::runtime_error);
}

// Four seconds of the two beats; a stall at 1.5 s leaves a hole and the tones a little late
// after it, as a sound server that ran dry plays what came next.
class CleanMeasureTest : public ::testing::Test {
 protected:
  static constexpr std::int64_t kFrames = 4 * kRate;
  static constexpr std::int64_t kHole = 3 * kRate / 2;
  static constexpr std::int64_t kHoleFrames = 2205;

  void SetUp() override {
    std::vector<double> left = Sine(200.07, Amplitude(-35), kFrames);
    std::vector<double> right = Sine(207.90, Amplitude(-35), kFrames);
    for (std::vector<double>* side : {&left, &right}) {
      std::vector<double>& s = *side;
      std::copy_backward(s.begin() + kHole, s.end() - kHoleFrames, s.end());
      std::fill(s.begin() + kHole, s.begin() + kHole + kHoleFrames, 0.0);
    }
    recording_ = Stereo(left, right);
  }

  Report Measure(std::vector<FrameRange> stalls) const {
    return MeasureCleanStretch(recording_, {0, kFrames}, {200.07, 207.90}, std::nullopt, stalls);
  }

  StereoRecording recording_;
};

TEST_F(CleanMeasureTest, WithoutTheStallTheHoleIsADropout) {
  const Report report = Measure({});
  EXPECT_GT(report.Number("dropouts"), 0);
  EXPECT_EQ(report.Number("zero_runs"), 1);
  EXPECT_EQ(report.Number("clean_pieces"), 1);
  EXPECT_EQ(report.Number("left_out_seconds"), 0.0);
}

TEST_F(CleanMeasureTest, AroundTheStallTheToneIsWholeAndMeasuredOnTheLongerPart) {
  const Report report = Measure({{kHole - 441, kHole + kHoleFrames + 4410}});
  EXPECT_EQ(report.Number("dropouts"), 0);
  EXPECT_EQ(report.Number("zero_runs"), 0);
  EXPECT_EQ(report.Number("clean_pieces"), 2);
  EXPECT_NEAR(report.Number("left_out_seconds"), (441 + kHoleFrames + 4410) / double{kRate}, 1e-9);
  // The longer part is the one after the stall.
  EXPECT_EQ(report.Number("from_frame"), kHole + kHoleFrames + 4410);
  EXPECT_NEAR(report.Number("L.own_tone_dbfs"), -35.0, 0.05);
  EXPECT_NEAR(report.Number("R.own_tone_dbfs"), -35.0, 0.05);
  EXPECT_NEAR(report.Number("beat_hz"), 7.83, 0.005);
  // Sound is looked for over the whole stretch.
  EXPECT_EQ(report.Number("first_sound"), 1);
  EXPECT_EQ(report.Number("all_silent"), 0);
}

TEST_F(CleanMeasureTest, ADropoutOutsideTheStallsStillCounts) {
  const Report report = Measure({{3 * kRate, 3 * kRate + 4410}});
  EXPECT_GT(report.Number("dropouts"), 0);
  EXPECT_EQ(report.Number("zero_runs"), 1);
  EXPECT_NE(report.Get("dropout_frames"), "none");
}

TEST_F(CleanMeasureTest, AStretchWithNoCleanPartHasNoToneToJudge) {
  const Report report = Measure({{0, 2 * kRate}, {2 * kRate + 100, kFrames}});
  EXPECT_EQ(report.Number("clean_pieces"), 0);
  EXPECT_EQ(report.Get("L.own_tone_dbfs"), "");
  EXPECT_EQ(report.Get("beat_hz"), "");
  EXPECT_EQ(report.Number("dropouts"), 0);
  EXPECT_EQ(report.Number("all_silent"), 0);
}

// A centred noise joins the beats at 1.8 s, and a stall follows 0.165 s later. Told apart by
// the half second around it, the join is no dropout: on the left and right the noise follows,
// and on left minus right it cancels.
TEST(CleanMeasureJoinTest, ALayerJoiningJustBeforeAStallIsNoDropout) {
  constexpr std::int64_t kFrames = 3 * kRate;
  constexpr std::int64_t kJoin = 18 * kRate / 10;
  std::vector<double> noise = Noise(Amplitude(-40), kFrames, 7);
  std::fill(noise.begin(), noise.begin() + kJoin, 0.0);
  const StereoRecording recording = Stereo(Sum(Sine(200.07, Amplitude(-35), kFrames), noise),
                                           Sum(Sine(207.90, Amplitude(-35), kFrames), noise));
  const FrameRange stall[] = {{kJoin + 7276, kJoin + 26460}};
  const Report report = MeasureCleanStretch(recording, {0, kFrames}, {200.07, 207.90}, std::nullopt, stall);
  EXPECT_EQ(report.Get("dropout_frames"), "none");
  EXPECT_EQ(report.Number("dropouts"), 0);
  EXPECT_NEAR(report.Number("D.left_tone_dbfs"), -35.0, 0.05);
}

}  // namespace
}  // namespace e2e::test
