#include "tests/e2e/analysis/Silence.h"

#include <gtest/gtest.h>

#include "tests/e2e/unit/Synth.h"

namespace e2e::test {
namespace {

// Silence, a tone on the left only from frame 10000, a 5 ms hole at 30000, then silence from
// 60000 on.
class SilenceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<double> left = Sine(200.07, 569.0, 80000, 10000);
    std::fill(left.begin() + 30000, left.begin() + 30220, 0.0);
    std::fill(left.begin() + 60000, left.end(), 0.0);
    recording_ = Stereo(left, std::vector<double>(80000, 0.0));
  }
  StereoRecording recording_;
};

TEST_F(SilenceTest, SoundIsFoundBetweenItsFirstAndLastNonZeroFrames) {
  const auto first = FirstSound(recording_, {0, 80000});
  const auto last = LastSound(recording_, {0, 80000});
  ASSERT_TRUE(first && last);
  // The rounded sine's first non-zero sample is its second.
  EXPECT_EQ(*first, 10001);
  EXPECT_GE(*last, 59990);
  EXPECT_LT(*last, 60000);
  EXPECT_FALSE(FirstSound(recording_, {60000, 80000}));
  EXPECT_FALSE(FirstNonZero(recording_.right, {0, 80000}));
}

TEST_F(SilenceTest, OnlyTheHoleInsideTheSoundIsAZeroRun) {
  const std::vector<ZeroRun> runs = ZeroRuns(recording_, {0, 80000}, 64);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_NEAR(static_cast<double>(runs[0].first), 30000.0, 2.0);
  EXPECT_NEAR(static_cast<double>(runs[0].frames), 220.0, 4.0);
  EXPECT_TRUE(ZeroRuns(recording_, {0, 80000}, 400).empty());
}

TEST_F(SilenceTest, RangesPastTheEndAreClamped) {
  EXPECT_FALSE(FirstSound(recording_, {70000, 1000000}));
  EXPECT_TRUE(LastSound(recording_, {-5, 1000000}));
}

}  // namespace
}  // namespace e2e::test
