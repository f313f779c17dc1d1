#pragma once
// A device whose output is a MemoryOutput, so tests pull the mix themselves, frame by frame.
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <sndfile.h>

#include "platform/directsound/DirectSound.h"
#include "platform/directsound/MemoryOutput.h"
#include "tests/platform/directsound/WavFixtures.h"

namespace dstest {

inline constexpr std::uint32_t kAllControls =
    ds::DSBCAPS_STATIC | ds::DSBCAPS_CTRLFREQUENCY | ds::DSBCAPS_CTRLPAN | ds::DSBCAPS_CTRLVOLUME;

class TestDevice {
 public:
  TestDevice();

  ds::MemoryOutput& output() { return *output_; }
  ds::DirectSound& device() { return *device_; }
  const TempDir& dir() const { return dir_; }

  // Writes `samples` as a 32-bit float WAVE file at 44100 Hz, so the buffer holds exactly
  // these values, and makes a buffer of it. Fails the test if the load fails.
  std::shared_ptr<ds::DirectSoundBuffer> Load(const std::vector<float>& samples, int channels,
                                              std::uint32_t flags = kAllControls);
  // Makes a buffer from a file already written.
  ds::HRESULT LoadFile(const std::string& path, std::shared_ptr<ds::DirectSoundBuffer>& buffer,
                       std::uint32_t flags = kAllControls);

  std::vector<float> Render(std::size_t frames) { return output_->Render(frames); }

 private:
  TempDir dir_;
  int files_ = 0;
  ds::MemoryOutput* output_ = nullptr;
  std::shared_ptr<ds::DirectX7> root_;
  std::shared_ptr<ds::DirectSound> device_;
};

// The fade a start gives frame k after Play, as the mixer computes it.
inline float FadeIn(std::size_t k) {
  return k + 1 >= ds::kRampFrames ? 1.0f : static_cast<float>(k + 1) / ds::kRampFrames;
}
// The fade a stop gives frame k of the tail, from full level.
inline float FadeOut(std::size_t k) { return 1.0f - FadeIn(k); }

// The gain the mixer rules give a level in hundredths of a decibel, worked out here.
float ExpectedGain(int hundredthsDb);

// True once `condition` holds, polled every millisecond; false after 20 s.
template <typename Condition>
bool Eventually(Condition condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

}  // namespace dstest
