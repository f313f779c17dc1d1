// What a listener hears, through the real mixer and the in-memory output: which file's samples
// reach which side, at which gain, from which position.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <QTemporaryDir>
#include <array>
#include <cmath>
#include <random>

#include "platform/directsound/MemoryOutput.h"
#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CommandButton.h"
#include "platform/toolkit/EventDispatch.h"
#include "platform/toolkit/VScrollBar.h"
#include "sound/SoundLayer.h"
#include "tests/doubles/FormHarness.h"

namespace {

constexpr std::size_t kSkip = 256;  // past every start ramp
constexpr std::array<int, 4> kLengths{20000, 21000, 30000, 25000};
constexpr std::array<const char*, 4> kFiles{"tester1.wav", "tester2.wav", "tester3.wav", "ms1.wav"};

// A distinct, non-repeating pattern per layer, so a sample shows which file and position it is.
std::vector<float> Pattern(std::size_t layer) {
  std::mt19937 random(static_cast<unsigned>(layer) + 11);
  std::uniform_int_distribution<int> value(-12000, 12000);
  std::vector<float> samples(static_cast<std::size_t>(kLengths[layer]));
  for (auto& s : samples) s = static_cast<float>(value(random)) / 32768.0f;
  return samples;
}

void WriteWave(const QString& path, const std::vector<float>& samples) {
  SF_INFO info{};
  info.samplerate = 44100;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr);
  std::vector<short> pcm(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) pcm[i] = static_cast<short>(std::lround(samples[i] * 32768.0f));
  sf_write_short(file, pcm.data(), static_cast<sf_count_t>(pcm.size()));
  sf_close(file);
}

double Gain(int hundredthsDb) { return std::pow(10.0, hundredthsDb / 2000.0); }

class Heard : public ::testing::Test {
 protected:
  void SetUp() override {
    for (std::size_t layer = 0; layer < 4; ++layer) {
      layers[layer] = Pattern(layer);
      WriteWave(folder.filePath(kFiles[layer]), layers[layer]);
    }
    harness = std::make_unique<doubles::FormHarness>(folder.path().toStdString(), [this](auto& root) {
      root = ds::MakeDirectX7([this] {
        auto out = std::make_unique<ds::MemoryOutput>();
        output = out.get();
        return out;
      });
      return ds::DS_OK;
    });
    ASSERT_FALSE(harness->Start());
    ASSERT_NE(output, nullptr);
  }

  // Renders `frames` and returns the left and right channels.
  std::pair<std::vector<float>, std::vector<float>> Listen(std::size_t frames) {
    const auto mixed = output->Render(frames);
    std::vector<float> left(frames), right(frames);
    for (std::size_t i = 0; i < frames; ++i) {
      left[i] = mixed[2 * i];
      right[i] = mixed[2 * i + 1];
    }
    return {left, right};
  }

  float At(std::size_t layer, std::size_t position) const {
    return layers[layer][position % layers[layer].size()];
  }

  frmMain& form() { return *harness->form; }
  void Click(tk::CheckBox* box) { box->click(); }

  QTemporaryDir folder;
  std::array<std::vector<float>, 4> layers;
  ds::MemoryOutput* output = nullptr;
  std::unique_ptr<doubles::FormHarness> harness;
};

TEST_F(Heard, NothingSoundsAfterStartUp) {
  const auto [left, right] = Listen(4096);
  for (std::size_t i = 0; i < left.size(); ++i) ASSERT_TRUE(left[i] == 0.0f && right[i] == 0.0f) << i;
}

TEST_F(Heard, StartPutsTester1OnlyOnTheLeftAndTester2OnlyOnTheRightAtTheSlidersGain) {
  form().cmdPlay->click();
  const auto [left, right] = Listen(48000);  // over both loop seams
  const double g = Gain(-3500);
  for (std::size_t i = kSkip; i < left.size(); ++i) {
    ASSERT_NEAR(left[i], At(BeatLeft, i) * g, 1e-6) << i;
    ASSERT_NEAR(right[i], At(BeatRight, i) * g, 1e-6) << i;
  }
}

TEST_F(Heard, TheSliderAtTheBottomPutsTheBeatsFiftyDecibelsDownAtOnceWhilePlaying) {
  form().cmdPlay->click();
  Listen(1000);
  form().VSAmp->triggerAction(QAbstractSlider::SliderToMaximum);  // the bottom end
  ASSERT_EQ(form().VSAmp->Value(), -5000);
  const auto [left, right] = Listen(4000);
  for (std::size_t i = kSkip; i < left.size(); ++i) {
    ASSERT_NEAR(left[i], At(BeatLeft, 1000 + i) * Gain(-5000), 1e-7) << i;
    ASSERT_NEAR(right[i], At(BeatRight, 1000 + i) * Gain(-5000), 1e-7) << i;
  }
}

TEST_F(Heard, TheMaskTickedDuringPlaybackJoinsCentredAtItsFilesLevelFromItsStart) {
  form().cmdPlay->click();
  Listen(3000);
  Click(form().Check1);
  const auto [left, right] = Listen(6000);
  const double g = Gain(-3500);
  for (std::size_t i = kSkip; i < left.size(); ++i) {
    ASSERT_NEAR(left[i] - At(BeatLeft, 3000 + i) * g, At(Mask, i), 1e-6) << i;
    ASSERT_NEAR(right[i] - At(BeatRight, 3000 + i) * g, At(Mask, i), 1e-6) << i;
  }
}

TEST_F(Heard, UntickThenTickResumesTheMaskWhereItStoppedNotFromItsStart) {
  form().cmdPlay->click();
  Click(form().Check1);
  Listen(5000);  // the mask has played 5000 frames
  Click(form().Check1);
  Listen(2000);  // stopped meanwhile
  Click(form().Check1);
  const auto [left, right] = Listen(4000);
  const double g = Gain(-3500);
  for (std::size_t i = kSkip; i < left.size(); ++i) {
    ASSERT_NEAR(left[i] - At(BeatLeft, 7000 + i) * g, At(Mask, 5000 + i), 1e-6) << i;
  }
}

TEST_F(Heard, PauseThenStartBeginsEveryStartedLayerAtItsFirstSample) {
  form().Check1->SetValue(tk::vbChecked);
  form().Check2->SetValue(tk::vbChecked);
  form().PreviewNoticeShown = true;
  form().cmdPlay->click();
  Listen(7000);
  Click(form().Check1);  // mask stopped midway
  Listen(1000);
  form().cmdPlay->click();  // pause: stop and rewind all
  const auto [quietLeft, quietRight] = Listen(2000);
  for (std::size_t i = kSkip; i < quietLeft.size(); ++i) ASSERT_TRUE(quietLeft[i] == 0.0f && quietRight[i] == 0.0f);
  Click(form().Check1);     // ticked again while stopped: nothing audible
  form().cmdPlay->click();  // start
  const auto [left, right] = Listen(5000);
  const double g = Gain(-3500);
  for (std::size_t i = kSkip; i < left.size(); ++i) {
    ASSERT_NEAR(left[i], At(BeatLeft, i) * g + At(Mask, i) + At(Music, i), 2e-6) << i;
    ASSERT_NEAR(right[i], At(BeatRight, i) * g + At(Mask, i) + At(Music, i), 2e-6) << i;
  }
}

TEST_F(Heard, ThePreviewNoticeLetsPlayingLayersGoOnAndStartsTheMusicOnlyOnceDismissed) {
  form().cmdPlay->click();
  Listen(2000);
  std::vector<float> duringNotice;
  harness->whileShown = [&](const doubles::ShownMessage&) { duringNotice = Listen(3000).first; };
  Click(form().Check2);
  ASSERT_EQ(duringNotice.size(), 3000u);
  const double g = Gain(-3500);
  for (std::size_t i = 0; i < duringNotice.size(); ++i) {
    ASSERT_NEAR(duringNotice[i], At(BeatLeft, 2000 + i) * g, 1e-6) << "beats go on, no music yet, at " << i;
  }
  const auto [left, right] = Listen(3000);
  for (std::size_t i = kSkip; i < left.size(); ++i) {
    ASSERT_NEAR(left[i] - At(BeatLeft, 5000 + i) * g, At(Music, i), 1e-6) << i;
    ASSERT_NEAR(right[i] - At(BeatRight, 5000 + i) * g, At(Music, i), 1e-6) << i;
  }
}

}  // namespace
