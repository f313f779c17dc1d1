// Controls hammered from one thread while another renders: the mix stays finite and in range,
// buffers come and go safely, and once the hammering stops the output is exactly what the
// last requests say. Run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <random>
#include <thread>

#include "tests/platform/directsound/TestDevice.h"

namespace dstest {
namespace {

using ds::DS_OK;
using ds::DSBPLAY_LOOPING;

struct Layer {
  std::vector<float> samples;
  int channels;
  std::shared_ptr<ds::DirectSoundBuffer> buffer;
  std::int32_t bytes() const {
    return static_cast<std::int32_t>(samples.size() / channels) * channels * 4;
  }
};

void Hammer(std::vector<Layer>& layers, TestDevice& device, const std::string& churnFile,
            const std::atomic<bool>& stop) {
  std::mt19937 random(12345);
  auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  std::shared_ptr<ds::DirectSoundBuffer> churn;
  while (!stop) {
    Layer& layer = layers[static_cast<std::size_t>(pick(0, static_cast<int>(layers.size()) - 1))];
    ds::DirectSoundBuffer& b = *layer.buffer;
    switch (pick(0, 7)) {
      case 0: EXPECT_EQ(b.Play(pick(0, 1) == 1 ? DSBPLAY_LOOPING : 0), DS_OK); break;
      case 1: EXPECT_EQ(b.Stop(), DS_OK); break;
      case 2: EXPECT_EQ(b.SetPan(pick(-10000, 10000)), DS_OK); break;
      case 3: EXPECT_EQ(b.SetVolume(pick(-10000, 0)), DS_OK); break;
      case 4: EXPECT_EQ(b.SetCurrentPosition(pick(0, layer.bytes())), DS_OK); break;
      case 5: EXPECT_EQ(b.SetVolume(pick(1, 20000)), ds::DSERR_INVALIDPARAM); break;
      case 6: {
        std::int32_t position = -1;
        EXPECT_EQ(b.GetCurrentPosition(position), DS_OK);
        EXPECT_GE(position, 0);
        EXPECT_LE(position, layer.bytes());
        break;
      }
      case 7:
        if (pick(0, 50) == 0) {  // a buffer that comes and goes while playing
          churn.reset();
          ASSERT_EQ(device.LoadFile(churnFile, churn), DS_OK);
          EXPECT_EQ(churn->Play(DSBPLAY_LOOPING), DS_OK);
        }
        break;
    }
  }
}

TEST(DirectSoundStress, HammeredControlsKeepTheMixSaneAndEndInTheStateSet) {
  TestDevice device;
  std::vector<Layer> layers{{Signal(3000, 1), 1, {}},
                            {Signal(2 * 2500, 2), 2, {}},
                            {Signal(1777, 3), 1, {}},
                            {Signal(2 * 1234, 4), 2, {}}};
  for (Layer& layer : layers) layer.buffer = device.Load(layer.samples, layer.channels);
  const std::string churnFile = device.dir().File("churn.wav");
  WriteWav(churnFile, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1, 44100, Signal(900, 5));

  std::atomic<bool> stop{false};
  std::atomic<std::size_t> rendered{0};
  std::atomic<std::size_t> bad{0};
  std::atomic<std::size_t> audible{0};
  std::thread renderer([&] {
    const std::size_t sizes[] = {1, 37, 128, 511, 2048};
    std::vector<float> block(2 * 2048);
    for (std::size_t i = 0; !stop; ++i) {
      const std::size_t frames = sizes[i % std::size(sizes)];
      device.output().Render(block.data(), frames);
      for (std::size_t k = 0; k < 2 * frames; ++k) {
        const float v = block[k];
        if (!std::isfinite(v) || v < -1.0f || v > 1.0f) ++bad;
        if (v != 0.0f) ++audible;
      }
      rendered += frames;
    }
  });
  std::thread controller([&] { Hammer(layers, device, churnFile, stop); });
  std::this_thread::sleep_for(std::chrono::seconds(2));
  stop = true;
  controller.join();
  renderer.join();
  EXPECT_EQ(bad, 0u);
  EXPECT_GT(rendered, 0u);
  EXPECT_GT(audible, 0u);

  for (Layer& layer : layers) {
    ASSERT_EQ(layer.buffer->Stop(), DS_OK);
    ASSERT_EQ(layer.buffer->SetCurrentPosition(0), DS_OK);
  }
  Layer& a = layers[0];
  Layer& d = layers[3];
  ASSERT_EQ(a.buffer->SetVolume(-600), DS_OK);
  ASSERT_EQ(a.buffer->SetPan(-2173), DS_OK);
  ASSERT_EQ(d.buffer->SetVolume(-1200), DS_OK);
  ASSERT_EQ(d.buffer->SetPan(10000), DS_OK);
  ASSERT_EQ(a.buffer->Play(DSBPLAY_LOOPING), DS_OK);
  ASSERT_EQ(d.buffer->Play(DSBPLAY_LOOPING), DS_OK);
  ASSERT_EQ(layers[1].buffer->SetVolume(0), DS_OK);  // stopped ones stay silent

  const std::size_t frames = 6000;
  const auto out = device.Render(frames);
  const float aLeft = ExpectedGain(-600);
  const float aRight = ExpectedGain(-600 - 2173);
  const float dRight = ExpectedGain(-1200);
  const std::size_t dFrames = d.samples.size() / 2;
  for (std::size_t k = ds::kRampFrames; k < frames; ++k) {
    const float sa = a.samples[k % a.samples.size()];
    const float sdRight = d.samples[2 * (k % dFrames) + 1];
    ASSERT_NEAR(out[2 * k], sa * aLeft, 1e-6f) << "frame " << k;
    ASSERT_NEAR(out[2 * k + 1], sa * aRight + sdRight * dRight, 1e-6f) << "frame " << k;
  }
}

}  // namespace
}  // namespace dstest
