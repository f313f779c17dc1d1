#include "platform/directsound/MemoryOutput.h"

#include <algorithm>

namespace ds {

HRESULT MemoryOutput::Open(RenderFn render, void* context) {
  std::lock_guard lock(mutex_);
  render_ = render;
  context_ = context;
  running_ = false;
  return DS_OK;
}

void MemoryOutput::Resume() {
  std::lock_guard lock(mutex_);
  running_ = render_ != nullptr;
}

void MemoryOutput::Pause() {
  std::lock_guard lock(mutex_);
  running_ = false;
}

bool MemoryOutput::Running() const { return running_; }

std::vector<float> MemoryOutput::Render(std::size_t frames) {
  std::vector<float> out(frames * kDeviceChannels);
  Render(out.data(), frames);
  return out;
}

void MemoryOutput::Render(float* out, std::size_t frames) {
  std::lock_guard lock(mutex_);
  if (running_) {
    render_(context_, out, frames);
  } else {
    std::fill(out, out + frames * kDeviceChannels, 0.0f);
  }
}

}  // namespace ds
