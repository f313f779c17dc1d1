#include "tests/e2e/analysis/ToneFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tests/e2e/analysis/Decibels.h"
#include "tests/e2e/analysis/Spectrum.h"
#include "tests/e2e/unit/Synth.h"

namespace e2e::test {
namespace {

struct ToneCase {
  double hz;
  double dbfs;
};

class CleanToneTest : public ::testing::TestWithParam<ToneCase> {};

TEST_P(CleanToneTest, LevelFrequencyAndStrongestPeakAreMeasured) {
  const auto [hz, dbfs] = GetParam();
  const std::vector<double> tone = Rounded(Sine(hz, Amplitude(dbfs), kRate));
  const double frequency[] = {hz};
  const ToneFit fit = FitTones(tone, 0, frequency, kRate);
  EXPECT_NEAR(Dbfs(fit.tones[0].amplitude), dbfs, 0.01);
  EXPECT_NEAR(StrongestFrequency(tone, kRate), hz, 0.05);
}

INSTANTIATE_TEST_SUITE_P(Tones, CleanToneTest,
                         ::testing::Values(ToneCase{200.07, -35.2}, ToneCase{207.90, -0.2}, ToneCase{1000.0, -60.0},
                                           ToneCase{57.3, -12.0}));

TEST(ToneFitTest, PhaseIsAbsoluteSoFitsOfLaterStretchesAgree) {
  const std::vector<double> tone = Sine(200.07, 10000.0, 3 * kRate);
  const double frequency[] = {200.07};
  const ToneFit early = FitTones(std::span(tone).subspan(1000, 4410), 1000, frequency, kRate);
  const ToneFit late = FitTones(std::span(tone).subspan(100000, 4410), 100000, frequency, kRate);
  EXPECT_NEAR(std::remainder(early.tones[0].phase - late.tones[0].phase, 2 * std::numbers::pi), 0.0, 1e-6);
  // A sine starting at frame 0 is a cosine a quarter turn late.
  EXPECT_NEAR(early.tones[0].phase, -std::numbers::pi / 2, 1e-6);
}

TEST(ToneFitTest, TwoTonesEightHertzApartAreToldApartInAHundredMilliseconds) {
  const std::vector<double> mix = Sum(Sine(200.07, 1000.0, 4410), Sine(207.90, 10.0, 4410));
  const double frequencies[] = {200.07, 207.90};
  const ToneFit fit = FitTones(mix, 0, frequencies, kRate);
  EXPECT_NEAR(fit.tones[0].amplitude, 1000.0, 1e-6);
  EXPECT_NEAR(fit.tones[1].amplitude, 10.0, 1e-6);
  EXPECT_LT(fit.residualRms, 1e-6);
}

TEST(ToneFitTest, ResidualKeepsWhatIsNotTheTones) {
  const std::vector<double> noise = Noise(300.0, kRate, 7);
  const std::vector<double> mix = Sum(Sine(200.07, 5000.0, kRate), noise);
  const double frequencies[] = {200.07, 207.90};
  std::vector<double> residual;
  const std::vector<ToneFit> fits = FitTonesInBlocks(mix, 0, frequencies, kRate, 4410, &residual);
  ASSERT_EQ(fits.size(), 10u);
  ASSERT_EQ(residual.size(), mix.size());
  double error = 0.0;
  for (std::size_t i = 0; i < mix.size(); ++i) error += std::pow(residual[i] - noise[i], 2);
  // Only the noise's own share at the two frequencies goes into the fit.
  EXPECT_LT(std::sqrt(error / mix.size()), 300.0 * 0.05);
}

TEST(ToneFitTest, PreciseFrequencyFindsTheOffsetFromNominal) {
  const std::vector<double> mix = Rounded(Sum(Sine(200.07, 569.0, 6 * kRate), Sine(207.90, 569.0, 6 * kRate)));
  const double other[] = {207.90};
  EXPECT_NEAR(PreciseFrequency(mix, 0, 200.0, other, kRate), 200.07, 1e-4);
  const double first[] = {200.07};
  EXPECT_NEAR(PreciseFrequency(mix, 0, 208.3, first, kRate), 207.90, 1e-4);
}

}  // namespace
}  // namespace e2e::test
