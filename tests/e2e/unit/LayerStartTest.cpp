#include "tests/e2e/analysis/LayerStart.h"

#include <gtest/gtest.h>

#include "tests/e2e/analysis/Silence.h"
#include "tests/e2e/analysis/ToneFit.h"
#include "tests/e2e/unit/Synth.h"

namespace e2e::test {
namespace {

constexpr double kHz = 200.07;
constexpr std::int64_t kPlayedAt = 30000;

// A tone layer played into a recording at kPlayedAt from layer sample `from`, faded in over
// 128 frames and scaled down by 35 dB.
std::vector<double> Played(const std::vector<double>& layer, std::int64_t from) {
  std::vector<double> recording(kPlayedAt + kRate, 0.0);
  for (std::int64_t k = 0; kPlayedAt + k < static_cast<std::int64_t>(recording.size()); ++k) {
    const double fade = std::min(1.0, static_cast<double>(k) / 128.0);
    recording[kPlayedAt + k] = fade * 0.01778 * layer[(from + k) % layer.size()];
  }
  return Rounded(recording);
}

class LayerStartTest : public ::testing::Test {
 protected:
  std::vector<double> layer_ = Rounded(Sine(kHz, 32000.0, 490000));
  ToneLayer tone_{kHz, [this] {
                    const double frequency[] = {kHz};
                    return FitTones(layer_, 0, frequency, kRate).tones[0].phase;
                  }()};

  double OnsetAfterStart(const std::vector<double>& channel) {
    const std::int64_t onset = *FirstNonZero(channel, {0, static_cast<std::int64_t>(channel.size())});
    const double other[] = {207.90};
    return static_cast<double>(onset) -
           LayerStartFrame(channel, onset + 2205, 22050, tone_, other, kRate, onset);
  }
};

TEST_F(LayerStartTest, ALayerPlayedFromItsFirstSampleStartsJustBeforeItIsHeard) {
  const std::vector<double> channel = Played(layer_, 0);
  const double other[] = {207.90};
  const std::int64_t onset = *FirstNonZero(channel, {0, static_cast<std::int64_t>(channel.size())});
  EXPECT_NEAR(LayerStartFrame(channel, onset + 2205, 22050, tone_, other, kRate, onset), kPlayedAt, 0.2);
  EXPECT_GE(OnsetAfterStart(channel), 0.0);
  EXPECT_LE(OnsetAfterStart(channel), 16.0);
}

TEST_F(LayerStartTest, ALayerResumedPartWayIsToldFromOneStartedAfresh) {
  for (const std::int64_t resumedAt : {60, 150, 333333}) {
    const double offset = OnsetAfterStart(Played(layer_, resumedAt));
    EXPECT_TRUE(offset < -1.0 || offset > 16.0) << "resumed at " << resumedAt << ": " << offset;
  }
}

}  // namespace
}  // namespace e2e::test
