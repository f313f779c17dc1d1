#include "tests/e2e/analysis/Dropouts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/e2e/unit/Synth.h"

namespace e2e::test {
namespace {

constexpr double kHz = 200.07;
constexpr double kAmplitude = 569.0;  // a beat at -35 dB
constexpr std::int64_t kFrames = 2 * kRate;
constexpr std::int64_t kAt = 50000;
const double kPeriod = kRate / kHz;

// Damage done to a clean tone at frame kAt.
struct DamageCase {
  std::string name;
  std::function<std::vector<double>()> make;
  bool isDropout;
  std::int64_t extent = 0;  // frames the damage spans after kAt

  friend void PrintTo(const DamageCase& damage, std::ostream* out) { *out << damage.name; }
};

std::vector<double> CleanTone() { return Sine(kHz, kAmplitude, kFrames); }

std::vector<double> WithGap(std::int64_t frames) {
  std::vector<double> tone = CleanTone();
  std::fill(tone.begin() + kAt, tone.begin() + kAt + frames, 0.0);
  return tone;
}

// From kAt on the tone goes on as if `skipped` samples had been lost (negative: repeated).
std::vector<double> Skipping(double skipped, std::int64_t at) {
  std::vector<double> tone = CleanTone();
  const std::vector<double> shifted = Sine(kHz, kAmplitude, kFrames + 4096, static_cast<std::int64_t>(-skipped) + 2048);
  for (std::int64_t n = at; n < kFrames; ++n) tone[n] = shifted[n + 2048];
  return tone;
}

std::vector<double> WithPhaseJump(double radians) {
  std::vector<double> tone = CleanTone();
  for (std::int64_t n = kAt; n < kFrames; ++n) {
    tone[n] = kAmplitude * std::sin(2 * std::numbers::pi * kHz * n / kRate + radians);
  }
  return tone;
}

// A level change over a linear ramp from frame `from`, as a mixer smooths a volume step.
std::vector<double> WithRampedLevel(double factor, std::int64_t rampFrames, std::int64_t from = kAt) {
  std::vector<double> tone = CleanTone();
  for (std::int64_t n = from; n < kFrames; ++n) {
    const double progress = std::min(1.0, static_cast<double>(n - from) / rampFrames);
    tone[n] *= 1.0 + (factor - 1.0) * progress;
  }
  return tone;
}

// The first sample at or after kAt where the sine crosses zero upwards: the worst place for
// a lost sample to show.
std::int64_t ZeroCrossingAfterAt() {
  return static_cast<std::int64_t>(std::ceil(std::ceil(kAt / kPeriod) * kPeriod));
}

class DropoutsTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DropoutsTest, FindsBreaksInTheToneAndNothingElse) {
  const std::vector<double> samples = Rounded(GetParam().make());
  const double frequency[] = {kHz};
  const std::vector<std::int64_t> found = FindDropouts(samples, 0, frequency, kRate);
  if (!GetParam().isDropout) {
    EXPECT_TRUE(found.empty()) << found.size() << " dropouts, first at " << found.front();
    return;
  }
  // Both edges of a long gap may count; nothing may be found away from the damage.
  ASSERT_GE(found.size(), 1u);
  EXPECT_NEAR(static_cast<double>(found[0]), static_cast<double>(kAt), kPeriod);
  EXPECT_LE(static_cast<double>(found.back()), kAt + GetParam().extent + kPeriod);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DropoutsTest,
    ::testing::Values(DamageCase{"clean", CleanTone, false},
                      DamageCase{"gap_5ms", [] { return WithGap(kRate * 5 / 1000); }, true, kRate * 5 / 1000},
                      DamageCase{"gap_one_buffer", [] { return WithGap(2048); }, true, 2048},
                      DamageCase{"phase_jump_90", [] { return WithPhaseJump(std::numbers::pi / 2); }, true},
                      DamageCase{"phase_jump_20", [] { return WithPhaseJump(0.35); }, true},
                      DamageCase{"buffer_repeated", [] { return Skipping(-2048, kAt); }, true},
                      DamageCase{"one_sample_lost", [] { return Skipping(1, ZeroCrossingAfterAt()); }, true},
                      DamageCase{"louder_by_20db_over_128_frames", [] { return WithRampedLevel(10.0, 128); }, false},
                      DamageCase{"quieter_by_20db_over_128_frames", [] { return WithRampedLevel(0.1, 128); }, false}),
    [](const auto& info) { return info.param.name; });

TEST(DropoutsTest, ALevelStepAtTheEndOfABlockIsNoDropoutAtAnyPhase) {
  // The block the ramp ends in is fitted mostly at the old, low level.
  const std::int64_t block = static_cast<std::int64_t>(DropoutOptions{}.blockFrames);
  const double frequency[] = {kHz};
  // A block holds almost exactly ten periods, so the phase at the step is swept by hand.
  for (std::int64_t end = 10 * block; end < 10 * block + 221; end += 13) {
    for (const double factor : {10.0, 0.1}) {
      const std::vector<double> samples = Rounded(WithRampedLevel(factor, 128, end - 128));
      EXPECT_TRUE(FindDropouts(samples, 0, frequency, kRate).empty()) << "ramp ending at " << end << " x" << factor;
    }
  }
}

TEST(DropoutsTest, TwoTonesTogetherAreWatchedAsOne) {
  // Left minus right: both beats in one signal.
  const std::vector<double> clean = Sum(CleanTone(), Sine(207.90, -kAmplitude, kFrames));
  std::vector<double> broken = clean;
  std::fill(broken.begin() + kAt, broken.begin() + kAt + 220, 0.0);
  const double frequencies[] = {kHz, 207.90};
  EXPECT_TRUE(FindDropouts(Rounded(clean), 0, frequencies, kRate).empty());
  const std::vector<std::int64_t> found = FindDropouts(Rounded(broken), 0, frequencies, kRate);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NEAR(static_cast<double>(found[0]), static_cast<double>(kAt), kPeriod);
}

}  // namespace
}  // namespace e2e::test
