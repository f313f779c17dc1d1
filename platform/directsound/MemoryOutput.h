#pragma once
// An output that mixes only when asked, on the asking thread: for tests and benchmarks.
#include <atomic>
#include <cstddef>
#include <mutex>
#include <vector>

#include "platform/directsound/AudioOutput.h"

namespace ds {

class MemoryOutput final : public AudioOutput {
 public:
  HRESULT Open(RenderFn render, void* context) override;
  void Resume() override;
  void Pause() override;
  bool Running() const override;

  // Caller's thread: mixes `frames` interleaved stereo frames now; silence while paused,
  // as a paused device would give.
  std::vector<float> Render(std::size_t frames);
  void Render(float* out, std::size_t frames);

 private:
  std::mutex mutex_;  // held while mixing, so Pause returns only once no mix runs
  RenderFn render_ = nullptr;
  void* context_ = nullptr;
  std::atomic<bool> running_{false};
};

}  // namespace ds
