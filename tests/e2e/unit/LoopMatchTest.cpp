#include "tests/e2e/analysis/LoopMatch.h"

#include <gtest/gtest.h>

#include "tests/e2e/unit/Synth.h"

namespace e2e::test {
namespace {

TEST(LoopMatchTest, FindsTheOffsetAndGainAcrossTheLoopSeam) {
  const std::vector<double> loop = Noise(1000.0, 3 * kRate, 11);
  const std::int64_t offset = static_cast<std::int64_t>(loop.size()) - 12345;  // wraps into the start
  std::vector<double> stretch(kRate);
  for (std::size_t i = 0; i < stretch.size(); ++i) stretch[i] = 0.5 * loop[(offset + i) % loop.size()];
  const LoopMatch match = MatchLoop(Rounded(stretch), loop);
  EXPECT_EQ(match.offset, offset);
  EXPECT_NEAR(match.gain, 0.5, 1e-3);
  EXPECT_GT(match.correlation, 0.999);
}

TEST(LoopMatchTest, ADifferentNoiseDoesNotMatch) {
  const std::vector<double> loop = Noise(1000.0, 2 * kRate, 11);
  const LoopMatch match = MatchLoop(Noise(1000.0, kRate, 12), loop);
  EXPECT_LT(match.correlation, 0.1);
}

TEST(LoopMatchTest, ATonePlayedOverTheLoopLowersTheCorrelation) {
  const std::vector<double> loop = Noise(1000.0, 2 * kRate, 11);
  std::vector<double> stretch(loop.begin(), loop.begin() + kRate);
  const LoopMatch clean = MatchLoop(stretch, loop);
  const LoopMatch covered = MatchLoop(Sum(stretch, Sine(200.0, 1414.0, kRate)), loop);
  EXPECT_EQ(covered.offset, 0);
  EXPECT_NEAR(covered.gain, 1.0, 0.02);
  EXPECT_GT(clean.correlation, 0.999);
  EXPECT_NEAR(covered.correlation, std::sqrt(0.5), 0.02);
}

}  // namespace
}  // namespace e2e::test
